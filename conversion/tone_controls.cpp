#include "conversion/tone_controls.h"

#include "conversion/style_mapping.h"

namespace conversion {

void test_legacy(style_context& context)
{
    context.legacy = false;
    for (auto const* key :
         {"Brightness", "Clarity", "Contrast", "Exposure", "FillLight", "HighlightRecovery", "Shadows"}) {
        if (context.settings.contains(QLatin1String(key))) {
            context.legacy = true;
            return;
        }
    }
}

void convert_tone_2010(style_context& context)
{
    if (!context.legacy)
        return;
    // Lightroom's brightness is Capture One's exposure and the other way round.
    map_setting_linear(context, QStringLiteral("Brightness"), QStringLiteral("Exposure"), -150, 150, -3, 3);
    map_setting_linear(context, QStringLiteral("Contrast"), QStringLiteral("Contrast"), -100, 100, -50, 40);
    map_setting_linear(context, QStringLiteral("Exposure"), QStringLiteral("Brightness"), -2.5f, 1.75f, -50, 50);
    map_setting_linear(context, QStringLiteral("FillLight"), QStringLiteral("ShadowRecovery"), 0, 40, 0, 100);
    map_setting_linear(context, QStringLiteral("HighlightRecovery"), QStringLiteral("HighlightRecovery"), 0, 100, 0,
                       50);

    float shadows = 0;
    if (!setting_number(context, QStringLiteral("Shadows"), shadows))
        return;
    float const level = clamp_value(shadows, 0, 42) / 42 * 0.189092f;
    context.style[QStringLiteral("Shadow")] = QStringLiteral("0.0000;0.0000;0.0000;%1").arg(number_text(level));
    context.style[QStringLiteral("TargetShadow")] = QStringLiteral("0.0000;0.0000;0.0000;0.0000");
}

void convert_clarity(style_context& context)
{
    QString const key = context.legacy ? QStringLiteral("Clarity") : QStringLiteral("Clarity2012");
    float clarity = 0;
    if (!setting_number(context, key, clarity))
        return;
    context.style[QStringLiteral("Clarity")] = number_text(clarity);
    context.style[QStringLiteral("ClarityMethod")] = QStringLiteral("2");
    context.style[QStringLiteral("ClarityStructure")] = number_text(clarity / 3);
}

void convert_saturation(style_context& context)
{
    copy_setting(context, QStringLiteral("Saturation"), QStringLiteral("Saturation"));
}

}
