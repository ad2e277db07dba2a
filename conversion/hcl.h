#pragma once

// Hexcone hue, chroma and lightness in fixed point: hue in thousandths of a
// degree (0 to 359999), chroma and lightness in thousandths of a percent
// (0 to 100000).
namespace varo {

void rgb_to_hcl(unsigned short r, unsigned short g, unsigned short b, int& hue, int& chroma, int& lightness);

// Instantiated for int and unsigned char.
template <typename T>
void hcl_to_rgb_8(int hue, int chroma, int lightness, T& r, T& g, T& b);

}
