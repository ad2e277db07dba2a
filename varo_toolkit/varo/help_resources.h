#pragma once

namespace varo {

// Registers the help pages (":/help/..."). The library is static, so its
// resource collection is linked only when some code asks for it.
void init_help_resources();

}
