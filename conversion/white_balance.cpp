#include "conversion/white_balance.h"

#include "conversion/linear_piece.h"
#include "conversion/map_to_points.h"
#include "conversion/style_mapping.h"
#include "conversion/tint_shift.h"

namespace conversion {

namespace {

// Lightroom's relative temperature -100..100 in kelvin.
QVector<QPointF> const& incremental_temperatures()
{
    static QVector<QPointF> const points{{-100, 2000}, {-75, 2417}, {-50, 2985}, {-25, 3791}, {0, 5500},
                                         {25, 6957},   {50, 10526}, {75, 18605}, {100, 50000}};
    return points;
}

// A present but unparsable "Temperature" deliberately does not fall back to
// "IncrementalTemperature".
bool preset_temperature(style_context const& context, float& kelvin)
{
    if (context.settings.contains(QStringLiteral("Temperature")))
        return setting_number(context, QStringLiteral("Temperature"), kelvin);
    float relative = 0;
    if (!setting_number(context, QStringLiteral("IncrementalTemperature"), relative))
        return false;
    kelvin = map_to_points(incremental_temperatures(), clamp_value(relative, -100, 100));
    return true;
}

// Maps -range..range onto -50..50.
float tint_from(float value, float range)
{
    float const x = clamp_value(value, -range, range);
    if (x < 0)
        return linear_piece(x, -range, -50, 0, 0);
    return linear_piece(x, 0, 0, range, 50);
}

bool preset_tint(style_context const& context, float& tint)
{
    float value = 0;
    if (setting_number(context, QStringLiteral("Tint"), value)) {
        tint = tint_from(value, 150);
        return true;
    }
    if (setting_number(context, QStringLiteral("IncrementalTint"), value)) {
        tint = tint_from(value, 100);
        return true;
    }
    return false;
}

}

void convert_white_balance(style_context& context)
{
    QString const temperature_key = QStringLiteral("WhiteBalanceTemperature");
    QString const tint_key = QStringLiteral("WhiteBalanceTint");

    float kelvin = 0;
    float tint_shift = 0;
    bool const temperature_written = preset_temperature(context, kelvin);
    if (temperature_written) {
        tint_shift = get_tint_shift(context.target, kelvin);
        context.style[temperature_key] = QString::number(double(clamp_value(kelvin, 800, 14000)), 'g', 6);
    }

    float tint = 0;
    bool const tint_written = preset_tint(context, tint);
    if (tint_written)
        context.style[tint_key] = number_text(clamp_value(tint + tint_shift, -50, 50));

    if (tint_written && !temperature_written)
        context.style[temperature_key] = QStringLiteral("5000");
    if (temperature_written && !tint_written)
        context.style[tint_key] = QStringLiteral("0");
}

}
