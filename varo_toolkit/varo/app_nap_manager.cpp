#include "varo/app_nap_manager.h"

#include "varo/process_info.h"

#include <cstdint>

namespace varo {

struct app_nap_manager::activities {
    activity_token user_activity;
    activity_token background_activity;
};

namespace {

// A start while the same kind is held keeps the first reason in force.
void begin(activity_token& slot, std::uint64_t options, QString const& reason)
{
    if (!slot)
        slot = process_info::shared().begin_activity(options, reason);
}

void end(activity_token& slot)
{
    if (!slot)
        return;
    process_info::shared().end_activity(slot);
    slot.reset();
}

}

app_nap_manager::app_nap_manager() : held(std::make_unique<activities>()) {}

// An activity left running would keep the process awake for good.
app_nap_manager::~app_nap_manager()
{
    stop_user();
    stop_background();
}

void app_nap_manager::start_user(QString const& reason)
{
    begin(held->user_activity, activity_options::user_initiated_allowing_idle_system_sleep, reason);
}

void app_nap_manager::stop_user()
{
    end(held->user_activity);
}

void app_nap_manager::start_background(QString const& reason)
{
    begin(held->background_activity, activity_options::background, reason);
}

void app_nap_manager::stop_background()
{
    end(held->background_activity);
}

}
