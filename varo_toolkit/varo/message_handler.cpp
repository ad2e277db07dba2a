#include "varo/message_handler.h"

#include "varo/console_mutex.h"
#include "varo/timed_line.h"

#include <QApplication>
#include <QMessageBox>
#include <QMutexLocker>
#include <QThread>

#include <atomic>
#include <iostream>
#include <string>

namespace varo {

std::function<void(QString)> log_message_hook;

namespace {

std::atomic<bool> with_context_flag{false};

// Set while Qt's pattern is the timed one, which the handler formats itself.
std::atomic<bool> timed_pattern_flag{false};

const char* type_prefix(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "Debug: ";
    case QtInfoMsg:
        return "Info: ";
    case QtWarningMsg:
        return "Warning: ";
    case QtCriticalMsg:
        return "Critical: ";
    case QtFatalMsg:
        return "Fatal: ";
    }
    return nullptr;
}

std::ostream& type_stream(QtMsgType type)
{
    return type == QtCriticalMsg || type == QtFatalMsg ? std::cerr : std::cout;
}

// The prefix, the line as formatted, the context suffix and the line end.
std::string console_line(const char* prefix, QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    std::string line;
    line.reserve(128);
    line += prefix;
    if (timed_pattern_flag)
        append_timed_line(line, context, message);
    else
        line += qFormatLogMessage(type, context, message).toUtf8().constData();
    if (with_context_flag && context.file && context.function) {
        line += " (";
        line += context.file;
        line += ':';
        line += std::to_string(context.line);
        line += ", ";
        line += context.function;
        line += ')';
    }
    line += '\n';
    return line;
}

// A box needs the widgets of a QApplication that is up (while it starts, as
// when no display can be reached, or while it shuts down there may be no
// platform to show one on) and may only be shown from its thread; elsewhere
// the console line has to do.
bool can_show_fatal_box()
{
    QCoreApplication* app = QCoreApplication::instance();
    return qobject_cast<QApplication*>(app) && !QCoreApplication::startingUp() && !QCoreApplication::closingDown()
           && QThread::currentThread() == app->thread();
}

void show_fatal_box(const QString& message)
{
    if (!can_show_fatal_box())
        return;
    QMessageBox::critical(nullptr, QObject::tr("Fatal error"),
                          QObject::tr("%1 encountered a fatal error and must be terminated:\n%2")
                              .arg(QGuiApplication::applicationDisplayName(), message),
                          QMessageBox::Ok, QMessageBox::NoButton);
}

}

void install_qt_message_handler(bool install, bool with_context)
{
    with_context_flag = with_context;
    qInstallMessageHandler(install ? qt_message_handler : nullptr);
}

void set_message_pattern(const QString& pattern)
{
    qSetMessagePattern(pattern);
    // Qt takes a pattern from the environment in place of this one.
    timed_pattern_flag = pattern == QLatin1String(timed_message_pattern)
                         && qEnvironmentVariableIsEmpty("QT_MESSAGE_PATTERN") && can_format_timed_lines();
}

void qt_message_handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("libpng warning: iCCP: known incorrect sRGB profile"))
        return;
    const char* prefix = type_prefix(type);
    if (!prefix)
        return;
    const std::string line = console_line(prefix, type, context, message);
    if (log_message_hook)
        log_message_hook(QLatin1String(prefix) + message + QLatin1Char('\n'));
    {
        QMutexLocker lock(console_mutex());
        // One output operation: a thread that writes to the stream itself
        // can't come between a line and its end.
        type_stream(type) << line << std::flush;
    }
    if (type == QtFatalMsg)
        show_fatal_box(message);
}

}
