#pragma once

#include <QString>

// Sets Qt's logging rules while it lives (for example "default.debug=false").
class log_rules {
public:
    explicit log_rules(QString const& rules);
    ~log_rules();

    log_rules(log_rules const&) = delete;
    log_rules& operator=(log_rules const&) = delete;
};
