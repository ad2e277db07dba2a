#include "style_file_writing.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtDebug>

#include <cstdio>
#include <unistd.h>

namespace {

// Beside the style and hidden, so the rename stays within one file system
// and the folder never shows a half-written style.
QString temporary_path(QString const& path)
{
    QFileInfo const target(path);
    return target.absolutePath() + QStringLiteral("/.") + target.fileName()
           + QStringLiteral(".%1.part").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
}

bool write_all(QFile& file, QString const& path, QByteArray const& bytes, QString& reason)
{
    qint64 const written = file.write(bytes);
    if (written == bytes.size())
        return true;
    qWarning("Error writing '%s': Only wrote %d of %d bytes", qUtf8Printable(path), int(written), int(bytes.size()));
    reason = file.error() == QFileDevice::NoError
                 ? QCoreApplication::translate("MainWindow", "Only %1 of %2 bytes were written.")
                       .arg(written)
                       .arg(bytes.size())
                 : file.errorString();
    return false;
}

bool fail(QString const& path, QString const& why, QString& reason)
{
    qWarning("Error writing '%s': %s", qUtf8Printable(path), qUtf8Printable(why));
    reason = why;
    return false;
}

// The bytes must be on the disk before the rename makes them the style.
bool finish(QFile& file, QString const& path, QString& reason)
{
    if (::fsync(file.handle()) != 0)
        return fail(path, qt_error_string(errno), reason);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return fail(path, file.errorString(), reason);
    return true;
}

// rename() replaces a symbolic link at `path` itself, never the file it
// points to, and leaves the old file whole until the new one takes its place.
bool replace(QString const& temporary, QString const& path, QString& reason)
{
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0)
        return fail(path, qt_error_string(errno), reason);
    return true;
}

void keep_permissions(QFile& file, QString const& path)
{
    QFileInfo const old(path);
    if (old.isFile() && !old.isSymLink())
        file.setPermissions(old.permissions());
}

}

bool write_style_file(QString const& path, QString const& xml, QString& reason)
{
    QFile file(temporary_path(path));
    // Unbuffered, so the count written is what reached the file and not a buffer.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        // The run reports it in a box; a failed open has no log line of its own.
        reason = file.errorString();
        return false;
    }
    keep_permissions(file, path);
    bool const written = write_all(file, path, xml.toUtf8(), reason) && finish(file, path, reason)
                         && replace(file.fileName(), path, reason);
    if (!written) {
        file.remove();
        return false;
    }
    qInfo("Wrote '%s'", qUtf8Printable(path));
    return true;
}
