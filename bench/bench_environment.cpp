#include "bench_environment.h"

#include "varo/message_handler.h"
#include "varo/timed_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QtGlobal>

#include <stdexcept>

namespace {

// In memory where the system has it, so that the disk's varying time per
// file stays out of the batch's figures.
QString scratch_template()
{
    QDir const memory(QStringLiteral("/dev/shm"));
    QDir const parent = memory.exists() ? memory : QDir::temp();
    return parent.filePath(QStringLiteral("kestova_bench-XXXXXX"));
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
    : folder(scratch_template()),
      preset_paths(corpus_files(QStringLiteral("lrtemplate"), QStringLiteral("*.lrtemplate"))
                   + corpus_files(QStringLiteral("xmp"), QStringLiteral("*.xmp")))
{
    // The log as the program writes it: its pattern and handler, one console
    // line per message (benchmarks discard the console while they measure).
    varo::set_message_pattern(QLatin1String(varo::timed_message_pattern));
    varo::install_qt_message_handler(true, false);
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
