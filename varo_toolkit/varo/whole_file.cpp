#include "varo/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace varo {

namespace {

// In the same folder, so the rename stays within one file system; not named
// after the target, so it fits wherever the target's own name fits.
QString temporary_path(const QString& path)
{
    return QFileInfo(path).absolutePath()
           + QStringLiteral("/.%1.part").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
}

whole_file_result failure(whole_file_result::step step, qint64 written, const QString& reason)
{
    return whole_file_result{step, written, reason};
}

// A write that meets the end of the disk stops short; the next one fails
// and tells why.
whole_file_result write_all(QFile& file, const QByteArray& data)
{
    qint64 written = 0;
    while (written < data.size()) {
        const qint64 count = file.write(data.constData() + written, data.size() - written);
        if (count <= 0)
            return failure(whole_file_result::step::write, written > 0 ? written : -1, file.errorString());
        written += count;
    }
    return whole_file_result{whole_file_result::step::none, written, QString()};
}

// The bytes must be on the disk before the rename makes them the file.
QString finish(QFile& file)
{
    if (::fsync(file.handle()) != 0)
        return qt_error_string(errno);
    file.close();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

// rename() replaces a symbolic link itself and the old file in one step.
QString replace(const QString& temporary, const QString& path)
{
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0)
        return qt_error_string(errno);
    return QString();
}

// The old file's own bits: QFileInfo's user flags tell what this user may do
// instead, and have no place for set-ID and sticky bits. A link is replaced
// itself, so what it points to lends nothing.
QString keep_mode(QFile& file, const QString& path)
{
    struct stat old {};
    if (::lstat(QFile::encodeName(path).constData(), &old) != 0 || !S_ISREG(old.st_mode))
        return QString();
    return ::fchmod(file.handle(), old.st_mode & 07777) == 0 ? QString() : qt_error_string(errno);
}

// The mode after the bytes, as a write without CAP_FSETID clears set-ID bits.
QString put_in_place(QFile& file, const QString& path)
{
    QString reason = keep_mode(file, path);
    if (reason.isEmpty())
        reason = finish(file);
    if (reason.isEmpty())
        reason = replace(file.fileName(), path);
    return reason;
}

whole_file_result write_beside(QFile& file, const QString& path, const QByteArray& data)
{
    whole_file_result result = write_all(file, data);
    if (!result.done())
        return result;
    const QString reason = put_in_place(file, path);
    if (!reason.isEmpty())
        return failure(whole_file_result::step::finish, result.written, reason);
    return result;
}

}

QString make_folder(const QString& path)
{
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(path).toStdString(), error);
    return error ? qt_error_string(error.value()) : QString();
}

whole_file_result write_whole_file(const QString& path, const QByteArray& data)
{
    QFile file(temporary_path(path));
    // Unbuffered, so a count written is what reached the file and not a buffer.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return failure(whole_file_result::step::create, -1, file.errorString());
    const whole_file_result result = write_beside(file, path, data);
    if (!result.done())
        file.remove();
    return result;
}

}
