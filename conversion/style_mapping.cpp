#include "conversion/style_mapping.h"

#include "conversion/slider_ranges.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace conversion {

namespace {

// Beyond this the scaled value no longer fits 64 bits; Qt formats those.
constexpr double exact_text_limit = 1e12;

// |value| * 10^6 rounded half away from zero, as QString::number(v, 'f', 6)
// rounds: a float has at most 24 significant bits, so with value = m * 2^e
// the product m * 10^6 * 2^e is worked out exactly in integers.
std::uint64_t scaled_millionths(double magnitude)
{
    int exponent = 0;
    double const fraction = std::frexp(magnitude, &exponent);
    std::uint64_t const significand = std::uint64_t(std::ldexp(fraction, 24));
    std::uint64_t const product = significand * 1000000u;
    int const shift = 24 - exponent;
    if (shift <= 0)
        return product << -shift;
    if (shift >= 64)
        return 0;
    std::uint64_t const unit = std::uint64_t(1) << shift;
    std::uint64_t const rest = product & (unit - 1);
    return (product >> shift) + (rest >= unit - rest ? 1 : 0);
}

}

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
        value = limit_to_slider(preset_key, parsed);
    return ok;
}

// Styles hold thousands of numbers; QString::number's general machinery was
// a noticeable share of a conversion, so the usual range is written here.
QString number_text(float value)
{
    double const number = value;
    if (!(std::fabs(number) < exact_text_limit))
        return QString::number(number, 'f', 6);
    std::uint64_t const millionths = scaled_millionths(std::fabs(number));
    char text[32];
    char* end = text + sizeof text;
    char* p = end;
    std::uint64_t rest = millionths;
    for (int digit = 0; digit < 6; ++digit) {
        *--p = char('0' + rest % 10);
        rest /= 10;
    }
    *--p = '.';
    do {
        *--p = char('0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    // Qt writes no sign for a negative zero, but one for a negative value
    // that rounds to zero.
    if (number < 0)
        *--p = '-';
    return QString::fromLatin1(p, int(end - p));
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

}

void map_setting_linear(conversion::style_context& context, QString const& preset_key, QString const& style_key,
                        float in_min, float in_max, float out_min, float out_max)
{
    float value = 0;
    if (!conversion::setting_number(context, preset_key, value))
        return;
    context.style[style_key] = conversion::number_text(conversion::linear_map(value, in_min, in_max, out_min, out_max));
}

void copy_setting(conversion::style_context& context, QString const& preset_key, QString const& style_key)
{
    float value = 0;
    if (conversion::setting_number(context, preset_key, value))
        context.style[style_key] = conversion::number_text(value);
}
