#include "conversion/detail_effects.h"

#include "conversion/style_mapping.h"

namespace conversion {

namespace {

unsigned int grain_type(float size)
{
    size = clamp_value(size, 0, 100);
    if (size <= 10)
        return 0;
    if (size <= 22)
        return 1;
    if (size <= 30)
        return 2;
    if (size <= 45)
        return 4;
    return 5;
}

}

void convert_detail(style_context& context)
{
    copy_setting(context, QStringLiteral("Sharpness"), QStringLiteral("UsmAmount"));
    copy_setting(context, QStringLiteral("SharpenRadius"), QStringLiteral("UsmRadius"));
    copy_setting(context, QStringLiteral("LuminanceSmoothing"), QStringLiteral("NrAmount"));
    copy_setting(context, QStringLiteral("ColorNoiseReduction"), QStringLiteral("CnrAmount"));
    copy_setting(context, QStringLiteral("LuminanceNoiseReductionDetail"), QStringLiteral("NoiseDetailsAmount"));
}

void convert_vignette(style_context& context)
{
    QString const amount_key = QStringLiteral("PostCropVignetteAmount");
    QString const roundness_key = QStringLiteral("PostCropVignetteRoundness");
    if (!context.settings.contains(amount_key) || !context.settings.contains(roundness_key))
        return;
    bool amount_ok = false;
    bool roundness_ok = false;
    float const amount = parse_number(context.settings.value(amount_key), &amount_ok);
    float const roundness = parse_number(context.settings.value(roundness_key), &roundness_ok);
    if (!amount_ok || !roundness_ok)
        return;
    QString const round_field = clamp_value(roundness, -100, 100) < 30 ? QStringLiteral("1") : QStringLiteral("0");
    context.style[QStringLiteral("Vignetting")] =
        QStringLiteral("%1|1|0|%2").arg(number_text(linear_map(amount, -60, 60, -4, 4)), round_field);
}

void convert_grain(style_context& context)
{
    QString const size_key = QStringLiteral("GrainSize");
    if (!context.settings.contains(QStringLiteral("GrainAmount")) || !context.settings.contains(size_key))
        return;
    bool size_ok = false;
    float const size = parse_number(context.settings.value(size_key), &size_ok);
    if (!size_ok)
        return;
    copy_setting(context, QStringLiteral("GrainAmount"), QStringLiteral("FilmGrainAmount"));
    context.style[QStringLiteral("FilmGrainDensity")] = QStringLiteral("0");
    context.style[QStringLiteral("FilmGrainGranularity")] = QStringLiteral("50");
    context.style[QStringLiteral("FilmGrainType")] = QString::number(grain_type(size), 10);
}

void convert_dehaze(style_context& context)
{
    auto found = context.settings.constFind(QStringLiteral("Dehaze"));
    if (found == context.settings.constEnd())
        return;
    float const dehaze = parse_number(found.value());
    if (dehaze < 0) {
        context.style[QStringLiteral("DehazeAmount")] = number_text(clamp_value(2 * dehaze, -100, 0));
        context.style[QStringLiteral("DehazeColor")] =
            QStringLiteral("0.211999446153641;0.391483038663864;0.239516332745552");
        return;
    }
    context.style[QStringLiteral("DehazeAmount")] = number_text(clamp_value(0.5f * dehaze, 0, 100));
}

}
