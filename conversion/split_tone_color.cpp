#include "conversion/split_tone_color.h"

#include "conversion/costyle_writer.h"
#include "conversion/hcl.h"

#include <algorithm>

namespace conversion {

namespace {

// The tables' values stay below 1, so levels fall in 0..255; the upper bound
// only keeps a broken table from overflowing the 16-bit channel.
unsigned short to_8_bit_level(float component)
{
    return static_cast<unsigned short>(std::clamp(component * 256.0f, 0.0f, 65535.0f));
}

}

void split_tone_color(costyle_writer const& writer, int& r, int& g, int& b, float& hue)
{
    lut3d::entry const converted = lut_lookup(writer.lut_srgb, r, g, b);
    int hue_thousandths = 0;
    int chroma = 0;
    int lightness = 0;
    varo::rgb_to_hcl(to_8_bit_level(converted[2]), to_8_bit_level(converted[1]), to_8_bit_level(converted[0]),
                     hue_thousandths, chroma, lightness);
    hue = float(hue_thousandths) / 1000.0f;
    varo::hcl_to_rgb_8<int>(hue_thousandths, 100000, 50000, r, g, b);
}

}
