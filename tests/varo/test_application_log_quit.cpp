#include "varo/application.h"
#include "varo/application_log.h"
#include "varo/message_handler.h"
#include "varo/timed_line.h"

#include "child_run.h"

#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// A child run of this executable is a whole program: the real application
// type, the log window shown, a real quit, and the end of main.
const char* const child_mode = "VARO_TEST_QUIT_WITH_LOG_WINDOW";

int run_program_that_quits(int argc, char** argv, const QByteArray& window_state)
{
    varo::application<QWidget> app(argc, argv);
    varo::application_log::init(&app);
    app.window = new QWidget;
    app.window->setAttribute(Qt::WA_DeleteOnClose);
    app.window->show();
    if (window_state != "never shown")
        varo::application_log::instance()->open_log_window();
    QTimer::singleShot(50, [window_state] {
        if (window_state == "hidden again")
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->windowTitle() == QStringLiteral("Application Log"))
                    top->hide();
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

// Stands in for the console: slow, so that some thread is nearly always in
// the middle of a write when the log goes, and safe to write from any thread.
class slow_console : public std::streambuf {
public:
    QStringList lines() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return QString::fromStdString(written).split('\n');
    }

protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        std::this_thread::sleep_for(std::chrono::microseconds(100));
        std::lock_guard<std::mutex> lock(mutex);
        written.append(text, std::size_t(count));
        return count;
    }
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            xsputn(reinterpret_cast<const char*>(&c), 1);
        return traits_type::not_eof(c);
    }

private:
    mutable std::mutex mutex;
    std::string written;
};

const int workers = 4;
const int lines_before_quit = 50;
const int lines_after_quit = 50;

// Worker 3 writes to std::cout itself, one output operation per line; the
// others log through the handler, worker 2 as critical messages.
void log_line(int worker, int line)
{
    if (worker == 3)
        std::cout << "worker 3 line " + std::to_string(line) + "\n" << std::flush;
    else if (worker == 2)
        qCritical("worker 2 line %d", line);
    else
        qInfo("worker %d line %d", worker, line);
}

// Every line of a worker whole, and all lines of the console's workers there
// and in order; Qt's own lines come between them.
bool check_console(const char* name, const slow_console& console, const QString& prefix, QVector<int> of_workers,
                   const std::array<std::atomic<int>, workers>& written)
{
    const QRegularExpression whole("^" + prefix + "worker (\\d) line (\\d+)$");
    std::array<int, workers> next{};
    bool good = true;
    const QStringList lines = console.lines();
    for (int n = 0; n + 1 < lines.size(); ++n) {
        if (!lines[n].contains("worker"))
            continue;
        const QRegularExpressionMatch match = whole.match(lines[n]);
        const int worker = match.hasMatch() ? match.captured(1).toInt() : -1;
        if (!of_workers.contains(worker) || match.captured(2).toInt() != next[worker]++) {
            std::fprintf(stderr, "%s: unexpected line '%s'\n", name, qUtf8Printable(lines[n]));
            good = false;
        }
    }
    for (int worker : of_workers)
        if (next[worker] != written[worker]) {
            std::fprintf(stderr, "%s: %d of the %d lines of worker %d\n", name, next[worker], written[worker].load(),
                         worker);
            good = false;
        }
    return good && lines.back().isEmpty();
}

int run_program_that_quits_while_threads_log(int argc, char** argv)
{
    slow_console out;
    slow_console err;
    std::streambuf* const real_out = std::cout.rdbuf(&out);
    std::streambuf* const real_err = std::cerr.rdbuf(&err);
    varo::set_message_pattern(QLatin1String(varo::timed_message_pattern));
    varo::install_qt_message_handler(true, false);
    std::array<std::atomic<int>, workers> written{};
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
    int result = 0;
    {
        varo::application<QWidget> app(argc, argv);
        varo::application_log::init(&app);
        app.window = new QWidget;
        app.window->setAttribute(Qt::WA_DeleteOnClose);
        app.window->show();
        varo::application_log::instance()->open_log_window();
        QTextEdit* view = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowTitle() == QStringLiteral("Application Log"))
                view = top->findChild<QTextEdit*>();
        for (int worker = 0; worker < workers; ++worker)
            threads.emplace_back([worker, &written, &stop] {
                for (int line = 0; !stop; ++line) {
                    log_line(worker, line);
                    written[worker] = line + 1;
                }
            });
        const auto all_wrote = [&written](int count) {
            for (const std::atomic<int>& lines : written)
                if (lines < count)
                    return false;
            return true;
        };
        // Quits once the window has shown some of the lines.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (all_wrote(lines_before_quit) && view && view->toPlainText().contains("worker"))
                QCoreApplication::quit();
        });
        poll.start(1);
        result = QApplication::exec();
        const int at_quit = std::max({written[0].load(), written[1].load(), written[2].load(), written[3].load()});
        while (!all_wrote(at_quit + lines_after_quit))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        stop = true;
        for (std::thread& thread : threads)
            thread.join();
    }
    if (std::cout.rdbuf() != &out || std::cerr.rdbuf() != &err) {
        std::fprintf(stderr, "the console did not get its buffers back\n");
        result = 1;
    }
    std::cout.rdbuf(real_out);
    std::cerr.rdbuf(real_err);
    const QString time = "\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d ";
    if (!check_console("stdout", out, "(?:Info: " + time + ")?", {0, 1, 3}, written)
        || !check_console("stderr", err, "Critical: " + time, {2}, written))
        result = 1;
    return result;
}

child_result run_child(const char* window_state)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(child_mode, window_state);
    return run_this_program(environment);
}

TEST(application_log_quit, quitting_with_the_log_window_in_any_state_ends_cleanly)
{
    for (const char* state : {"shown", "hidden again", "never shown"}) {
        const child_result result = run_child(state);
        ASSERT_TRUE(result.finished) << state;
        EXPECT_EQ(result.status, QProcess::NormalExit) << state << ": " << result.errors.toStdString();
        EXPECT_EQ(result.code, 0) << state << ": " << result.errors.toStdString();
    }
}

TEST(application_log_quit, threads_that_log_while_the_program_quits_reach_the_console_whole)
{
    const child_result result = run_child("threads logging");
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.status, QProcess::NormalExit) << result.errors.toStdString();
    EXPECT_EQ(result.code, 0) << result.errors.toStdString();
}

}

int main(int argc, char** argv)
{
    const QByteArray window_state = qgetenv(child_mode);
    if (window_state == "threads logging")
        return run_program_that_quits_while_threads_log(argc, argv);
    if (!window_state.isEmpty())
        return run_program_that_quits(argc, argv, window_state);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
