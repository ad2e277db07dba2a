#include "varo/application_log.h"

#include <QObject>

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace {

int log_children(const QObject& parent)
{
    return parent.findChildren<varo::application_log*>(QString(), Qt::FindDirectChildrenOnly).size();
}

// One process sees the whole life of the process-wide log: its tees are
// installed once and never again.
TEST(application_log_lifecycle, init_installs_once_and_destruction_restores_the_console)
{
    EXPECT_EQ(varo::application_log::instance(), nullptr);

    std::ostringstream console_out;
    std::ostringstream console_err;
    std::streambuf* const real_out = std::cout.rdbuf(console_out.rdbuf());
    std::streambuf* const real_err = std::cerr.rdbuf(console_err.rdbuf());

    auto* parent = new QObject;
    varo::application_log::init(parent);
    varo::application_log* const log = varo::application_log::instance();
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->parent(), parent);
    EXPECT_NE(std::cout.rdbuf(), console_out.rdbuf());
    EXPECT_NE(std::cerr.rdbuf(), console_err.rdbuf());

    QObject other;
    varo::application_log::init(&other);
    EXPECT_EQ(varo::application_log::instance(), log);
    EXPECT_EQ(log_children(other), 0);
    EXPECT_EQ(log_children(*parent), 1);

    std::cout << "shown" << std::endl;
    std::cerr << "error" << std::endl;
    std::cout << "pending";
    EXPECT_EQ(console_out.str(), "shown\n");
    EXPECT_EQ(console_err.str(), "error\n");

    delete parent;
    EXPECT_EQ(std::cout.rdbuf(), console_out.rdbuf());
    EXPECT_EQ(std::cerr.rdbuf(), console_err.rdbuf());
    EXPECT_TRUE(std::cout.good());
    EXPECT_EQ(console_out.str(), "shown\npending") << "nothing written before is lost";
    EXPECT_EQ(varo::application_log::instance(), nullptr) << "no pointer to a destroyed log";

    std::cout << "after" << std::endl;
    std::cerr << "late" << std::endl;
    EXPECT_EQ(console_out.str(), "shown\npendingafter\n");
    EXPECT_EQ(console_err.str(), "error\nlate\n");

    QObject later;
    varo::application_log::init(&later);
    EXPECT_NE(varo::application_log::instance(), nullptr);
    EXPECT_EQ(std::cout.rdbuf(), console_out.rdbuf()) << "a later log installs no tees";
    EXPECT_EQ(std::cerr.rdbuf(), console_err.rdbuf());
    delete varo::application_log::instance();
    EXPECT_EQ(std::cout.rdbuf(), console_out.rdbuf());

    std::cout.rdbuf(real_out);
    std::cerr.rdbuf(real_err);
}

}
