#include "conversion/lightroom_importer.h"

#include "conversion/debug_text.h"

#include <QDebug>
#include <QFile>
#include <QXmlStreamReader>

namespace {

// Presets have no use for entities that grow the text they stand for; refusing
// those keeps a crafted document from expanding without bound.
constexpr int entity_expansion_limit = 0;

enum class path_result { found, missing, wrong };

struct path_step {
    QLatin1String name;
    char const* message;
};

path_step const description_path[] = {
    {QLatin1String("xmpmeta"), "No xmpmeta element found at start of document"},
    {QLatin1String("RDF"), "No RDF element found at start of document"},
    {QLatin1String("Description"), "No Description element found at start of document"},
};

struct text_child {
    QLatin1String name;
    char const* label;
    QString lightroom_importer::*member;
};

text_child const text_children[] = {
    {QLatin1String("Name"), "Name ->", &lightroom_importer::name},
    {QLatin1String("Description"), "Description ->", &lightroom_importer::description},
};

struct curve_child {
    QLatin1String name;
    char const* label;
    QVector<QPoint> lightroom_importer::*member;
};

curve_child const curve_children[] = {
    {QLatin1String("ToneCurvePV2012"), "ToneCurvePV2012 -> ", &lightroom_importer::tone_curve},
    {QLatin1String("ToneCurve"), "ToneCurvePV2012 -> ", &lightroom_importer::tone_curve},
    {QLatin1String("ToneCurvePV2012Red"), "ToneCurvePV2012Red -> ", &lightroom_importer::tone_curve_red},
    {QLatin1String("ToneCurvePV2012Green"), "ToneCurvePV2012Green -> ", &lightroom_importer::tone_curve_green},
    {QLatin1String("ToneCurvePV2012Blue"), "ToneCurvePV2012Blue -> ", &lightroom_importer::tone_curve_blue},
};

path_result enter_element(QXmlStreamReader& reader, path_step const& step)
{
    if (!reader.readNextStartElement())
        return path_result::missing;
    if (reader.name() != step.name) {
        qCritical("%s", step.message);
        return path_result::wrong;
    }
    return path_result::found;
}

path_result enter_description(QXmlStreamReader& reader)
{
    for (path_step const& step : description_path) {
        path_result const result = enter_element(reader, step);
        if (result != path_result::found)
            return result;
    }
    return path_result::found;
}

// The text of the current element with that of nested elements, as
// readElementText(IncludeChildElements) gives it, but without recursion: a
// deeply nested item must not exhaust the stack.
QString element_text(QXmlStreamReader& reader)
{
    QString text;
    int depth = 1;
    while (depth > 0) {
        switch (reader.readNext()) {
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            text += reader.text();
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Invalid:
            return text;
        default:
            break;
        }
    }
    return text;
}

void read_first_item(QXmlStreamReader& reader, QString& text)
{
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("li") && text.isEmpty())
            text = element_text(reader);
        else
            reader.skipCurrentElement();
    }
}

QPoint curve_point(QString const& item)
{
    int const first = item.indexOf(QLatin1Char(','));
    if (first < 0)
        return QPoint(item.toInt(), 0);
    int const second = item.indexOf(QLatin1Char(','), first + 1);
    int const y_length = second < 0 ? -1 : second - first - 1;
    return QPoint(item.left(first).toInt(), item.mid(first + 1, y_length).toInt());
}

void read_points(QXmlStreamReader& reader, QVector<QPoint>& points)
{
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("li"))
            points.append(curve_point(element_text(reader)));
        else
            reader.skipCurrentElement();
    }
}

// Writes the line `qDebug() << key << "->" << value` writes, in a buffer
// that every attribute of a preset reuses.
void log_attribute(QString& line, QMessageLogContext const& context, QString const& key, QString const& value)
{
    line.resize(0);
    conversion::append_debug_quoted(line, key);
    line += QLatin1String(" -> ");
    conversion::append_debug_quoted(line, value);
    qt_message_output(QtDebugMsg, context, line);
}

void read_attributes(lightroom_importer& importer, QXmlStreamReader const& reader)
{
    QMessageLogContext const context = KESTOVA_LOG_CONTEXT;
    bool const logged = conversion::log_enabled(QtDebugMsg);
    QString line;
    // Reserved, so that resizing to nothing keeps the buffer.
    line.reserve(256);
    for (QXmlStreamAttribute const& attribute : reader.attributes()) {
        QString const key = attribute.name().toString();
        QString const value = attribute.value().toString();
        importer.settings.insert(key, value);
        if (logged)
            log_attribute(line, context, key, value);
    }
}

bool read_text_child(lightroom_importer& importer, QXmlStreamReader& reader)
{
    for (text_child const& child : text_children) {
        if (reader.name() == child.name) {
            importer.*child.member = importer.get_xmp_text(reader);
            qCDebug(conversion::default_log) << child.label << importer.*child.member;
            return true;
        }
    }
    return false;
}

bool read_curve_child(lightroom_importer& importer, QXmlStreamReader& reader)
{
    for (curve_child const& child : curve_children) {
        if (reader.name() == child.name) {
            importer.*child.member = importer.get_curve(reader);
            qCDebug(conversion::default_log) << child.label << importer.*child.member;
            return true;
        }
    }
    return false;
}

void read_children(lightroom_importer& importer, QXmlStreamReader& reader)
{
    while (reader.readNextStartElement()) {
        if (read_text_child(importer, reader) || read_curve_child(importer, reader))
            continue;
        qCDebug(conversion::default_log) << "Skipping" << reader.name().toString();
        reader.skipCurrentElement();
    }
}

}

void lightroom_importer::read_xmp(QString const& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader reader(&file);
    reader.setEntityExpansionLimit(entity_expansion_limit);
    path_result const start = enter_description(reader);
    if (start == path_result::wrong)
        return;
    if (start == path_result::found) {
        read_attributes(*this, reader);
        read_children(*this, reader);
    }
    if (reader.hasError())
        qWarning() << int(reader.error()) << reader.errorString();
}

QString lightroom_importer::get_xmp_text(QXmlStreamReader& reader)
{
    QString text;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Alt"))
            read_first_item(reader, text);
        else
            reader.skipCurrentElement();
    }
    return text;
}

QVector<QPoint> lightroom_importer::get_curve(QXmlStreamReader& reader)
{
    QVector<QPoint> points;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Seq"))
            read_points(reader, points);
        else
            reader.skipCurrentElement();
    }
    return points;
}
