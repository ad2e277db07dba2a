#pragma once

#include <QString>

#include <memory>

namespace varo {

// Keeps the system from napping the process while work is going on: holds
// at most one user-initiated and one background activity, independently.
class app_nap_manager {
public:
    app_nap_manager();
    app_nap_manager(app_nap_manager const&) = delete;
    app_nap_manager& operator=(app_nap_manager const&) = delete;
    ~app_nap_manager();

    void start_user(QString const& reason);
    void stop_user();
    void start_background(QString const& reason);
    void stop_background();

private:
    struct activities;
    std::unique_ptr<activities> held;
};

}
