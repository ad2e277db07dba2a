#include "application_test_main.h"
#include "dialog_settings.h"
#include "main_window.h"
#include "window_buttons.h"

#include "modal_script.h"
#include "qstring_printer.h"
#include "settings_sandbox.h"

#include "varo/button_dark.h"
#include "varo/clickable_label.h"
#include "varo/combobox.h"
#include "varo/dialog_about.h"
#include "varo/lineedit.h"

#include <QDesktopServices>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QUrl>

#include <gtest/gtest.h>

#include <zip.h>

namespace {

// Takes the URLs the help button would open in the browser.
class url_catcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(QUrl const& url) { urls.append(url); }
};

QString const folder_tooltip = QStringLiteral("Select the folder where the converted Lightroom presets will be saved.");

class main_window_test : public ::testing::Test {
protected:
    void SetUp() override
    {
        sandbox.set(QStringLiteral("output_dir"), output.path());
        window.reset(new MainWindow(nullptr));
        window->show();
    }

    varo::button_dark* button(QString const& tooltip) const { return button_with_tooltip(*window, tooltip); }

    void click(QString const& tooltip, modal_script& script) { click_answered(*window, tooltip, script); }

    settings_sandbox sandbox;
    QTemporaryDir output;
    std::unique_ptr<MainWindow> window;
};

TEST_F(main_window_test, has_the_buttons_of_the_window_and_the_header)
{
    struct {
        char const* tooltip;
        QSize size;
        char const* parent;
    } const buttons[] = {
        {"Show settings dialog", {27, 26}, "header"},
        {"Show information about this program", {27, 26}, "header"},
        {"Display the help page for this program", {27, 26}, "header"},
        {"Select the folder where the converted Lightroom presets will be saved.", {23, 22}, "central"},
        {"Load Lightroom preset(s) and convert to Capture One.", {88, 54}, "central"},
    };
    EXPECT_EQ(window->findChildren<varo::button_dark*>().size(), 5);
    for (auto const& expected : buttons) {
        varo::button_dark* found = button(QString::fromLatin1(expected.tooltip));
        ASSERT_NE(found, nullptr) << expected.tooltip;
        EXPECT_EQ(found->minimumSize(), expected.size) << expected.tooltip;
        EXPECT_EQ(found->maximumSize(), expected.size) << expected.tooltip;
        EXPECT_EQ(found->parentWidget()->objectName(), QLatin1String(expected.parent)) << expected.tooltip;
        bool const header = QLatin1String(expected.parent) == QLatin1String("header");
        EXPECT_EQ(found->styleSheet().contains(QStringLiteral(":/gui/button/header_normal.png")), header)
            << expected.tooltip;
    }
}

TEST_F(main_window_test, shows_the_output_folder)
{
    auto* field = window->findChild<varo::lineedit*>();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), output.path());
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_EQ(field->minimumWidth(), 290);
    EXPECT_EQ(field->minimumHeight(), 22);
    EXPECT_EQ(field->maximumHeight(), 22);
    EXPECT_EQ(field->toolTip(), folder_tooltip);

    QLabel* label = nullptr;
    for (auto* candidate : window->findChildren<QLabel*>())
        if (candidate->text() == QStringLiteral("Output Folder"))
            label = candidate;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->toolTip(), folder_tooltip);
    EXPECT_EQ(label->font().family(), QStringLiteral("FreeSans"));
    EXPECT_EQ(label->font().weight(), 75);
    EXPECT_EQ(label->font().pointSize(), 14);
    EXPECT_EQ(QFontInfo(label->font()).family(), QStringLiteral("FreeSans"));
    EXPECT_EQ(QFontInfo(label->font()).styleName(), QStringLiteral("Bold"));
    label->ensurePolished();
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(198, 213, 210));
}

TEST_F(main_window_test, lays_out_the_header_and_the_folder_row)
{
    EXPECT_EQ(window->styleSheet(),
              QStringLiteral("MainWindow{background-color:rgb(47,47,47);} #central QLabel{color:rgb(198,213,210);}"
                             "QToolTip{color:rgb(198,213,210);border:1px solid rgb(99,99,99);background-image:none;"
                             "background-color:rgb(47,47,47);}"));
    auto* header = window->findChild<QWidget*>(QStringLiteral("header"));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->styleSheet(), QStringLiteral("#header{margin-top: 4px;background-image: "
                                                   "url(:/images/head_small_dark_without_shadow.png);}"));
    EXPECT_EQ(header->minimumHeight(), 42);
    EXPECT_EQ(header->maximumHeight(), 42);
    EXPECT_EQ(header->layout()->contentsMargins(), QMargins(10, 4, 10, 0));
    EXPECT_EQ(header->layout()->spacing(), 8);

    auto* outer = qobject_cast<QGridLayout*>(window->centralWidget()->layout());
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(outer->itemAtPosition(0, 0)->widget(), header);
    auto* inner = qobject_cast<QGridLayout*>(outer->itemAtPosition(1, 0)->layout());
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->contentsMargins(), QMargins(10, 20, 10, 20));
    EXPECT_EQ(inner->verticalSpacing(), 5);
    EXPECT_EQ(inner->horizontalSpacing(), 6);
    EXPECT_EQ(inner->itemAtPosition(1, 0)->widget(), button(folder_tooltip));
    EXPECT_EQ(inner->itemAtPosition(1, 1)->widget(), window->findChild<varo::lineedit*>());
    int row = 0, column = 0, rows = 0, columns = 0;
    QWidget* const convert_button = button(QStringLiteral("Load Lightroom preset(s) and convert to Capture One."));
    inner->getItemPosition(inner->indexOf(convert_button), &row, &column, &rows, &columns);
    EXPECT_EQ(QRect(column, row, columns, rows), QRect(2, 0, 2, 2));

    QLabel* logo = nullptr;
    for (auto* candidate : header->findChildren<QLabel*>())
        logo = candidate;
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->size(), QSize(354, 27));
    EXPECT_EQ(logo->pixmap(Qt::ReturnByValue).size(), QSize(354, 27));
}

TEST_F(main_window_test, resizes_in_width_only)
{
    EXPECT_EQ(window->minimumHeight(), window->sizeHint().height());
    EXPECT_EQ(window->maximumHeight(), window->sizeHint().height());
    EXPECT_EQ(window->maximumWidth(), QWIDGETSIZE_MAX);
}

TEST_F(main_window_test, uses_the_embedded_fonts_and_images)
{
    EXPECT_TRUE(QFontDatabase().families().contains(QStringLiteral("FreeSans")));
    EXPECT_EQ(QApplication::font().family(), QStringLiteral("FreeSans"));
    EXPECT_EQ(QApplication::font().pointSize(), 12);
    for (char const* name :
         {"icon_open.png", "icon_convert.png", "icon_settings.png", "icon_about.png", "icon_help.png", "logo_small.png",
          "logo.png", "Head.png", "head_small_dark_without_shadow.png", "FreeSans.ttf", "FreeSansBold.ttf"})
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/images/") + QLatin1String(name))) << name;
    EXPECT_EQ(QImage(QStringLiteral(":/images/logo_small.png")).size(), QSize(354, 27));
    EXPECT_EQ(QImage(QStringLiteral(":/images/Head.png")).height(), 97);
}

TEST_F(main_window_test, the_folder_button_changes_the_output_folder)
{
    QTemporaryDir chosen;
    modal_script cancelled;
    cancelled.cancel();
    click(folder_tooltip, cancelled);
    EXPECT_EQ(window->findChild<varo::lineedit*>()->text(), output.path());
    EXPECT_EQ(QSettings().value(QStringLiteral("output_dir")).toString(), output.path());

    modal_script chosen_script;
    chosen_script.save_as(chosen.path());
    click(folder_tooltip, chosen_script);
    ASSERT_EQ(chosen_script.seen().size(), 1);
    EXPECT_EQ(chosen_script.seen()[0].title, QStringLiteral("Select output folder"));
    EXPECT_EQ(chosen_script.seen()[0].folder, output.path());
    EXPECT_EQ(window->findChild<varo::lineedit*>()->text(), chosen.path());
    EXPECT_EQ(QSettings().value(QStringLiteral("output_dir")).toString(), chosen.path());
}

TEST_F(main_window_test, a_language_change_asks_for_a_restart_after_the_dialog)
{
    sandbox.set(QStringLiteral("lang"), QStringLiteral("en"));
    bool restart_asked_while_open = false;
    modal_script script;
    script
        .then([](QWidget* window) {
            auto* dialog = qobject_cast<dialog_settings*>(window);
            ASSERT_NE(dialog, nullptr);
            dialog->findChildren<varo::combobox*>()[2]->setCurrentIndex(1);
            dialog->grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/dialog_settings_open.png"));
            QMetaObject::invokeMethod(
                dialog, [dialog] { dialog->reject(); }, Qt::QueuedConnection);
        })
        .press(QMessageBox::Yes, [&restart_asked_while_open](QMessageBox* box) {
            restart_asked_while_open = qobject_cast<dialog_settings*>(box->parentWidget()) != nullptr;
        });
    click(QStringLiteral("Show settings dialog"), script);
    ASSERT_EQ(script.seen().size(), 1);
    EXPECT_EQ(script.seen()[0].title, QStringLiteral("Application language changed"));
    EXPECT_FALSE(restart_asked_while_open);
    EXPECT_EQ(QSettings().value(QStringLiteral("lang")).toString(), QStringLiteral("de"));
}

TEST_F(main_window_test, an_unchanged_language_asks_nothing)
{
    modal_script script;
    script.then([](QWidget* window) {
        auto* dialog = qobject_cast<dialog_settings*>(window);
        ASSERT_NE(dialog, nullptr);
        // Light text on the dark boxes, though the window's own text colour stays with the window.
        for (auto* box : dialog->findChildren<varo::combobox*>())
            EXPECT_EQ(box->palette().color(QPalette::Text), QColor(198, 213, 210));
        dialog->findChildren<varo::combobox*>()[0]->setCurrentIndex(2);
        QMetaObject::invokeMethod(
            dialog, [dialog] { dialog->reject(); }, Qt::QueuedConnection);
    });
    click(QStringLiteral("Show settings dialog"), script);
    EXPECT_EQ(QSettings().value(QStringLiteral("format")).toString(), QStringLiteral("stylepack_category"));
}

TEST_F(main_window_test, the_about_button_shows_the_about_box)
{
    modal_script script;
    script.then([](QWidget* window) {
        EXPECT_NE(qobject_cast<varo::dialog_about*>(window), nullptr);
        window->grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/dialog_about.png"));
        QMetaObject::invokeMethod(
            window, [window] { qobject_cast<QDialog*>(window)->reject(); }, Qt::QueuedConnection);
    });
    click(QStringLiteral("Show information about this program"), script);
}

// Qt draws its own dialogs and menus light; the window's light text must not
// reach them.
TEST_F(main_window_test, qts_own_dialogs_keep_dark_text)
{
    QStringList light;
    int labels = 0;
    modal_script script;
    script.then([&](QWidget* window) {
        QColor const background = window->palette().color(QPalette::Window);
        for (auto* label : window->findChildren<QLabel*>()) {
            ++labels;
            if (label->palette().color(QPalette::WindowText).lightness() > background.lightness() - 100)
                light.append(label->text());
        }
        QMetaObject::invokeMethod(
            window, [window] { qobject_cast<QDialog*>(window)->reject(); }, Qt::QueuedConnection);
    });
    click(folder_tooltip, script);
    EXPECT_GT(labels, 0);
    EXPECT_EQ(light, QStringList());

    std::unique_ptr<QMenu> const menu(window->findChild<varo::lineedit*>()->createStandardContextMenu());
    menu->ensurePolished();
    EXPECT_LT(menu->palette().color(QPalette::WindowText).lightness(),
              menu->palette().color(QPalette::Window).lightness() - 100);
}

TEST_F(main_window_test, the_library_dialog_lists_what_the_program_ships_with_its_licence)
{
    QStringList names;
    QStringList licences;
    modal_script script;
    script
        .then([](QWidget* window) {
            auto* link = window->findChild<varo::clickable_label*>();
            ASSERT_NE(link, nullptr);
            QMetaObject::invokeMethod(
                link, [link] { emit link->clicked(); }, Qt::QueuedConnection);
        })
        .then([&](QWidget* window) {
            for (auto* label : window->findChildren<QLabel*>())
                if (label->styleSheet() == QStringLiteral("font-size:14px; font-weight:bold;"))
                    names.append(label->text());
            for (auto* licence : window->findChildren<QTextEdit*>())
                licences.append(licence->toPlainText());
            QMetaObject::invokeMethod(
                window, [window] { qobject_cast<QDialog*>(window)->reject(); }, Qt::QueuedConnection);
        })
        .then([](QWidget* window) {
            QMetaObject::invokeMethod(
                window, [window] { qobject_cast<QDialog*>(window)->reject(); }, Qt::QueuedConnection);
        });
    click(QStringLiteral("Show information about this program"), script);

    EXPECT_EQ(names, QStringList({QStringLiteral("Qt ") + QString::fromLatin1(qVersion()),
                                  QStringLiteral("libzip ") + QString::fromLatin1(zip_libzip_version()),
                                  QStringLiteral("zlib"), QStringLiteral("GNU FreeFont")}));
    ASSERT_EQ(licences.size(), 3);
    EXPECT_TRUE(licences[0].contains(QStringLiteral("Dieter Baron and Thomas Klausner")));
    EXPECT_TRUE(licences[0].contains(QStringLiteral("2. Redistributions in binary form must reproduce")));
    EXPECT_TRUE(licences[1].contains(QStringLiteral("Jean-loup Gailly and Mark Adler")));
    EXPECT_TRUE(licences[1].contains(QStringLiteral("This notice may not be removed or altered")));
    EXPECT_TRUE(licences[2].contains(QStringLiteral("As a special exception, if you create a document")));
    EXPECT_TRUE(licences[2].contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));
    EXPECT_TRUE(licences[2].contains(QStringLiteral("Version 3, 29 June 2007")));
}

TEST_F(main_window_test, the_help_button_opens_the_help_page)
{
    sandbox.set(QStringLiteral("lang"), QStringLiteral("en"));
    url_catcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    modal_script script;
    click(QStringLiteral("Display the help page for this program"), script);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_TRUE(catcher.urls[0].toString().endsWith(QStringLiteral("/kestova_help_en.html")))
        << catcher.urls[0].toString().toStdString();
}

TEST_F(main_window_test, renders)
{
    window->resize(560, window->height());
    QString const path = QCoreApplication::applicationDirPath() + QStringLiteral("/main_window.png");
    EXPECT_TRUE(window->grab().save(path));
}

}

int main(int argc, char** argv)
{
    return run_application_tests(argc, argv);
}

#include "test_main_window.moc"
