#include "varo/application.h"
#include "varo/message_handler.h"
#include "varo/timed_line.h"

#include "child_run.h"
#include "modal_script.h"
#include "recording_translator.h"
#include "stream_capture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QProxyStyle>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <thread>
#include <vector>

namespace {

const char* const kestova_pattern = "%{time hh:mm:ss.zzz} %{if-category}%{category}: %{endif}%{message}";
const char* const qt_default_pattern = "%{if-category}%{category}: %{endif}%{message}";

Q_LOGGING_CATEGORY(test_category, "kestova.test")

class handler_test : public ::testing::Test {
protected:
    handler_test()
    {
        varo::set_message_pattern(QStringLiteral("%{message}"));
        varo::install_qt_message_handler(true, false);
    }
    ~handler_test() override
    {
        varo::install_qt_message_handler(false, false);
        varo::log_message_hook = nullptr;
        varo::set_message_pattern(QLatin1String(qt_default_pattern));
    }

    stream_capture out{std::cout};
    stream_capture err{std::cerr};
};

TEST_F(handler_test, every_type_has_its_prefix_and_stream)
{
    const struct {
        void (*log)();
        const char* line;
        bool to_stderr;
    } cases[] = {
        {[] { qDebug("hello"); }, "Debug: hello\n", false},
        {[] { qInfo("hello"); }, "Info: hello\n", false},
        {[] { qWarning("hello"); }, "Warning: hello\n", false},
        {[] { qCritical("hello"); }, "Critical: hello\n", true},
    };
    for (const auto& c : cases) {
        stream_capture case_out(std::cout);
        stream_capture case_err(std::cerr);
        c.log();
        EXPECT_EQ(case_out.text(), c.to_stderr ? "" : c.line) << c.line;
        EXPECT_EQ(case_err.text(), c.to_stderr ? c.line : "") << c.line;
    }
}

TEST_F(handler_test, lines_take_the_message_pattern)
{
    qSetMessagePattern(QLatin1String(kestova_pattern));
    qInfo("plain");
    qCInfo(test_category, "sorted");
    const QString text = QString::fromStdString(out.text());
    const QRegularExpression expected(
        QStringLiteral("^Info: \\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d plain\n"
                       "Info: \\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d kestova\\.test: sorted\n$"));
    EXPECT_TRUE(expected.match(text).hasMatch()) << text.toStdString();
}

// The handler's own formatting of the timed pattern against Qt's: a line is
// compared when Qt gives the same text just before and just after it, that is
// when the clock's millisecond did not change meanwhile.
TEST_F(handler_test, timed_lines_are_the_lines_qt_formats)
{
    varo::set_message_pattern(QLatin1String(varo::timed_message_pattern));
    const struct {
        const char* category;
        QString message;
    } cases[] = {
        {"default", QStringLiteral("plain")},
        {nullptr, QStringLiteral("no category")},
        {"kestova.test", QStringLiteral("sorted")},
        {"default", QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                                      "e \xe2\x86\x92 \xf0\x9f\x93\xb7")},
        {"default", QString::fromUtf8("ab\0cd", 5)},
        {"default", QString()},
    };
    for (const auto& c : cases) {
        const QMessageLogContext context(nullptr, 0, nullptr, c.category);
        bool compared = false;
        for (int attempt = 0; attempt < 1000 && !compared; ++attempt) {
            stream_capture case_out(std::cout);
            const QByteArray before = qFormatLogMessage(QtInfoMsg, context, c.message).toUtf8();
            varo::qt_message_handler(QtInfoMsg, context, c.message);
            const QByteArray after = qFormatLogMessage(QtInfoMsg, context, c.message).toUtf8();
            if (before != after)
                continue;
            compared = true;
            EXPECT_EQ(case_out.text(), "Info: " + std::string(before.constData()) + "\n") << c.message.toStdString();
        }
        EXPECT_TRUE(compared) << c.message.toStdString();
    }
}

TEST_F(handler_test, a_pattern_set_after_the_timed_one_is_qts_again)
{
    varo::set_message_pattern(QLatin1String(varo::timed_message_pattern));
    varo::set_message_pattern(QStringLiteral("<%{message}>"));
    qInfo("again");
    EXPECT_EQ(out.text(), "Info: <again>\n");
}

// Qt neither tells of a new pattern nor can be asked for it, and formatting
// every line through Qt to find out would cost what the timed lines save.
TEST_F(handler_test, a_pattern_set_past_the_toolkit_does_not_end_the_timed_lines)
{
    varo::set_message_pattern(QLatin1String(varo::timed_message_pattern));
    qSetMessagePattern(QStringLiteral("<%{message}>"));
    qInfo("unseen");
    const QRegularExpression timed(QStringLiteral("^Info: \\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d unseen\n$"));
    EXPECT_TRUE(timed.match(QString::fromStdString(out.text())).hasMatch()) << out.text();
}

TEST_F(handler_test, only_the_exact_libpng_srgb_warning_is_dropped)
{
    int hook_calls = 0;
    varo::log_message_hook = [&hook_calls](QString) { ++hook_calls; };
    const struct {
        const char* message;
        bool written;
    } cases[] = {
        {"libpng warning: iCCP: known incorrect sRGB profile", false},
        {"libpng warning: iCCP: known incorrect SRGB profile", true},
        {"Libpng warning: iCCP: known incorrect sRGB profile", true},
        {"libpng warning: iCCP: known incorrect sRGB profile ", true},
        {"libpng warning: iCCP: known incorrect sRGB", true},
    };
    for (const auto& c : cases) {
        stream_capture case_out(std::cout);
        hook_calls = 0;
        qWarning("%s", c.message);
        EXPECT_EQ(case_out.text(), c.written ? std::string("Warning: ") + c.message + "\n" : "") << c.message;
        EXPECT_EQ(hook_calls, c.written ? 1 : 0) << c.message;
    }
}

TEST_F(handler_test, the_context_suffix_needs_the_flag_a_file_and_a_function)
{
    const struct {
        bool with_context;
        const char* file;
        const char* function;
        const char* line;
    } cases[] = {
        {true, "reader.cpp", "void read()", "Debug: text (reader.cpp:42, void read())\n"},
        {true, nullptr, "void read()", "Debug: text\n"},
        {true, "reader.cpp", nullptr, "Debug: text\n"},
        {false, "reader.cpp", "void read()", "Debug: text\n"},
    };
    for (const auto& c : cases) {
        stream_capture case_out(std::cout);
        varo::install_qt_message_handler(true, c.with_context);
        const QMessageLogContext context(c.file, 42, c.function, "default");
        varo::qt_message_handler(QtDebugMsg, context, QStringLiteral("text"));
        EXPECT_EQ(case_out.text(), c.line);
    }
}

TEST_F(handler_test, the_hook_gets_the_raw_message_and_the_console_the_formatted_line)
{
    qSetMessagePattern(QStringLiteral("[%{message}]"));
    QStringList hooked;
    varo::log_message_hook = [&hooked](QString line) { hooked << line; };
    qInfo("raw text");
    qCritical("bad");
    EXPECT_EQ(hooked, (QStringList{"Info: raw text\n", "Critical: bad\n"}));
    EXPECT_EQ(out.text(), "Info: [raw text]\n");
    EXPECT_EQ(err.text(), "Critical: [bad]\n");
}

TEST_F(handler_test, an_unknown_type_writes_nothing)
{
    int hook_calls = 0;
    varo::log_message_hook = [&hook_calls](QString) { ++hook_calls; };
    varo::qt_message_handler(QtMsgType(5), QMessageLogContext(), QStringLiteral("odd"));
    EXPECT_EQ(out.text(), "");
    EXPECT_EQ(err.text(), "");
    EXPECT_EQ(hook_calls, 0);
}

TEST_F(handler_test, a_line_ends_at_its_first_nul)
{
    varo::qt_message_handler(QtInfoMsg, QMessageLogContext(), QString::fromUtf8("ab\0cd", 5));
    EXPECT_EQ(out.text(), "Info: ab\n");
}

TEST_F(handler_test, uninstalling_gives_the_messages_back_to_qt)
{
    varo::install_qt_message_handler(false, false);
    qInfo("to qt");
    EXPECT_EQ(out.text(), "");
    EXPECT_EQ(err.text(), "");
}

TEST_F(handler_test, lines_of_concurrent_threads_are_never_interleaved)
{
    const struct {
        const char* pattern;
        const char* before_message;
    } cases[] = {
        {"%{message}", ""},
        {varo::timed_message_pattern, "\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d "},
    };
    for (const auto& c : cases) {
        varo::set_message_pattern(QLatin1String(c.pattern));
        stream_capture case_out(std::cout);
        const int threads = 8;
        const int lines = 200;
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t)
            workers.emplace_back([t] {
                for (int i = 0; i < lines; ++i)
                    qInfo("thread %d line %d of a message long enough to be split", t, i);
            });
        for (std::thread& worker : workers)
            worker.join();
        std::istringstream text(case_out.text());
        std::string line;
        int count = 0;
        const QRegularExpression whole(QStringLiteral("^Info: ") + c.before_message
                                       + QStringLiteral("thread \\d line \\d+ of a message long enough to be split$"));
        while (std::getline(text, line)) {
            ++count;
            EXPECT_TRUE(whole.match(QString::fromStdString(line)).hasMatch()) << c.pattern << ": " << line;
        }
        EXPECT_EQ(count, threads * lines) << c.pattern;
    }
}

void fatal_on_the_gui_thread()
{
    varo::install_qt_message_handler(true, false);
    qSetMessagePattern(QStringLiteral("%{message}"));
    modal_script script;
    script.answer_as<QMessageBox>([](QMessageBox& box) {
        std::fprintf(stderr, "box: %s | %s | %d\n", qUtf8Printable(box.windowTitle()), qUtf8Printable(box.text()),
                     int(box.standardButtons()));
        box.button(QMessageBox::Ok)->click();
    });
    script.run([] { qFatal("boom"); });
}

void fatal_on_a_worker_thread()
{
    varo::install_qt_message_handler(true, false);
    qSetMessagePattern(QStringLiteral("%{message}"));
    std::thread worker([] { qFatal("worker boom"); });
    worker.join();
}

TEST(handler_death_test, a_fatal_message_writes_its_line_then_shows_qts_critical_box)
{
    const std::string expected = "Fatal: boom\n.*box: Fatal error \\| Kestova encountered a fatal "
                                 "error and must be terminated:\nboom \\| "
                                 + std::to_string(int(QMessageBox::Ok));
    EXPECT_DEATH(fatal_on_the_gui_thread(), expected);
}

TEST(handler_death_test, the_fatal_box_is_translated_in_the_free_function_context)
{
    const auto translated_fatal = [] {
        recording_translator translator("QObject");
        fatal_on_the_gui_thread();
    };
    EXPECT_DEATH(translated_fatal(), "box: \\[Fatal error\\] \\| \\[Kestova encountered a fatal "
                                     "error and must be terminated:\nboom\\]");
}

TEST(handler_death_test, a_fatal_message_of_another_thread_shows_no_box)
{
    EXPECT_DEATH(fatal_on_a_worker_thread(), "Fatal: worker boom\n");
}

// A child run of this executable is the real application type meeting a
// fatal message where it can't show a box: while it starts without a
// display (as over ssh without X), or while it shuts down.
const char* const child_mode = "VARO_TEST_FATAL_WITHOUT_GUI";

// The application's style goes while the application shuts down.
class fatal_at_destruction : public QProxyStyle {
public:
    ~fatal_at_destruction() override { qFatal("shutting down"); }
};

int run_fatal_child(int argc, char** argv, const QByteArray& mode)
{
    varo::set_message_pattern(QStringLiteral("%{message}"));
    varo::install_qt_message_handler(true, false);
    varo::application<QWidget> app(argc, argv);
    if (mode == "quit")
        QApplication::setStyle(new fatal_at_destruction);
    return 0;
}

TEST(handler_without_gui, the_fatal_line_is_all_and_the_process_aborts)
{
    const struct {
        const char* mode;
        const char* platform;
        // Qt's message for a missing platform ends with a line feed of its own.
        const char* last_line;
    } cases[] = {
        {"start", nullptr,
         "\\nFatal: This application failed to start because no Qt platform plugin could be initialized\\.[^\\n]*\\n"
         "(\\nAvailable platform plugins are: [^\\n]*\\.\\n)?\\n\\z"},
        {"quit", "offscreen", "\\nFatal: shutting down\\n\\z"},
    };
    for (const auto& c : cases) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        if (c.platform)
            environment.insert("QT_QPA_PLATFORM", c.platform);
        environment.insert(child_mode, c.mode);
        const child_result child = run_this_program(environment);
        ASSERT_TRUE(child.finished) << c.mode;
        const std::string errors = child.errors.toStdString();
        EXPECT_EQ(child.status, QProcess::CrashExit) << c.mode << ": " << errors;
        EXPECT_EQ(child.code, SIGABRT) << c.mode << ": " << errors;
        EXPECT_TRUE(QRegularExpression(c.last_line).match("\n" + child.errors).hasMatch()) << c.mode << ": " << errors;
    }
}

}

int main(int argc, char** argv)
{
    const QByteArray mode = qgetenv(child_mode);
    if (!mode.isEmpty())
        return run_fatal_child(argc, argv, mode);
    QApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Kestova"));
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
