#include "conversion/hcl.h"

#include <algorithm>
#include <cstdint>

namespace varo {

namespace {

constexpr std::int64_t full_circle = 360000;
constexpr std::int64_t sextant_width = 60000;
constexpr std::int64_t full_scale = 100000;

// A sextant boundary plus the middle channel's signed share of the spread.
std::int64_t sextant_hue(std::int64_t base, std::int64_t distance, std::int64_t spread)
{
    return base + sextant_width * distance / spread;
}

std::int64_t hue_of(std::int64_t r, std::int64_t g, std::int64_t b)
{
    if (b <= r && r >= g) {
        if (g > b)
            return sextant_hue(0, g - b, r - b);
        if (r == g)
            return 0;
        return sextant_hue(full_circle, g - b, r - g);
    }
    if (b <= r)
        return sextant_hue(120000, b - r, g - b);
    if (b >= g) {
        if (r >= g)
            return sextant_hue(240000, r - g, b - g);
        return sextant_hue(240000, r - g, b - r);
    }
    return sextant_hue(120000, b - r, g - r);
}

std::int64_t wrap_hue(std::int64_t hue)
{
    if (hue < 0)
        hue += (-hue / full_circle) * full_circle + full_circle;
    return hue % full_circle;
}

int to_8_bit(std::int64_t value)
{
    return int(std::min<std::int64_t>(value * 256 / full_scale, 255));
}

}

void rgb_to_hcl(unsigned short r, unsigned short g, unsigned short b, int& hue, int& chroma, int& lightness)
{
    std::int64_t const largest = std::max({r, g, b});
    std::int64_t const smallest = std::min({r, g, b});
    std::int64_t const h = hue_of(r, g, b);
    hue = int(h >= full_circle ? 0 : h);
    chroma = int((largest - smallest) * full_scale / 65535);
    lightness = int((largest + smallest) * full_scale / 131070);
}

template <typename T>
void hcl_to_rgb_8(int hue, int chroma, int lightness, T& r, T& g, T& b)
{
    std::int64_t const h = wrap_hue(hue);
    std::int64_t const l = std::clamp<std::int64_t>(lightness, 0, full_scale);
    std::int64_t c = std::clamp<std::int64_t>(chroma, 0, full_scale);
    std::int64_t const excess = l > 50000 ? l - 50000 : 50000 - l;
    if (c + 2 * excess > full_scale)
        c = full_scale - 2 * excess;

    std::int64_t const half = c / 2;
    std::int64_t const high_value = l + half;
    std::int64_t const low_value = l - half;
    std::int64_t const position = h % sextant_width;
    std::int64_t const middle_value =
        (h / sextant_width) % 2 == 0 ? (low_value * (sextant_width - position) + high_value * position) / sextant_width
                                     : (high_value * (sextant_width - position) + low_value * position) / sextant_width;

    T const high = T(to_8_bit(high_value));
    T const low = T(to_8_bit(low_value));
    T const middle = T(to_8_bit(middle_value));
    auto const assign = [&r, &g, &b](T red, T green, T blue) {
        r = red;
        g = green;
        b = blue;
    };
    if (h <= 60000)
        assign(high, middle, low);
    else if (h <= 120000)
        assign(middle, high, low);
    else if (h <= 180000)
        assign(low, high, middle);
    else if (h <= 240000)
        assign(low, middle, high);
    else if (h <= 300000)
        assign(middle, low, high);
    else
        assign(high, low, middle);
}

template void hcl_to_rgb_8<int>(int, int, int, int&, int&, int&);
template void hcl_to_rgb_8<unsigned char>(int, int, int, unsigned char&, unsigned char&, unsigned char&);

}
