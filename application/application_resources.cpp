#include "application_resources.h"

#include <QtGlobal>

#include <mutex>

static void register_application_resources()
{
    Q_INIT_RESOURCE(application);
    Q_INIT_RESOURCE(application_fonts);
    Q_INIT_RESOURCE(application_licenses);
    Q_INIT_RESOURCE(application_translations);
}

void init_application_resources()
{
    static std::once_flag once;
    std::call_once(once, register_application_resources);
}
