#include "varo/app_nap_manager.h"
#include "varo/process_info.h"

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

// Stands in for the system: records every activity begun and ended.
class recording_process_info : public varo::process_info {
public:
    struct activity {
        std::uint64_t options;
        QString reason;
        bool ended = false;
    };

    recording_process_info() { varo::process_info::set_shared(this); }
    ~recording_process_info() override { varo::process_info::set_shared(nullptr); }

    varo::activity_token begin_activity(std::uint64_t options, QString const& reason) override
    {
        activities.push_back({options, reason});
        auto token = std::make_shared<std::size_t>(activities.size() - 1);
        issued.push_back(token);
        return token;
    }

    void end_activity(varo::activity_token const& token) override
    {
        ended_tokens.push_back(token);
        activities.at(*static_cast<std::size_t*>(token.get())).ended = true;
    }

    std::vector<activity> activities;
    std::vector<varo::activity_token> ended_tokens;
    // Weak, so the test sees whether anyone still holds a token.
    std::vector<std::weak_ptr<std::size_t>> issued;

    std::size_t running() const
    {
        std::size_t count = 0;
        for (activity const& a : activities)
            count += a.ended ? 0 : 1;
        return count;
    }
};

constexpr std::uint64_t user_options = 0xEFFFFF;
constexpr std::uint64_t background_options = 0xFF;

TEST(app_nap_manager, user_activity_is_begun_with_its_options_and_reason_and_ended_with_its_token)
{
    recording_process_info system;
    varo::app_nap_manager manager;
    manager.start_user(QStringLiteral("Converting presets"));
    ASSERT_EQ(system.activities.size(), 1u);
    EXPECT_EQ(system.activities[0].options, user_options);
    EXPECT_EQ(system.activities[0].reason, QStringLiteral("Converting presets"));
    EXPECT_FALSE(system.issued[0].expired()) << "the manager keeps its token";

    manager.stop_user();
    ASSERT_EQ(system.ended_tokens.size(), 1u);
    EXPECT_EQ(system.ended_tokens[0], system.issued[0].lock());
    EXPECT_EQ(system.running(), 0u);
    system.ended_tokens.clear();
    EXPECT_TRUE(system.issued[0].expired()) << "the manager let go of its token";
}

TEST(app_nap_manager, background_activity_uses_the_background_options)
{
    recording_process_info system;
    varo::app_nap_manager manager;
    manager.start_background(QStringLiteral("Indexing"));
    ASSERT_EQ(system.activities.size(), 1u);
    EXPECT_EQ(system.activities[0].options, background_options);
    EXPECT_EQ(system.activities[0].reason, QStringLiteral("Indexing"));
    manager.stop_background();
    EXPECT_EQ(system.running(), 0u);
}

TEST(app_nap_manager, stop_without_a_start_does_nothing)
{
    recording_process_info system;
    varo::app_nap_manager manager;
    manager.stop_user();
    manager.stop_background();
    EXPECT_TRUE(system.activities.empty());
    EXPECT_TRUE(system.ended_tokens.empty());
}

TEST(app_nap_manager, start_while_held_keeps_the_first_activity)
{
    recording_process_info system;
    varo::app_nap_manager manager;
    manager.start_background(QStringLiteral("first"));
    manager.start_background(QStringLiteral("second"));
    ASSERT_EQ(system.activities.size(), 1u);
    EXPECT_EQ(system.activities[0].reason, QStringLiteral("first"));
    manager.stop_background();
    EXPECT_EQ(system.running(), 0u);
    manager.stop_background();
    EXPECT_EQ(system.ended_tokens.size(), 1u);
}

TEST(app_nap_manager, the_two_activities_are_independent)
{
    recording_process_info system;
    varo::app_nap_manager manager;
    manager.start_user(QStringLiteral("user"));
    manager.start_background(QStringLiteral("background"));
    ASSERT_EQ(system.activities.size(), 2u);
    EXPECT_EQ(system.running(), 2u);

    manager.stop_background();
    EXPECT_FALSE(system.activities[0].ended);
    EXPECT_TRUE(system.activities[1].ended);

    manager.start_background(QStringLiteral("again"));
    ASSERT_EQ(system.activities.size(), 3u);
    EXPECT_EQ(system.activities[2].options, background_options);

    manager.stop_user();
    EXPECT_TRUE(system.activities[0].ended);
    EXPECT_FALSE(system.activities[2].ended);
}

TEST(app_nap_manager, a_manager_going_away_ends_what_it_holds)
{
    recording_process_info system;
    {
        varo::app_nap_manager manager;
        manager.start_user(QStringLiteral("user"));
        manager.start_background(QStringLiteral("background"));
    }
    EXPECT_EQ(system.running(), 0u);
    system.ended_tokens.clear();
    for (auto const& token : system.issued)
        EXPECT_TRUE(token.expired());
}

TEST(process_info, default_object_hands_out_tokens_and_takes_them_back)
{
    varo::process_info& shared = varo::process_info::shared();
    varo::activity_token const token = shared.begin_activity(user_options, QStringLiteral("work"));
    EXPECT_TRUE(token);
    shared.end_activity(token);
    {
        recording_process_info system;
        EXPECT_EQ(&varo::process_info::shared(), &system);
    }
    EXPECT_EQ(&varo::process_info::shared(), &shared);
}

}
