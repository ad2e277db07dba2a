#include "varo/help.h"

#include "varo/language.h"
#include "varo/help_resources.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
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
        qWarning() << "Could not open help file for language" << suffix << "with template"
                   << file_template << "resulting in" << path;
        return;
    }
    const QString page = with_platform_key_names(QString::fromUtf8(source.readAll()));
    const QString name = QCoreApplication::applicationName().toLower().remove(QLatin1Char(' '));
    QFile copy(QDir::tempPath() + QStringLiteral("/%1_help_%2.html").arg(name, suffix));
    if (copy.open(QIODevice::WriteOnly | QIODevice::Truncate))
        copy.write(page.toUtf8());
    copy.close();
    QDesktopServices::openUrl(QUrl(QStringLiteral("file:///%1").arg(copy.fileName())));
}

}
