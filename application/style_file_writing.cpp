#include "style_file_writing.h"

#include <QtDebug>

bool write_style_file(QString const& path, QString const& xml, QString& reason)
{
    QByteArray const bytes = xml.toUtf8();
    varo::whole_file_result const result = varo::write_whole_file(path, bytes);
    if (result.done()) {
        qInfo("Wrote '%s'", qUtf8Printable(path));
        return true;
    }
    log_write_failure(path, result, bytes.size());
    reason = result.reason;
    return false;
}

void log_write_failure(QString const& path, varo::whole_file_result const& result, qint64 size)
{
    switch (result.failed) {
    case varo::whole_file_result::step::none:
    case varo::whole_file_result::step::create:
        break;
    case varo::whole_file_result::step::write:
        qWarning("Error writing '%s': Only wrote %d of %d bytes", qUtf8Printable(path), int(result.written), int(size));
        break;
    case varo::whole_file_result::step::finish:
        qWarning("Error writing '%s': %s", qUtf8Printable(path), qUtf8Printable(result.reason));
        break;
    }
}
