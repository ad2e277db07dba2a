#include "varo/application.h"
#include "varo/application_log.h"

#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

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

struct child_result {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString errors;
};

child_result run_child(const char* window_state)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(child_mode, window_state);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    child_result result;
    result.finished = child.waitForFinished(60000);
    result.status = child.exitStatus();
    result.code = child.exitCode();
    result.errors = QString::fromUtf8(child.readAllStandardError());
    return result;
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

}

int main(int argc, char** argv)
{
    const QByteArray window_state = qgetenv(child_mode);
    if (!window_state.isEmpty())
        return run_program_that_quits(argc, argv, window_state);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
