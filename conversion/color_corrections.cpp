#include "conversion/color_corrections.h"

#include "conversion/color_correction_templates.h"
#include "conversion/hsl_adjustment.h"
#include "conversion/style_mapping.h"

#include <array>

namespace conversion {

namespace {

struct colour_range {
    char const* name;
    float saturation_min;
    float saturation_max;
    float luminance_min;
    float luminance_max;
};

// Same order as the colour entries of the templates.
constexpr std::array<colour_range, 8> colour_ranges{{
    {"red", -60, 40, -5, 3},
    {"orange", -50, 22, -4.4f, 4},
    {"yellow", -80, 30, -3, 5},
    {"green", -66, 55, -5, 2.8f},
    {"aqua", -54, 65, -5.8f, 3.3f},
    {"blue", -59, 50, -5, 3.5f},
    {"purple", -100, 100, -7, 6.3f},
    {"magenta", -70, 60, -8, 4.6f},
}};
static_assert(colour_ranges.size() == std::tuple_size<decltype(color_correction_templates::colour_entries)>::value,
              "one range per colour entry");

constexpr float hue_min = -30;
constexpr float hue_max = 30;

struct hsl_values {
    float hue = 0;
    float saturation = 0;
    float luminance = 0;
};

QString colour_entry(QString const& entry_template, colour_range const& range, hsl_values const& values)
{
    float const hue = linear_map(values.hue, -100, 100, hue_min, hue_max);
    float const saturation = linear_map(values.saturation, -100, 100, range.saturation_min, range.saturation_max);
    float const luminance = linear_map(values.luminance, -100, 100, range.luminance_min, range.luminance_max);
    return entry_template.arg(number_text(hue), number_text(saturation), number_text(luminance));
}

QString color_corrections_value(style_context const& context)
{
    std::array<hsl_values, colour_ranges.size()> values;
    bool corrections = context.corrections;
    hsl_capture const capture{&context.importer, &corrections};
    for (std::size_t i = 0; i < colour_ranges.size(); ++i) {
        QString colour = QLatin1String(colour_ranges[i].name);
        hsl_adjustment(capture, colour, &values[i].hue, &values[i].saturation, &values[i].luminance);
    }

    auto const& templates = correction_templates();
    if (!corrections)
        return templates.closing_entry;

    QString text;
    if (context.vibrance != 0)
        text += templates.vibrance_block.arg(number_text(context.vibrance));
    for (std::size_t i = 0; i < colour_ranges.size(); ++i)
        text += colour_entry(templates.colour_entries[i], colour_ranges[i], values[i]);
    text += templates.closing_entry;
    return text;
}

}

void convert_vibrance(style_context& context)
{
    auto found = context.settings.constFind(QStringLiteral("Vibrance"));
    if (found == context.settings.constEnd())
        return;
    context.corrections = true;
    context.vibrance = linear_map(parse_number(found.value()), -100, 100, -80, 80);
}

void convert_color_corrections(style_context& context)
{
    context.style[QStringLiteral("ColorCorrections")] = color_corrections_value(context);
}

}
