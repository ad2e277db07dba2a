#pragma once

#include <QByteArray>
#include <QString>

namespace varo {

// Makes the folder `path` with every missing parent, as a fresh account may
// lack even the standard folders. Returns the system's reason for a failure,
// or an empty text.
QString make_folder(const QString& path);

// How writing a whole file ended.
struct whole_file_result {
    enum class step { none, create, write, finish };

    // The step that failed; none when the file is in place.
    step failed = step::none;
    // The bytes that reached the file, -1 when not one did.
    qint64 written = 0;
    // The system's reason for the failure.
    QString reason;

    bool done() const { return failed == step::none; }
};

// Writes `data` to `path` so that the file appears whole or not at all:
// beside it under a hidden name first, then renamed over it. A file it
// replaces stays as it was until the new one is complete, and its owner,
// mode, group and access ACL are kept as far as the file system and the
// user's rights allow (a warning is logged where that changes who may open
// it); no one may open the new bytes who couldn't open the old file.
// Another user's file that this user may not write is not replaced. A
// symbolic link at `path` is replaced itself, never followed. A failed write
// leaves what was at `path` as it was, and nothing beside it.
whole_file_result write_whole_file(const QString& path, const QByteArray& data);

}
