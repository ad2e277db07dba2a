#pragma once

#include "varo/whole_file.h"

#include <QString>

// Writes the style text as UTF-8 to `path`, replacing an existing file or
// symbolic link. The file appears whole or not at all: a failed write leaves
// what was at `path` as it was. On failure `reason` says why and the answer
// is false.
bool write_style_file(QString const& path, QString const& xml, QString& reason);

// Logs why `size` bytes could not be written to `path`. A file that can't
// be made has no line of its own: the run reports it in a box.
void log_write_failure(QString const& path, varo::whole_file_result const& result, qint64 size);
