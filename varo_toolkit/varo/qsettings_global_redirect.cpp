#include "varo/qsettings_global_redirect.h"

namespace varo {

void install_qsettings_global_redirect() {}

}
