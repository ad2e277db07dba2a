#include "main_window.h"

#include "application_resources.h"
#include "dialog_settings.h"
#include "settings_keys.h"
#include "shipped_libraries.h"

#include "varo/application_information_box.h"
#include "varo/application_log.h"
#include "varo/button_dark.h"
#include "varo/dialog_about.h"
#include "varo/help.h"
#include "varo/language.h"
#include "varo/lineedit.h"
#include "varo/log_shortcuts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace {

constexpr varo::pixel_argb hover_colour{0xFFF0F0F0};
constexpr varo::pixel_argb normal_colour{0xFF818885};

varo::button_dark* header_button(QWidget* parent, QString const& icon, QString const& tooltip)
{
    auto* button = new varo::button_dark(parent);
    button->setFixedSize(27, 26);
    button->set_icon(icon, -1, -1, hover_colour, normal_colour);
    button->set_type(QStringLiteral("header"));
    button->setToolTip(tooltip);
    return button;
}

}

MainWindow::MainWindow(QWidget* parent) : varo::main_window(parent), log(varo::application_log::instance())
{
    varo::install_log_shortcuts(log, this);
    init_application_resources();
    QFontDatabase::addApplicationFont(QStringLiteral(":/images/FreeSans.ttf"));
    int const bold_id = QFontDatabase::addApplicationFont(QStringLiteral(":/images/FreeSansBold.ttf"));
    regular_font.setFamily(QStringLiteral("FreeSans"));
    regular_font.setPointSize(12);
    QApplication::setFont(regular_font);
    // The bold file's family is FreeSans; the weight picks its face.
    bold_font.setFamily(QFontDatabase::applicationFontFamilies(bold_id).value(0));
    bold_font.setWeight(75);
    bold_font.setPointSize(14);
    setup_layout();
    varo::application_information_box::install(this, {});
    setFixedHeight(sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::setup_layout()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    setCentralWidget(central);
    // The light text is for the window's own labels and their dark tooltips;
    // the dialogs and menus that Qt draws itself are children of the window
    // too but keep their light look and dark text.
    setStyleSheet(QStringLiteral("MainWindow{background-color:rgb(47,47,47);} #central QLabel{color:rgb(198,213,210);}"
                                 "QToolTip{color:rgb(198,213,210);border:1px solid rgb(99,99,99);background-image:none;"
                                 "background-color:rgb(47,47,47);}"));
    setup_top_bar(grid);

    auto* inner = new QGridLayout;
    inner->setContentsMargins(10, 20, 10, 20);
    inner->setVerticalSpacing(5);
    inner->setHorizontalSpacing(6);
    grid->addLayout(inner, 1, 0);

    QString const folder_tooltip = tr("Select the folder where the converted Lightroom presets will be saved.");
    auto* label = new QLabel(tr("Output Folder"), central);
    label->setFont(bold_font);
    label->setToolTip(folder_tooltip);
    inner->addWidget(label, 0, 1);

    auto* folder_field = new varo::lineedit(central);
    folder_field->setFixedHeight(22);
    folder_field->setMinimumWidth(290);
    folder_field->setReadOnly(true);
    folder_field->setToolTip(folder_tooltip);
    folder_field->setText(
        settings.value(settings_keys::output_dir.key, settings_keys::output_dir.default_value).toString());
    inner->addWidget(folder_field, 1, 1);

    auto* folder_button = new varo::button_dark(central);
    folder_button->setFixedSize(23, 22);
    folder_button->set_icon(QStringLiteral(":/images/icon_open.png"), -1, -1, hover_colour, normal_colour);
    folder_button->setToolTip(folder_tooltip);
    connect(folder_button, &QPushButton::clicked, this, [this, folder_field] { choose_output_folder(folder_field); });
    inner->addWidget(folder_button, 1, 0);

    auto* convert_button = new varo::button_dark(central);
    convert_button->setFixedSize(88, 54);
    convert_button->set_multicolor_icon(QStringLiteral(":/images/icon_convert.png"), -1, -1, hover_colour,
                                        normal_colour);
    convert_button->setToolTip(tr("Load Lightroom preset(s) and convert to Capture One."));
    connect(convert_button, &QPushButton::clicked, this, &MainWindow::on_button_convert_clicked);
    inner->addWidget(convert_button, 0, 2, 2, 2);
}

void MainWindow::setup_top_bar(QGridLayout* grid)
{
    auto* header = new QWidget(centralWidget());
    header->setObjectName(QStringLiteral("header"));
    header->setStyleSheet(QStringLiteral("#header{margin-top: %1px;background-image: "
                                         "url(:/images/head_small_dark_without_shadow.png);}")
                              .arg(4));
    header->setFixedHeight(42);
    grid->addWidget(header, 0, 0);

    auto* bar = new QHBoxLayout(header);
    bar->setContentsMargins(10, 4, 10, 0);
    bar->setSpacing(8);

    auto* settings_button =
        header_button(header, QStringLiteral(":/images/icon_settings.png"), tr("Show settings dialog"));
    connect(settings_button, &QPushButton::clicked, this, &MainWindow::show_settings_dialog);
    bar->addWidget(settings_button);

    auto* logo = new QLabel(header);
    logo->setFixedSize(354, 27);
    logo->setPixmap(QPixmap(QStringLiteral(":/images/logo_small.png")));
    bar->addWidget(logo);
    bar->addStretch(1);

    auto* about_button =
        header_button(header, QStringLiteral(":/images/icon_about.png"), tr("Show information about this program"));
    connect(about_button, &QPushButton::clicked, this, &MainWindow::show_about_dialog);
    bar->addWidget(about_button);

    auto* help_button =
        header_button(header, QStringLiteral(":/images/icon_help.png"), tr("Display the help page for this program"));
    connect(help_button, &QPushButton::clicked, this, &MainWindow::show_help);
    bar->addWidget(help_button);
}

bool MainWindow::event(QEvent* e)
{
    return QMainWindow::event(e);
}

void MainWindow::choose_output_folder(QLineEdit* folder_field)
{
    QString const start =
        settings.value(settings_keys::output_dir.key, settings_keys::output_dir.default_value).toString()
        + QLatin1Char('/');
    QString const folder =
        QFileDialog::getExistingDirectory(this, tr("Select output folder"), start, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    settings.setValue(settings_keys::output_dir.key, folder);
    folder_field->setText(folder);
}

void MainWindow::show_settings_dialog()
{
    QString const before = varo::get_language_suffix(QStringLiteral("lang"));
    dialog_settings dialog(&settings, this);
    dialog.exec();
    varo::ask_for_application_restart_if_language_changed(this, before);
}

void MainWindow::show_about_dialog()
{
    varo::dialog_about about(this, true, QStringLiteral("#logobg{ background-image:url(:/images/Head.png);}"), 97, 10);
    about.default_3rdparty_libs(false, false, shipped_libraries());
    about.exec_centered_on(this);
}

void MainWindow::show_help()
{
    varo::open_help(QStringLiteral(":/help/index_%1.html"));
}
