#include "message_capture.h"

message_capture::message_capture() : previous(qInstallMessageHandler(&message_capture::handle))
{
    records().clear();
}

message_capture::~message_capture()
{
    qInstallMessageHandler(previous);
}

QStringList message_capture::lines()
{
    static char const* const names[] = {"debug", "warning", "critical", "fatal", "info"};
    QStringList result;
    for (record const& line : records())
        result.append(QString::fromLatin1(names[line.first]) + QStringLiteral(": ") + line.second);
    return result;
}

QStringList message_capture::texts(QtMsgType type)
{
    QStringList result;
    for (record const& line : records())
        if (line.first == type)
            result.append(line.second);
    return result;
}

std::vector<message_capture::record>& message_capture::records()
{
    static std::vector<record> collected;
    return collected;
}

void message_capture::handle(QtMsgType type, QMessageLogContext const&, QString const& text)
{
    records().emplace_back(type, text);
}
