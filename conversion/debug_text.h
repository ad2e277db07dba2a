#pragma once

#include <QLoggingCategory>
#include <QMap>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QStringView>
#include <QtGlobal>

// The context qDebug()/qInfo() give a line at this place; hand it with the
// finished text to qt_message_output.
#define KESTOVA_LOG_CONTEXT QMessageLogContext(QT_MESSAGELOG_FILE, QT_MESSAGELOG_LINE, QT_MESSAGELOG_FUNC, "default")

namespace conversion {

// The default category, for qCDebug and qCInfo: unlike qDebug and qInfo they
// build no line at all for a level that is disabled.
QLoggingCategory const& default_log();

// Whether lines of this level of the default category are written; a line
// built by hand is built only then.
bool log_enabled(QtMsgType type);

// Appends a string in quotes with Qt's escapes, the text `qDebug() << text`
// writes. Built directly, because a QDebug stream costs a text stream per line
// and the readers log every entry of a preset.
void append_debug_quoted(QString& out, QStringView text);

// A number as QDebug writes a double.
void append_debug_number(QString& out, double value);

// "QPoint(x,y)" and "QPointF(x,y)", as QDebug writes points.
void append_debug_point(QString& out, QPoint const& point);
void append_debug_point(QString& out, QPointF const& point);

// "QMap((key, value)...)" with quoted strings, as QDebug writes a map.
QString debug_map(QMap<QString, QString> const& map);

}
