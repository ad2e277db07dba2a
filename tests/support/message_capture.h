#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects the Qt log lines written while it lives, as "<level>: <text>".
class message_capture {
public:
    message_capture() : previous(qInstallMessageHandler(&message_capture::handle)) { lines().clear(); }
    ~message_capture() { qInstallMessageHandler(previous); }

    static QStringList& lines()
    {
        static QStringList collected;
        return collected;
    }

private:
    static void handle(QtMsgType type, QMessageLogContext const&, QString const& text)
    {
        static char const* const names[] = {"debug", "warning", "critical", "fatal", "info"};
        lines().append(QString::fromLatin1(names[type]) + QStringLiteral(": ") + text);
    }

    QtMessageHandler previous;
};
