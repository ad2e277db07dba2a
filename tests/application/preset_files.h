#pragma once

#include "preset_by_suffix.h"
#include "shared_writer.h"

#include "conversion/costyle_writer.h"
#include "conversion/lightroom_importer.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <string>

// Small presets written by the tests, and the style text the engine makes of them.

// An XMP preset with exactly `attributes` on its settings and `children`
// beside its name.
inline QByteArray xmp_preset_with_only(QString const& name, QString const& attributes,
                                       QString const& children = QString())
{
    return QStringLiteral(
               "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
               " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
               "  <rdf:Description rdf:about=\"\" xmlns:crs=\"http://ns.adobe.com/camera-raw-settings/1.0/\"\n"
               "   %2>\n"
               "   <crs:Name><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></crs:Name>\n"
               "%3"
               "  </rdf:Description>\n"
               " </rdf:RDF>\n"
               "</x:xmpmeta>\n")
        .arg(name.toHtmlEscaped(), attributes, children)
        .toUtf8();
}

// An XMP preset with an exposure and a contrast, and `attributes` besides.
inline QByteArray xmp_preset(QString const& name, QString const& attributes)
{
    return xmp_preset_with_only(name,
                                QStringLiteral("crs:Exposure2012=\"+0.40\" crs:Contrast2012=\"+12\" ") + attributes);
}

inline QByteArray lua_preset(QString const& name)
{
    return QStringLiteral("s = {\n"
                          "\ttitle = \"%1\",\n"
                          "\ttype = \"Develop\",\n"
                          "\tvalue = {\n"
                          "\t\tsettings = {\n"
                          "\t\t\tExposure2012 = -0.25,\n"
                          "\t\t\tSaturation = 15,\n"
                          "\t\t},\n"
                          "\t},\n"
                          "\tversion = 0,\n"
                          "}\n")
        .arg(name)
        .toUtf8();
}

inline QByteArray broken_lua_preset()
{
    return QByteArrayLiteral("s = {\n\ttitle = \"Broken\"\n\ttype = \"Develop\",\n}\n");
}

inline bool write_file(QString const& path, QByteArray const& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

inline QByteArray read_file(QString const& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file's permission, set-ID and sticky bits, as `ls` and `chmod` write them.
inline std::string octal(mode_t mode)
{
    return QString::number(mode & 07777, 8).toStdString();
}

// Every entry of `folder`, hidden ones too, so a leftover temporary file shows.
inline QStringList every_entry(QString const& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The style's UUID is new on every conversion.
inline QByteArray masked(QByteArray text)
{
    static QRegularExpression const uuid(
        QStringLiteral("K=\"UUID\" V=\"[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\""));
    return QString::fromUtf8(text).replace(uuid, QStringLiteral("K=\"UUID\" V=\"masked\"")).toUtf8();
}

// The engine's text for the preset at `path`, UUID masked, in UTF-8.
inline QByteArray expected_style(QString const& path)
{
    lightroom_importer importer;
    read_preset_by_suffix(importer, path);
    QString xml;
    shared_writer().create_costyle(importer, xml);
    return masked(xml.toUtf8());
}
