#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;
class lightroom_importer;

// What a preset raises for the questions: the three flags of check_costyle.
struct preset_flags {
    bool white_balance = false;
    bool unsupported = false;
    bool calibration = false;
};

// The questions of one run about presets that can't be carried over whole,
// with the "Convert All" and "Skip All" answers remembered for the run.
class preset_questions {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    explicit preset_questions(QWidget* parent);

    // True when the preset is to be converted; asks where needed.
    bool accept(lightroom_importer const& importer, preset_flags const& flags);

private:
    bool skipped_silently(preset_flags const& flags) const;
    bool ask(bool& ask_flag, bool& skip_all_flag, QString const& title, QString const& text);

    QWidget* parent;
    QString const convert_text;
    QString const skip_text;
    QString const convert_all_text;
    QString const skip_all_text;
    bool ask_white_balance = true;
    bool ask_unsupported = true;
    bool ask_calibration = true;
    bool skip_all_white_balance = false;
    bool skip_all_unsupported = false;
    bool skip_all_calibration = false;
};
