#include "style_content.h"

#include "conversion/color_correction_templates.h"

#include <QXmlStreamReader>

namespace {

bool sets_something(QStringRef const& key, QStringRef const& value)
{
    if (key == QLatin1String("Name") || key == QLatin1String("UUID"))
        return false;
    return key != QLatin1String("ColorCorrections") || value != conversion::correction_templates().closing_entry;
}

}

bool style_carries_a_setting(QString const& xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != QLatin1String("E"))
            continue;
        QXmlStreamAttributes const attributes = reader.attributes();
        if (sets_something(attributes.value(QLatin1String("K")), attributes.value(QLatin1String("V"))))
            return true;
    }
    return false;
}
