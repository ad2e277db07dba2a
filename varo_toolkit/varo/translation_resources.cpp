#include "varo/translation_resources.h"

#include <QtGlobal>

#include <mutex>

// Q_INIT_RESOURCE declares its function in the enclosing namespace, so it
// must be used outside namespace varo.
static void register_toolkit_translations()
{
    Q_INIT_RESOURCE(toolkit_translations);
}

namespace varo {

void init_translation_resources()
{
    static std::once_flag once;
    std::call_once(once, register_toolkit_translations);
}

}
