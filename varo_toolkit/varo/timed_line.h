#pragma once

#include <QString>
#include <QtGlobal>

#include <string>

namespace varo {

// The message pattern of the program's console lines.
extern const char* const timed_message_pattern;

// Whether append_timed_line gives exactly what qFormatLogMessage gives for
// timed_message_pattern on this system: the time's digits are those of the
// system locale.
bool can_format_timed_lines();

// Appends, as UTF-8, the line qFormatLogMessage makes of a message with
// timed_message_pattern. Qt's formatting of the time was most of the cost of
// a console line; here the time of day is formatted once a second.
void append_timed_line(std::string& line, const QMessageLogContext& context, const QString& message);

}
