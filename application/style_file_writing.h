#pragma once

#include <QString>

// Writes the style text as UTF-8 to `path`, replacing an existing file or
// symbolic link. The file appears whole or not at all: a failed write leaves
// what was at `path` as it was. On failure `reason` says why and the answer
// is false.
bool write_style_file(QString const& path, QString const& xml, QString& reason);
