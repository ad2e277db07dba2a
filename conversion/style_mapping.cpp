#include "conversion/style_mapping.h"

#include <algorithm>
#include <cmath>

QString setting_text(style_context const& context, QString const& preset_key, QString const& fallback)
{
    return context.settings.value(preset_key, fallback);
}

float parse_number(QString const& text, bool* ok)
{
    bool parsed_ok = false;
    float const parsed = text.toFloat(&parsed_ok);
    // toFloat takes "nan" and "inf"; such a value would end up in the style
    // as text no editor can read, so it counts as not a number.
    parsed_ok = parsed_ok && std::isfinite(parsed);
    if (ok)
        *ok = parsed_ok;
    return parsed_ok ? parsed : 0;
}

bool setting_number(style_context const& context, QString const& preset_key, float& value)
{
    auto found = context.settings.constFind(preset_key);
    if (found == context.settings.constEnd())
        return false;
    bool ok = false;
    float const parsed = parse_number(found.value(), &ok);
    if (ok)
        value = parsed;
    return ok;
}

QString number_text(float value)
{
    return QString::number(double(value), 'f', 6);
}

float clamp_value(float value, float lo, float hi)
{
    return std::max(std::min(value, hi), lo);
}

float linear_map(float x, float in_min, float in_max, float out_min, float out_max)
{
    x = clamp_value(x, in_min, in_max);
    if (x < 0)
        return (x - in_min) / (0 - in_min) * (0 - out_min) + out_min;
    return x / in_max * out_max;
}

void map_setting_linear(style_context& context, QString const& preset_key, QString const& style_key,
                        float in_min, float in_max, float out_min, float out_max)
{
    float value = 0;
    if (!setting_number(context, preset_key, value))
        return;
    context.style[style_key] = number_text(linear_map(value, in_min, in_max, out_min, out_max));
}

void copy_setting(style_context& context, QString const& preset_key, QString const& style_key)
{
    float value = 0;
    if (setting_number(context, preset_key, value))
        context.style[style_key] = number_text(value);
}
