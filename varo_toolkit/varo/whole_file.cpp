#include "varo/whole_file.h"

#include "varo/access_keeper.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtDebug>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
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

QString put_in_place(QFile& file, const QString& temporary, const QString& path)
{
    QString reason = finish(file);
    if (reason.isEmpty())
        reason = replace(temporary, path);
    return reason;
}

whole_file_result write_beside(QFile& file, const QString& temporary, const QString& path, const QByteArray& data,
                               access_keeper& access)
{
    QString const refusal = access.before_bytes(file.handle());
    if (!refusal.isEmpty())
        return failure(whole_file_result::step::create, -1, refusal);
    whole_file_result result = write_all(file, data);
    if (!result.done())
        return result;
    access.after_bytes(file.handle());
    const QString reason = put_in_place(file, temporary, path);
    if (!reason.isEmpty())
        return failure(whole_file_result::step::finish, result.written, reason);
    access.report();
    return result;
}

// Opened exclusively, so nothing already at the hidden name is ever written.
int create_exclusive(const QString& temporary, int mode)
{
    int handle;
    do
        handle = ::open(QFile::encodeName(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    while (handle < 0 && errno == EINTR);
    return handle;
}

void discard(const QString& temporary)
{
    ::unlink(QFile::encodeName(temporary).constData());
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
    access_keeper access(path);
    const QString temporary = temporary_path(path);
    const int handle = create_exclusive(temporary, access.creation_mode());
    if (handle < 0)
        return failure(whole_file_result::step::create, -1, qt_error_string(errno));
    QFile file;
    // Unbuffered, so a count written is what reached the file and not a buffer.
    if (!file.open(handle, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        discard(temporary);
        return failure(whole_file_result::step::create, -1, file.errorString());
    }
    const whole_file_result result = write_beside(file, temporary, path, data, access);
    if (!result.done()) {
        file.close();
        discard(temporary);
    }
    return result;
}

}
