#include "conversion/slider_ranges.h"

#include "conversion/style_mapping.h"

#include <QHash>

#include <array>
#include <utility>

namespace conversion {

namespace {

struct slider_range {
    char const* preset_key;
    float min;
    float max;
};

// Damaged presets hold values far outside these ranges (1e30), which would
// be written as such; every real preset stays inside them.
constexpr std::array<slider_range, 16> slider_ranges{{
    {"Clarity", -100, 100},
    {"Clarity2012", -100, 100},
    {"Saturation", -100, 100},
    {"Shadows2012", -100, 100},
    {"Highlights2012", -100, 100},
    {"GrayMixerGreen", -100, 100},
    {"GrayMixerAqua", -100, 100},
    {"SplitToningShadowSaturation", 0, 100},
    {"SplitToningHighlightSaturation", 0, 100},
    {"ParametricHighlights", -100, 100},
    {"Sharpness", 0, 150},
    {"SharpenRadius", 0.5f, 3},
    {"LuminanceSmoothing", 0, 100},
    {"ColorNoiseReduction", 0, 100},
    {"LuminanceNoiseReductionDetail", 0, 100},
    {"GrainAmount", 0, 100},
}};

QHash<QString, std::pair<float, float>> const& ranges_by_key()
{
    static QHash<QString, std::pair<float, float>> const ranges = [] {
        QHash<QString, std::pair<float, float>> by_key;
        for (slider_range const& range : slider_ranges)
            by_key.insert(QLatin1String(range.preset_key), {range.min, range.max});
        return by_key;
    }();
    return ranges;
}

}

float limit_to_slider(QString const& preset_key, float value)
{
    auto const found = ranges_by_key().constFind(preset_key);
    if (found == ranges_by_key().constEnd())
        return value;
    return clamp_value(value, found->first, found->second);
}

}
