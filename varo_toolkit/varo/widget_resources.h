#pragma once

namespace varo {

// Registers the toolkit's widget images (":/gui/..."). The library is static,
// so its resource collection is linked only when some code asks for it;
// every widget that uses the images calls this before building its style.
void init_widget_resources();

}
