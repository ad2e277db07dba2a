#include "preset_content.h"

#include "conversion/lightroom_importer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QXmlStreamReader>

namespace {

// Entries that describe the preset file instead of setting anything: those
// around a template's settings table, and the RDF and preset attributes of
// an XMP preset.
bool describes_the_file(QString const& key)
{
    static QSet<QString> const keys{QStringLiteral("id"),
                                    QStringLiteral("internalName"),
                                    QStringLiteral("title"),
                                    QStringLiteral("type"),
                                    QStringLiteral("uuid"),
                                    QStringLiteral("version"),
                                    QStringLiteral("about"),
                                    QStringLiteral("PresetType"),
                                    QStringLiteral("Cluster"),
                                    QStringLiteral("UUID"),
                                    QStringLiteral("SupportsAmount"),
                                    QStringLiteral("SupportsColor"),
                                    QStringLiteral("SupportsMonochrome"),
                                    QStringLiteral("SupportsHighDynamicRange"),
                                    QStringLiteral("SupportsNormalDynamicRange"),
                                    QStringLiteral("SupportsSceneReferred"),
                                    QStringLiteral("SupportsOutputReferred"),
                                    QStringLiteral("RequiresRGBTables"),
                                    QStringLiteral("CameraModelRestriction"),
                                    QStringLiteral("Copyright"),
                                    QStringLiteral("ContactInfo"),
                                    QStringLiteral("Version"),
                                    QStringLiteral("HasSettings")};
    // Unindented dot-notation lines keep their whole path, such as s.id.
    QString const name = key.section(QLatin1Char('.'), -1);
    return name.isEmpty() || keys.contains(name);
}

bool holds_a_setting(lightroom_importer const& importer)
{
    if (!importer.tone_curve.isEmpty() || !importer.tone_curve_red.isEmpty() || !importer.tone_curve_green.isEmpty()
        || !importer.tone_curve_blue.isEmpty())
        return true;
    for (auto setting = importer.settings.constBegin(); setting != importer.settings.constEnd(); ++setting)
        if (!describes_the_file(setting.key()))
            return true;
    return false;
}

// The XML reader's complaint about the whole file; empty for well-formed XML.
QString xml_error(QString const& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader reader(&file);
    while (!reader.atEnd())
        reader.readNext();
    if (!reader.hasError())
        return QString();
    return QCoreApplication::translate("MainWindow", "XML error in line %1, column %2: %3")
        .arg(reader.lineNumber())
        .arg(reader.columnNumber())
        .arg(reader.errorString());
}

// Attribute names are compared without their namespace prefix, as the reader does.
bool has_a_name(QXmlStreamAttributes const& attributes)
{
    for (QXmlStreamAttribute const& attribute : attributes)
        if (attribute.name() == QLatin1String("Name") && !attribute.value().isEmpty())
            return true;
    return false;
}

bool is_named(QXmlStreamReader& reader)
{
    if (has_a_name(reader.attributes()))
        return true;
    return reader.name() == QLatin1String("Name")
           && !reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().isEmpty();
}

// A look carries its name on itself, on the description nested in it, or
// as an element of that description; the reader is at the look's start.
bool look_is_named(QXmlStreamReader& reader)
{
    if (has_a_name(reader.attributes()))
        return true;
    for (int depth = 1; depth > 0 && !reader.atEnd();) {
        QXmlStreamReader::TokenType const token = reader.readNext();
        if (token == QXmlStreamReader::EndElement)
            --depth;
        else if (token == QXmlStreamReader::StartElement) {
            if (is_named(reader))
                return true;
            if (!reader.isEndElement())
                ++depth;
        }
    }
    return false;
}

// Looks are children of an XMP preset's settings, which the reader passes
// by; a look without a name is the one presets carry to say "none".
bool holds_a_look(QFileInfo const& file)
{
    if (file.suffix().toLower() != QLatin1String("xmp"))
        return false;
    QFile content(file.filePath());
    if (!content.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader reader(&content);
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("Look")
            && look_is_named(reader))
            return true;
    return false;
}

}

QString missing_settings_reason(QFileInfo const& file, lightroom_importer const& importer)
{
    if (holds_a_setting(importer))
        return QString();
    if (file.size() == 0)
        return QCoreApplication::translate("MainWindow", "The file is empty.");
    QString const error = file.suffix().toLower() == QLatin1String("xmp") ? xml_error(file.filePath()) : QString();
    if (!error.isEmpty())
        return error;
    return QCoreApplication::translate("MainWindow", "The file holds no Lightroom settings.");
}

QString unconverted_reason(QFileInfo const& file)
{
    if (holds_a_look(file))
        return QCoreApplication::translate("MainWindow", "it holds a look, and looks and profiles are not converted");
    return QCoreApplication::translate("MainWindow", "it holds no setting that a Capture One style can carry");
}
