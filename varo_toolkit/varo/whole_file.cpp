#include "varo/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace varo {

QString write_whole_file(const QString& path, const QByteArray& data)
{
    std::error_code made;
    std::filesystem::create_directories(QFile::encodeName(QFileInfo(path).path()).toStdString(), made);
    if (made)
        return qt_error_string(made.value());
    QSaveFile file(path);
    // Unbuffered: a buffered QSaveFile commits a file that its last flush cut
    // short.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered))
        return file.errorString();
    // A write that meets the end of the disk stops short; the next one fails
    // and tells why.
    for (qint64 written = 0; written < data.size();) {
        const qint64 count = file.write(data.constData() + written, data.size() - written);
        if (count <= 0)
            return file.errorString();
        written += count;
    }
    return file.commit() ? QString() : file.errorString();
}

}
