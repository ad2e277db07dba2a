#include "conversion/curve_text.h"

#include "conversion/style_mapping.h"

#include <QDebug>

namespace conversion {

namespace {

bool is_level(int value)
{
    return value >= 0 && value <= 255;
}

QString unit_text(int level)
{
    return number_text(clamp_value(float(level) / 255.0f, 0, 1));
}

}

void curve_to_string(style_map& style, QString const& key, QVector<QPoint> const& curve)
{
    if (curve.isEmpty())
        return;
    QString text;
    for (QPoint const& point : curve) {
        if (!is_level(point.x()) || !is_level(point.y()))
            qWarning() << key << "point" << point << "is out of range and will be clamped!";
        text += unit_text(point.x());
        text += QLatin1Char(',');
        text += unit_text(point.y());
        text += QLatin1Char(';');
    }
    text.chop(1);
    style[key] = text;
}

}
