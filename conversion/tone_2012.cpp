#include "conversion/tone_controls.h"

#include "conversion/colour_target.h"
#include "conversion/linear_piece.h"
#include "conversion/style_mapping.h"

#include <cmath>

namespace conversion {

namespace {

// The luminance curve's outputs at the inputs 0.2, 0.4, 0.6 and 0.8.
struct luminance_curve {
    float p1 = 0.2f;
    float p2 = 0.4f;
    float p3 = 0.6f;
    float p4 = 0.8f;
    bool requested = false;
};

QString level_text(QString const& pattern, float value)
{
    return pattern.arg(number_text(value));
}

void convert_shadows(style_context& context, luminance_curve& curve)
{
    QString const key = QStringLiteral("Shadows2012");
    if (context.settings.contains(key))
        curve.requested = true;
    float shadows = 0;
    if (!setting_number(context, key, shadows))
        return;
    if (shadows < 0)
        curve.p1 = linear_piece(clamp_value(shadows, -100, 100), -100, 0.15f, 0, 0.2f);
    else if (shadows > 0)
        context.style[QStringLiteral("ShadowRecovery")] = number_text(0.8f * shadows);
}

void convert_highlights(style_context& context, luminance_curve& curve)
{
    float highlights = 0;
    if (!setting_number(context, QStringLiteral("Highlights2012"), highlights))
        return;
    float const clamped = clamp_value(highlights, -100, 100);
    if (clamped < 0) {
        curve.p3 = linear_piece(clamped, -100, 0.53f, 0, 0.6f);
        curve.p4 = linear_piece(clamped, -100, 0.73f, 0, 0.8f);
    } else if (clamped >= 0) { // a NaN takes neither branch
        curve.p3 = linear_piece(clamped, 0, 0.6f, 100, 0.71f);
        curve.p4 = linear_piece(clamped, 0, 0.8f, 100, 0.93f);
    }
    if (!(highlights < 0))
        return;
    curve.p2 = curve.p2 + (linear_piece(clamp_value(highlights, -100, 0), -100, 0.35f, 0, 0.4f) - 0.4f);
    if (context.target.raw_files)
        context.style[QStringLiteral("HighlightRecovery")] = number_text(0.5f * std::fabs(highlights));
}

void convert_blacks(style_context& context, luminance_curve& curve)
{
    float blacks = 0;
    if (!setting_number(context, QStringLiteral("Blacks2012"), blacks))
        return;
    if (blacks < 0) {
        float const t = (clamp_value(blacks, -100, 0) + 100) / 100;
        context.style[QStringLiteral("Shadow")] =
            level_text(QStringLiteral("0.0000;0.0000;0.0000;%1"), t * -0.189092f + 0.189092f);
        context.style[QStringLiteral("TargetShadow")] = QStringLiteral("0.0000;0.0000;0.0000;0.0000");
    } else if (blacks >= 0) {
        float const t = clamp_value(blacks, 0, 100) / 100;
        curve.p1 = curve.p1 + ((t * (0.2f - 0.15f) + 0.2f) - 0.2f);
        curve.p2 = curve.p2 + ((t * (0.435f - 0.4f) + 0.4f) - 0.4f);
        curve.requested = true;
    }
}

float number_or_zero(style_context const& context, QString const& key)
{
    bool ok = false;
    float const value = parse_number(setting_text(context, key, QStringLiteral("0")), &ok);
    return ok ? value : 0;
}

void write_luminance_curve(style_context& context, luminance_curve const& curve)
{
    if (!curve.requested && !context.settings.contains(QStringLiteral("Highlights2012")))
        return;
    QString const key = QStringLiteral("GradationCurveY");
    if (number_or_zero(context, QStringLiteral("Highlights2012")) == 0
        && number_or_zero(context, QStringLiteral("Shadows2012")) == 0
        && number_or_zero(context, QStringLiteral("Blacks2012")) == 0) {
        context.style[key] = QStringLiteral("0.0000,0.0000;1.0000,1.0000");
        return;
    }
    context.style[key] =
        QStringLiteral("0.0000,0.0000;0.2000,%1;0.4000,%2;0.6000,%3;0.8000,%4;1.0000,1.0000")
            .arg(number_text(curve.p1), number_text(curve.p2), number_text(curve.p3), number_text(curve.p4));
}

void convert_whites(style_context& context)
{
    float whites = 0;
    if (!setting_number(context, QStringLiteral("Whites2012"), whites))
        return;
    if (whites < 0) {
        float const t = (clamp_value(whites, -100, 0) + 100) / 100;
        context.style[QStringLiteral("Midtone")] = level_text(QStringLiteral("0;0;0;%1"), -0.0365f * t + 0.0365f);
        context.style[QStringLiteral("Highlight")] = QStringLiteral("1;1;1;1");
        context.style[QStringLiteral("TargetHighlight")] =
            level_text(QStringLiteral("1;1;1;%1"), t * (1 - 0.8343f) + 0.8343f);
    } else if (whites >= 0) {
        float const k = context.target.raw_files ? -0.5f : 0.8435f - 1;
        context.style[QStringLiteral("Highlight")] =
            level_text(QStringLiteral("1;1;1;%1"), clamp_value(whites, 0, 100) / 100 * k + 1);
        context.style[QStringLiteral("TargetHighlight")] = QStringLiteral("1;1;1;1");
    }
}

}

// Lightroom's shadows, highlights, blacks and whites have no direct
// counterparts; they become recovery, levels and a luminance curve.
void convert_tone_2012(style_context& context)
{
    map_setting_linear(context, QStringLiteral("Exposure2012"), QStringLiteral("Exposure"), -3.5f, 3.5f, -4, 4);
    map_setting_linear(context, QStringLiteral("Contrast2012"), QStringLiteral("Contrast"), -100, 100, -50, 40);

    luminance_curve curve;
    convert_shadows(context, curve);
    convert_highlights(context, curve);
    convert_blacks(context, curve);
    write_luminance_curve(context, curve);
    convert_whites(context);
}

}
