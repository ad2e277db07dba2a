#include "bench_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QtGlobal>

#include <stdexcept>

namespace {

// The readers log every line they read; printing that would measure the
// terminal rather than the engine.
void drop_message(QtMsgType, QMessageLogContext const&, QString const&)
{
}

QStringList corpus_files(QString const& folder, QString const& pattern)
{
    QDir const dir(QStringLiteral(KESTOVA_CORPUS "/") + folder);
    QStringList paths;
    for (QString const& name : dir.entryList({pattern}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

}

bench_environment& bench_environment::instance()
{
    static bench_environment environment;
    return environment;
}

bench_environment::bench_environment()
    : preset_paths(corpus_files(QStringLiteral("lrtemplate"), QStringLiteral("*.lrtemplate"))
                   + corpus_files(QStringLiteral("xmp"), QStringLiteral("*.xmp")))
{
    qInstallMessageHandler(drop_message);
    QCoreApplication::setOrganizationName(QStringLiteral("Harlune"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestova"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    if (preset_paths.isEmpty())
        qFatal("no presets in %s", KESTOVA_CORPUS);
}

bool read_preset(lightroom_importer& importer, QString const& path)
{
    QString const suffix = QFileInfo(path).suffix().toLower();
    try {
        if (suffix == QLatin1String("lrtemplate"))
            importer.read_lrpreset(path);
        else if (suffix == QLatin1String("xmp"))
            importer.read_xmp(path);
        else
            return false;
    } catch (std::runtime_error const&) {
        return false;
    }
    return true;
}
