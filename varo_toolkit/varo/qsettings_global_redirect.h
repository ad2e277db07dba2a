#pragma once

namespace varo {

// Points the settings store at the system-wide preferences where a platform
// keeps them apart from the user's; nothing to do on this platform.
void install_qsettings_global_redirect();

}
