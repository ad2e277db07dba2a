#include "varo/language.h"

#include "modal_script.h"
#include "recording_translator.h"
#include "settings_sandbox.h"
#include "wait_until.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace {

// A child run of this executable answers get_language_suffix for the system
// language of its environment, which a process reads only once.
const char* const child_mode = "VARO_TEST_PRINT_LANGUAGE_SUFFIX";

QString suffix_on_a_system_of(const QString& locale, bool stored_empty)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(child_mode, stored_empty ? "empty" : "missing");
    for (const char* name : {"LANGUAGE", "LC_MESSAGES", "LC_NUMERIC"})
        environment.remove(name);
    environment.insert("LC_ALL", locale);
    environment.insert("LANG", locale);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return "child failed: " + QString::fromUtf8(child.readAllStandardError());
    return QString::fromUtf8(child.readAllStandardOutput());
}

// -1 once the application has been told to quit, 5 otherwise.
int probe_event_loop()
{
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&probe] { probe.exit(5); });
    return probe.exec();
}

class language_test : public ::testing::Test {
protected:
    ~language_test() override { QSettings().remove("lang"); }
};

TEST_F(language_test, a_stored_language_is_returned_unchanged)
{
    for (const char* stored : {"de", "en", "fr", "es", "xx"}) {
        QSettings().setValue("lang", stored);
        EXPECT_EQ(varo::get_language_suffix("lang"), stored);
    }
}

TEST_F(language_test, without_a_stored_language_the_supported_system_language_is_used)
{
    const struct {
        const char* locale;
        const char* suffix;
    } cases[] = {
        {"de_DE.UTF-8", "de"}, {"de_AT.UTF-8", "de"}, {"en_US.UTF-8", "en"}, {"en_GB.UTF-8", "en"},
        {"fr_FR.UTF-8", "en"}, {"ko_KR.UTF-8", "en"}, {"it_IT.UTF-8", "en"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(suffix_on_a_system_of(c.locale, false), c.suffix) << c.locale;
        EXPECT_EQ(suffix_on_a_system_of(c.locale, true), c.suffix) << c.locale << ", stored empty";
    }
}

TEST(language, the_supported_languages_are_german_then_english)
{
    EXPECT_EQ(varo::supported_languages, (QList<QLocale>{QLocale(QLocale::German), QLocale(QLocale::English)}));
}

TEST(language, the_language_map_knows_four_languages)
{
    const struct {
        QLocale::Language language;
        const char* value;
    } cases[] = {
        {QLocale::English, "en"}, {QLocale::French, "fr"}, {QLocale::German, "de"},
        {QLocale::Korean, "kr"},  {QLocale::Spanish, ""},  {QLocale::Italian, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(varo::get_lang_value_for_locale(QLocale(c.language)), c.value) << c.value;
    EXPECT_EQ(varo::get_lang_value_for_locale(QLocale(QLocale::German, QLocale::Austria)), "de");
}

TEST_F(language_test, an_unchanged_language_asks_nothing)
{
    QSettings().setValue("lang", "de");
    modal_script script;
    run_answered(script, [] {
        EXPECT_FALSE(varo::ask_for_application_restart_if_language_changed(nullptr, "de"));
        wait_until([] { return false; }, 50);
    });
}

TEST_F(language_test, continue_working_keeps_the_application_running)
{
    QSettings().setValue("lang", "de");
    QWidget parent;
    QWidget* box_parent = nullptr;
    modal_script script;
    script.answer_as<QMessageBox>([&box_parent](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Application language changed");
        EXPECT_EQ(box.text(), "The application language has been changed.\nThe application "
                              "needs to be restarted to use the new language.");
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "Continue working");
        EXPECT_EQ(box.button(QMessageBox::No)->text(), "Quit now");
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
        box_parent = box.parentWidget();
        box.button(QMessageBox::Yes)->click();
    });
    run_answered(script,
                 [&parent] { EXPECT_FALSE(varo::ask_for_application_restart_if_language_changed(&parent, "en")); });
    EXPECT_EQ(probe_event_loop(), 5) << "the application was not told to quit";
    EXPECT_EQ(box_parent, &parent);
}

TEST_F(language_test, the_question_is_translated_in_the_free_function_context)
{
    QSettings().setValue("lang", "de");
    recording_translator translator("QObject");
    modal_script script;
    script.press(QMessageBox::Yes);
    run_answered(script, [] { EXPECT_FALSE(varo::ask_for_application_restart_if_language_changed(nullptr, "en")); });
    ASSERT_EQ(script.seen().size(), 1);
    EXPECT_EQ(script.seen()[0].title, "[Application language changed]");
    for (const char* text : {"Application language changed", "Continue working", "Quit now",
                             "The application language has been changed.\nThe application needs to be restarted "
                             "to use the new language."})
        EXPECT_TRUE(translator.requests.contains(QString("QObject|") + text)) << text;
}

TEST_F(language_test, escape_or_closing_the_question_keeps_working)
{
    const struct {
        const char* name;
        std::function<void(QMessageBox&)> dismiss;
    } ways[] = {
        {"Escape",
         [](QMessageBox& box) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&box, &escape);
         }},
        {"close button", [](QMessageBox& box) { box.close(); }},
    };
    QSettings().setValue("lang", "de");
    for (const auto& way : ways) {
        bool still_open = false;
        modal_script script;
        script.answer_as<QMessageBox>([&](QMessageBox& box) {
            way.dismiss(box);
            still_open = box.isVisible();
            if (still_open)
                box.button(QMessageBox::Yes)->click();
        });
        run_answered(script, [&way] {
            EXPECT_FALSE(varo::ask_for_application_restart_if_language_changed(nullptr, "en")) << way.name;
        });
        EXPECT_FALSE(still_open) << way.name;
        EXPECT_EQ(probe_event_loop(), 5) << way.name << ": the application was not told to quit";
    }
}

TEST_F(language_test, quit_now_tells_the_application_to_quit)
{
    QSettings().setValue("lang", "de");
    modal_script script;
    script.press(QMessageBox::No);
    run_answered(script, [] { EXPECT_TRUE(varo::ask_for_application_restart_if_language_changed(nullptr, "en")); });
    EXPECT_EQ(probe_event_loop(), -1) << "a told-to-quit application runs no further loops";

    // Let the application's own loop take the quit, so later loops run again.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const settings_sandbox settings;
    const QByteArray mode = qgetenv(child_mode);
    if (!mode.isEmpty()) {
        if (mode == "empty")
            QSettings().setValue("lang", "");
        std::fputs(qUtf8Printable(varo::get_language_suffix("lang")), stdout);
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
