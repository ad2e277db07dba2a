#pragma once

namespace varo {

// Registers the toolkit's translation catalogues (":/translations/toolkit_*").
// The library is static, so its resource collection is linked only when some
// code asks for it; call this before loading a catalogue.
void init_translation_resources();

}
