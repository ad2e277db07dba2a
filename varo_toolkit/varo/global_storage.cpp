#include "varo/global_storage.h"

namespace varo {

template class global_storage<std::string, std::string, std::map<std::string, std::string>>;

}
