#pragma once

#include <QString>

namespace varo {

// Shows the help page of the interface language (English where there is
// none) in the default browser. `file_template` holds "%1" for the suffix.
void open_help(const QString& file_template);

}
