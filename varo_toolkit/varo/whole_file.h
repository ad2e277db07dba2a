#pragma once

#include <QByteArray>
#include <QString>

namespace varo {

// Writes `data` to the file at `path` so that the file appears whole or not
// at all: beside it first, then renamed into place. A missing folder is made,
// with its parents. Returns the system's reason for a failure, or an empty
// text.
QString write_whole_file(const QString& path, const QByteArray& data);

}
