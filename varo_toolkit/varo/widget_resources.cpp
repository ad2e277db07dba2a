#include "varo/widget_resources.h"

#include <QtGlobal>

#include <mutex>

// Q_INIT_RESOURCE declares its function in the enclosing namespace, so it
// must be used outside namespace varo.
static void register_toolkit_widgets()
{
    Q_INIT_RESOURCE(toolkit_widgets);
}

namespace varo {

void init_widget_resources()
{
    static std::once_flag once;
    std::call_once(once, register_toolkit_widgets);
}

}
