#include "varo/help_resources.h"

#include <QtGlobal>

#include <mutex>

// Q_INIT_RESOURCE declares its function in the enclosing namespace, so it
// must be used outside namespace varo.
static void register_toolkit_help()
{
    Q_INIT_RESOURCE(toolkit_help);
}

namespace varo {

void init_help_resources()
{
    static std::once_flag once;
    std::call_once(once, register_toolkit_help);
}

}
