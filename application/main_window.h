#pragma once

#include "varo/main_window.h"

#include <QFont>
#include <QSettings>

class QGridLayout;
class QLineEdit;

namespace varo {
class application_log;
}

// The application's single window: the header bar, the output folder and
// the convert button that starts a batch conversion.
class MainWindow : public varo::main_window {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent);
    ~MainWindow() override;

    void setup_layout();
    void setup_top_bar(QGridLayout* grid);

    bool event(QEvent* e) override;

public slots:
    void on_button_convert_clicked();

private:
    void choose_output_folder(QLineEdit* folder_field);
    void show_settings_dialog();
    void show_about_dialog();
    void show_help();

    varo::application_log* log;
    QFont regular_font;
    QFont bold_font;
    QSettings settings;
};
