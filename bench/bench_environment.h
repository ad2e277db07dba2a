#pragma once

#include "conversion/lightroom_importer.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// What every benchmark shares: the program's log, a private settings store and
// a scratch folder (in memory where there is one), and the presets of the
// corpus.
class bench_environment {
public:
    static bench_environment& instance();

    QStringList const& presets() const { return preset_paths; }
    QString scratch_path() const { return folder.path(); }

private:
    bench_environment();

    QTemporaryDir folder;
    QStringList preset_paths;
};

// Reads a preset by its suffix the way the conversion flow does; false for a
// file it would refuse.
bool read_preset(lightroom_importer& importer, QString const& path);
