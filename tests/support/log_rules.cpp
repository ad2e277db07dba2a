#include "log_rules.h"

#include <QLoggingCategory>

log_rules::log_rules(QString const& rules)
{
    QLoggingCategory::setFilterRules(rules);
}

log_rules::~log_rules()
{
    QLoggingCategory::setFilterRules(QString());
}
