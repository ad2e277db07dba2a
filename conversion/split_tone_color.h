#pragma once

class costyle_writer;

namespace conversion {

// Replaces an 8-bit colour by the fully saturated colour of its hue as the
// sRGB table renders it, and returns that hue in degrees.
void split_tone_color(costyle_writer const& writer, int& r, int& g, int& b, float& hue);

}
