#include "write_failures.h"

#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace {

TEST(write_failures, groups_by_reason_in_first_order)
{
    write_failures failures;
    failures.add(QStringLiteral("/out/a.costyle"), QStringLiteral("No such file or directory"));
    failures.add(QStringLiteral("/out/b.costyle"), QStringLiteral("Permission denied"));
    failures.add(QStringLiteral("/out/c.costyle"), QStringLiteral("No such file or directory"));
    failures.add(QStringLiteral("/out/d.costyle"), QStringLiteral("No such file or directory"));

    auto const& groups = failures.groups();
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups[0].reason, QStringLiteral("No such file or directory"));
    EXPECT_EQ(groups[0].first_subject, QStringLiteral("/out/a.costyle"));
    EXPECT_EQ(groups[0].count, 3);
    EXPECT_EQ(groups[1].reason, QStringLiteral("Permission denied"));
    EXPECT_EQ(groups[1].first_subject, QStringLiteral("/out/b.costyle"));
    EXPECT_EQ(groups[1].count, 1);
}

TEST(write_failures, start_empty)
{
    EXPECT_TRUE(write_failures().groups().isEmpty());
}

}
