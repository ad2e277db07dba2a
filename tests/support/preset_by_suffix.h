#pragma once

#include <QString>

class lightroom_importer;

// Fills `importer` from the preset at `path` by its suffix, in any case, as
// the conversion flow does: ".xmp" as XMP, ".lrtemplate" as a Lua template.
// False, with nothing read, for any other suffix; the readers' errors pass.
bool read_preset_by_suffix(lightroom_importer& importer, QString const& path);
