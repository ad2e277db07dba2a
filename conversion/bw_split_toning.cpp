#include "conversion/bw_split_toning.h"

#include "conversion/hcl.h"
#include "conversion/map_to_points.h"
#include "conversion/split_tone_color.h"
#include "conversion/style_mapping.h"

#include <QPointF>
#include <QVector>

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace conversion {

namespace {

using multipliers = std::array<float, 3>;

struct toning_colour {
    int r = 0;
    int g = 0;
    int b = 0;
    float hue = 0;
};

struct split_toning_values {
    float shadow_hue = 0;
    float shadow_saturation = 0;
    float highlight_hue = 0;
    float highlight_saturation = 0;
    float balance = 0;
    float parametric_shadows = 0;
    float parametric_darks = 0;
    float parametric_lights = 0;
    float parametric_highlights = 0;
    bool present = false;
};

float number_or_zero(style_context const& context, char const* preset_key)
{
    float value = 0;
    setting_number(context, QLatin1String(preset_key), value);
    return value;
}

// A present key counts even when its text is no number.
void read_value(style_context const& context, char const* preset_key, float& value, bool& present)
{
    if (context.settings.contains(QLatin1String(preset_key)))
        present = true;
    setting_number(context, QLatin1String(preset_key), value);
}

split_toning_values read_split_toning(style_context const& context)
{
    split_toning_values values;
    bool& present = values.present;
    read_value(context, "SplitToningShadowHue", values.shadow_hue, present);
    read_value(context, "SplitToningShadowSaturation", values.shadow_saturation, present);
    read_value(context, "SplitToningHighlightHue", values.highlight_hue, present);
    read_value(context, "SplitToningHighlightSaturation", values.highlight_saturation, present);
    read_value(context, "SplitToningBalance", values.balance, present);
    read_value(context, "ParametricShadows", values.parametric_shadows, present);
    read_value(context, "ParametricDarks", values.parametric_darks, present);
    read_value(context, "ParametricLights", values.parametric_lights, present);
    read_value(context, "ParametricHighlights", values.parametric_highlights, present);
    return values;
}

// Truncates toward zero; a value beyond int's range saturates instead of
// being undefined, and NaN counts as 0.
int hue_thousandths(float degrees)
{
    float const scaled = degrees * 1000.0f;
    if (std::isnan(scaled))
        return 0;
    if (scaled >= 2147483648.0f)
        return std::numeric_limits<int>::max();
    if (scaled < -2147483648.0f)
        return std::numeric_limits<int>::min();
    return int(scaled);
}

toning_colour converted_toning_colour(costyle_writer const& writer, float hue)
{
    toning_colour colour;
    varo::hcl_to_rgb_8<int>(hue_thousandths(hue), 50000, 50000, colour.r, colour.g, colour.b);
    split_tone_color(writer, colour.r, colour.g, colour.b, colour.hue);
    return colour;
}

float mapped_balance(float balance)
{
    static QVector<QPointF> const table{{-100, -100}, {-68, -100}, {-23, -50}, {0, -25}, {40, 0}, {77, 25}, {100, 75}};
    return map_to_points(table, clamp_value(balance, -100, 100));
}

float tint_amount(int channel, float strength)
{
    return 0.3f * float(255 - channel) / 255.0f * strength;
}

multipliers tinted(toning_colour const& colour, float saturation, float divisor)
{
    float const strength = clamp_value(saturation, 0, 50) / 50.0f;
    return {1.0f - tint_amount(colour.r, strength) / divisor, 1.0f - tint_amount(colour.g, strength) / divisor,
            1.0f - tint_amount(colour.b, strength) / divisor};
}

multipliers blended(multipliers const& weighted_by_t, multipliers const& other, float t)
{
    multipliers result;
    for (std::size_t channel = 0; channel < result.size(); ++channel)
        result[channel] = t * weighted_by_t[channel] + (1.0f - t) * other[channel];
    return result;
}

// Darkens for negative values, brightens for positive ones.
float tone_factor(float value)
{
    if (value == 0)
        return 1;
    float const share = 1.0f - std::fabs(value) / 400.0f;
    return value < 0 ? share : 1.0f / share;
}

QString balance_text(multipliers const& channels, float factor)
{
    return QStringLiteral("%1;%2;%3")
        .arg(number_text(channels[0] * factor), number_text(channels[1] * factor), number_text(channels[2] * factor));
}

void write_bw_toning(style_context& context, split_toning_values const& values, toning_colour const& shadow,
                     toning_colour const& highlight)
{
    context.style[QStringLiteral("BwDarkHue")] = number_text(shadow.hue);
    context.style[QStringLiteral("BwDarkSaturation")] = number_text(values.shadow_saturation);
    context.style[QStringLiteral("BwLightHue")] = number_text(highlight.hue);
    context.style[QStringLiteral("BwLightSaturation")] = number_text(values.highlight_saturation * 0.4f);
}

void write_color_balance(style_context& context, split_toning_values const& values, multipliers const& shadows,
                         multipliers const& midtones, multipliers const& highlights)
{
    float const darks = values.parametric_darks;
    float const shadow_tone = clamp_value(values.parametric_shadows + clamp_value(darks, -100, 0), -100, 100);
    float const midtone_tone = clamp_value(clamp_value(darks, 0, 100) + values.parametric_lights, -100, 100);

    float const shadow_factor = shadow_tone > 0 ? 1 : tone_factor(shadow_tone);
    context.style[QStringLiteral("ColorBalanceShadow")] = balance_text(shadows, shadow_factor);
    context.style[QStringLiteral("ColorBalanceMidtone")] = balance_text(midtones, tone_factor(midtone_tone));
    context.style[QStringLiteral("ColorBalanceHighlight")] =
        balance_text(highlights, tone_factor(values.parametric_highlights));
}

}

void convert_bw_mixer(style_context& context)
{
    if (!context.grayscale)
        return;
    context.style[QStringLiteral("BwEnabled")] = QStringLiteral("1");

    auto const mixed = [&context](char const* preset_key) {
        return linear_map(number_or_zero(context, preset_key), -100, 100, -100, 100);
    };
    float const red = mixed("GrayMixerRed");
    float const orange = mixed("GrayMixerOrange") / 2;
    float const yellow = mixed("GrayMixerYellow");
    float const blue = mixed("GrayMixerBlue");
    float const purple = mixed("GrayMixerPurple") / 2;
    float const magenta = mixed("GrayMixerMagenta");

    auto const write_mix = [&context](char const* style_key, float value) {
        context.style[QLatin1String(style_key)] = number_text(clamp_value(value, -100, 100));
    };
    write_mix("BwRed", red + orange);
    write_mix("BwYellow", yellow + orange);
    write_mix("BwMagenta", magenta + purple);
    write_mix("BwBlue", blue + purple);
    context.style[QStringLiteral("BwGreen")] = number_text(number_or_zero(context, "GrayMixerGreen"));
    context.style[QStringLiteral("BwCyan")] = number_text(number_or_zero(context, "GrayMixerAqua"));
}

void convert_split_toning(style_context& context)
{
    split_toning_values const values = read_split_toning(context);
    toning_colour const shadow = converted_toning_colour(context.writer, values.shadow_hue);
    toning_colour const highlight = converted_toning_colour(context.writer, values.highlight_hue);
    float const balance = mapped_balance(values.balance);

    multipliers shadows{1, 1, 1};
    multipliers midtones{1, 1, 1};
    multipliers highlights{1, 1, 1};
    if (context.grayscale) {
        write_bw_toning(context, values, shadow, highlight);
    } else {
        shadows = tinted(shadow, values.shadow_saturation, 1);
        midtones = tinted(highlight, values.highlight_saturation, 1);
        highlights = tinted(highlight, values.highlight_saturation, 3);
        float const t = std::fabs(balance) / 100.0f;
        if (balance > 0)
            shadows = blended(midtones, shadows, t);
        else if (balance < 0)
            midtones = blended(shadows, midtones, t);
    }
    if (values.present)
        write_color_balance(context, values, shadows, midtones, highlights);
}

}
