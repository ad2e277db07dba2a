#pragma once

class QWidget;

namespace varo {

class application_log;

// Ctrl+Shift+L and Ctrl+Shift+R in `window` open the log window of `log`.
void install_log_shortcuts(application_log* log, QWidget* window);

}
