#pragma once

namespace conversion {

struct colour_target;

// Capture One's tint drifts with the temperature, differently per output
// colour space; this is the offset that keeps a preset's tint looking the same.
float get_tint_shift(colour_target const& target, float temperature);

}
