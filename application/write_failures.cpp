#include "write_failures.h"

#include <algorithm>

void write_failures::add(QString const& subject, QString const& reason)
{
    auto const same_reason = [&reason](failure_group const& group) { return group.reason == reason; };
    auto const found = std::find_if(collected.begin(), collected.end(), same_reason);
    if (found == collected.end())
        collected.append(failure_group{reason, subject, 1});
    else
        ++found->count;
}

QVector<failure_group> const& write_failures::groups() const
{
    return collected;
}
