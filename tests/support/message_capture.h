#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <utility>
#include <vector>

// Collects the Qt log lines written while it lives, in place of their
// usual output.
class message_capture {
public:
    message_capture();
    ~message_capture();

    message_capture(message_capture const&) = delete;
    message_capture& operator=(message_capture const&) = delete;

    // Every line so far as "<level>: <text>".
    static QStringList lines();
    // The texts of the lines of `type`, in their order.
    static QStringList texts(QtMsgType type);

private:
    using record = std::pair<QtMsgType, QString>;

    static std::vector<record>& records();
    static void handle(QtMsgType type, QMessageLogContext const&, QString const& text);

    QtMessageHandler previous;
};
