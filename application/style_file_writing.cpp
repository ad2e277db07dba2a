#include "style_file_writing.h"

#include <QCoreApplication>
#include <QFile>
#include <QtDebug>

bool write_style_file(QString const& path, QString const& xml, QString& reason)
{
    QFile file(path);
    // Unbuffered, so the count written is what reached the file and not a buffer.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // The run reports it in a box; a failed open has no log line of its own.
        reason = file.errorString();
        return false;
    }
    QByteArray const bytes = xml.toUtf8();
    qint64 const written = file.write(bytes);
    if (written == bytes.size()) {
        qInfo("Wrote '%s'", qUtf8Printable(path));
        return true;
    }
    qWarning("Error writing '%s': Only wrote %d of %d bytes", qUtf8Printable(path), int(written), int(bytes.size()));
    reason = file.error() == QFileDevice::NoError
                 ? QCoreApplication::translate("MainWindow", "Only %1 of %2 bytes were written.")
                       .arg(written)
                       .arg(bytes.size())
                 : file.errorString();
    return false;
}
