#pragma once

#include <QString>

#include <cstdint>
#include <memory>

namespace varo {

// A begun process activity; holding a copy keeps it alive until it is
// handed back to end_activity.
using activity_token = std::shared_ptr<void>;

namespace activity_options {
// User-initiated work that still lets the system sleep when idle.
constexpr std::uint64_t user_initiated_allowing_idle_system_sleep = 0xEFFFFF;
constexpr std::uint64_t background = 0xFF;
}

// The process-wide object through which the process declares activities
// that the system must not throttle (App Nap). Only macOS throttles idle
// processes; the default object here hands out tokens and changes nothing.
class process_info {
public:
    process_info() = default;
    process_info(process_info const&) = delete;
    process_info& operator=(process_info const&) = delete;
    virtual ~process_info();

    static process_info& shared();
    // Replaces the shared object; null brings the default back.
    static void set_shared(process_info* replacement);

    virtual activity_token begin_activity(std::uint64_t options, QString const& reason) = 0;
    virtual void end_activity(activity_token const& token) = 0;
};

}
