#include "output_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace {

// One level at a time, so a failure gives the system's reason for the level
// that could not be made.
bool make_level(QString const& level, QString& reason)
{
    if (QFileInfo(level).isDir())
        return true;
    if (::mkdir(QFile::encodeName(level).constData(), 0777) == 0)
        return true;
    reason = qt_error_string(errno == EEXIST ? ENOTDIR : errno);
    return false;
}

}

bool make_output_folder(QString const& path, QString& reason)
{
    QString const folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (QFileInfo(folder).isDir())
        return true;
    QString level;
    for (QString const& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        level += QLatin1Char('/') + part;
        if (!make_level(level, reason))
            return false;
    }
    return true;
}
