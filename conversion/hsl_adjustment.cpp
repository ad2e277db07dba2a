#include "conversion/hsl_adjustment.h"

#include "conversion/style_mapping.h"

namespace conversion {

namespace {

float read_adjustment(hsl_capture const& capture, QString const& key)
{
    auto const& settings = capture.importer->settings;
    auto found = settings.constFind(key);
    if (found == settings.constEnd())
        return 0;
    bool ok = false;
    float const value = parse_number(found.value(), &ok);
    if (!ok)
        return 0;
    *capture.corrections = true;
    return value;
}

}

void hsl_adjustment(hsl_capture const& capture, QString& colour, float* hue, float* saturation, float* luminance)
{
    if (!colour.isEmpty())
        colour[0] = colour[0].toUpper();
    *hue = read_adjustment(capture, QStringLiteral("HueAdjustment") + colour);
    *saturation = read_adjustment(capture, QStringLiteral("SaturationAdjustment") + colour);
    *luminance = read_adjustment(capture, QStringLiteral("LuminanceAdjustment") + colour);
}

}
