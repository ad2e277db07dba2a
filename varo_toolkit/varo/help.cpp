#include "varo/help.h"

#include "varo/help_resources.h"
#include "varo/language.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

namespace varo {

namespace {

QString help_path(QString file_template, const QString& suffix)
{
    return file_template.replace(QLatin1String("%1"), suffix);
}

// The pages name the keys as the user's keyboard shows them; the masked
// spellings let a page keep the word Ctrl.
QString with_platform_key_names(QString page)
{
    return page.replace(QLatin1String("Ctrl"), QLatin1String("Cmd"))
        .replace(QLatin1String("Strg"), QLatin1String("Cmd"))
        .replace(QLatin1String("StXrg"), QLatin1String("Ctrl"))
        .replace(QLatin1String("CtXrl"), QLatin1String("Ctrl"));
}

// A folder of the temporary folder that only this user can write, so no one
// else can plant a file or a link under the page's name; it lives as long as
// the process.
const QTemporaryDir& private_folder()
{
    static const QTemporaryDir folder;
    return folder;
}

// Writes a fresh file: whatever is at the path, even a link, is removed
// rather than written through.
bool write_new_file(const QString& path, const QByteArray& bytes)
{
    QFile::remove(path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && file.write(bytes) == bytes.size() && file.flush();
}

}

void open_help(const QString& file_template)
{
    init_help_resources();
    QString suffix = get_language_suffix(QStringLiteral("lang"));
    QString path = help_path(file_template, suffix);
    if (!QFile::exists(path)) {
        suffix = QStringLiteral("en");
        path = help_path(file_template, suffix);
    }
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        qWarning() << "Could not open help file for language" << suffix << "with template" << file_template
                   << "resulting in" << path;
        return;
    }
    const QString page = with_platform_key_names(QString::fromUtf8(source.readAll()));
    const QString name = QCoreApplication::applicationName().toLower().remove(QLatin1Char(' '));
    const QTemporaryDir& folder = private_folder();
    if (!folder.isValid()) {
        qWarning() << "Could not create a private folder for the help file:" << folder.errorString();
        return;
    }
    const QString copy = folder.path() + QStringLiteral("/%1_help_%2.html").arg(name, suffix);
    if (!write_new_file(copy, page.toUtf8())) {
        qWarning() << "Could not write help file" << copy;
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(copy));
}

}
