#include "conversion/style_xml.h"

#include <QXmlStreamWriter>

#include <gtest/gtest.h>

using namespace conversion;

namespace {

// The text Qt's stream writer gives for the same map, the style's definition.
QString qt_text(style_map const& style)
{
    QString xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument(QStringLiteral("1.0"));
    writer.writeStartElement(QStringLiteral("SL"));
    writer.writeAttribute(QStringLiteral("Engine"), QStringLiteral("900"));
    for (auto entry = style.constBegin(); entry != style.constEnd(); ++entry) {
        writer.writeEmptyElement(QStringLiteral("E"));
        writer.writeAttribute(QStringLiteral("K"), entry.key());
        writer.writeAttribute(QStringLiteral("V"), entry.value());
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

QString written(style_map const& style)
{
    QString xml;
    write_style_xml(style, xml);
    return xml;
}

}

TEST(write_style_xml, every_character_is_written_as_qts_writer_writes_it)
{
    QString ascii;
    for (ushort code = 0; code < 0x80; ++code)
        ascii += QChar(code);
    style_map const style{
        {QStringLiteral("Ascii"), ascii},
        {QStringLiteral("Markup"), QStringLiteral("a<b>c&d\"e'f")},
        {QStringLiteral("Beyond"), QString::fromUtf8("\xc3\xa4\xe2\x82\xac\xef\xbf\xbd\xf0\x9f\x93\xb7")},
        {QStringLiteral("Nonchars"), QString(QChar(0xFFFE)) + QChar(0xFFFF) + QStringLiteral("x")},
        {QStringLiteral("Name"), QString()},
        {QStringLiteral("Ke<y&"), QStringLiteral("0.500000")},
    };
    EXPECT_EQ(written(style).toStdString(), qt_text(style).toStdString());
}

TEST(write_style_xml, an_empty_map_is_written_as_qts_writer_writes_it)
{
    EXPECT_EQ(written(style_map()).toStdString(), qt_text(style_map()).toStdString());
}
