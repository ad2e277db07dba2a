#include "conversion/style_xml.h"

#include <QXmlStreamWriter>

void write_style_xml(style_map const& style, QString& xml)
{
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("SL"));
    writer.writeAttribute(QStringLiteral("Engine"), QStringLiteral("900"));
    for (auto entry = style.constBegin(); entry != style.constEnd(); ++entry) {
        writer.writeEmptyElement(QStringLiteral("E"));
        writer.writeAttribute(QStringLiteral("K"), entry.key());
        writer.writeAttribute(QStringLiteral("V"), entry.value());
    }
    writer.writeEndElement();
    writer.writeEndDocument();
}
