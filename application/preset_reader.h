#pragma once

#include <QCoreApplication>

class QFileInfo;
class QWidget;
class lightroom_importer;

// Reads one chosen preset file by its suffix; a file that can't be read, or
// yields no setting, is reported in a box.
class preset_reader {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // Fills `importer`; false when the preset is to be skipped.
    static bool read(QWidget* parent, QFileInfo const& file, lightroom_importer& importer);

private:
    static void report_unsupported_format(QWidget* parent, QFileInfo const& file);
    static void report_unopenable(QWidget* parent, QFileInfo const& file, QString const& reason);
    static void report_parse_error(QWidget* parent, QFileInfo const& file, QString const& error);
};
