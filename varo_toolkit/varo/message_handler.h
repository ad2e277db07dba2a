#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

namespace varo {

// Called with every console line's prefix, raw message and line feed before
// the line is written; empty unless someone sets it.
extern std::function<void(QString)> log_message_hook;

// Installs (or, with install false, removes) the toolkit's message handler;
// with_context appends the source location to every line that knows it.
void install_qt_message_handler(bool install, bool with_context);

// Sets Qt's message pattern. With the timed pattern (timed_line.h) the handler
// formats the lines itself until a pattern is set here again: Qt neither
// tells of a new pattern nor can be asked for it, and formatting every line
// through Qt to find out would cost what the handler saves. So a pattern set
// with qSetMessagePattern after the timed one is not seen; set it here.
void set_message_pattern(const QString& pattern);

void qt_message_handler(QtMsgType type, const QMessageLogContext& context, const QString& message);

}
