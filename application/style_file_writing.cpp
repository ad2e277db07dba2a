#include "style_file_writing.h"

#include "varo/whole_file.h"

#include <QtDebug>

bool write_style_file(QString const& path, QString const& xml, QString& reason)
{
    QByteArray const bytes = xml.toUtf8();
    varo::whole_file_result const result = varo::write_whole_file(path, bytes);
    switch (result.failed) {
    case varo::whole_file_result::step::none:
        qInfo("Wrote '%s'", qUtf8Printable(path));
        return true;
    case varo::whole_file_result::step::create:
        // The run reports it in a box; a file that can't be made has no log line of its own.
        break;
    case varo::whole_file_result::step::write:
        qWarning("Error writing '%s': Only wrote %d of %d bytes", qUtf8Printable(path), int(result.written),
                 int(bytes.size()));
        break;
    case varo::whole_file_result::step::finish:
        qWarning("Error writing '%s': %s", qUtf8Printable(path), qUtf8Printable(result.reason));
        break;
    }
    reason = result.reason;
    return false;
}
