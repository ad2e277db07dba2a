#pragma once

#include "existing_style_question.h"
#include "preset_questions.h"
#include "style_names.h"
#include "write_failures.h"

#include "conversion/costyle_writer.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class QSettings;
class QWidget;
struct style_pack_result;

// One click of the convert button: converts the chosen presets in turn and
// writes them as style files or as one style pack.
class batch_conversion {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    batch_conversion(QWidget* parent, QSettings& settings);

    void run(QStringList const& files);

private:
    // A preset whose style would change nothing, and why.
    struct unconverted_preset {
        QString file_name;
        QString reason;
    };

    bool prepare_output_folder() const;
    void convert_preset(QString const& path);
    void report_file_failures() const;
    void report_unconverted() const;
    void write_pack() const;
    QString ask_pack_path() const;
    void report_pack_failures(QString const& pack_path, style_pack_result const& result) const;

    QWidget* parent;
    QSettings& settings;
    QString const format;
    preset_questions questions;
    existing_style_question existing_files;
    style_names names;
    // One writer serves the whole run, so the lookup tables load once.
    costyle_writer const writer;
    QMap<QString, QString> styles;
    write_failures file_failures;
    QVector<unconverted_preset> unconverted;
};
