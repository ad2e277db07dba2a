#pragma once

#include <QString>

namespace conversion {

// Capture One's tint drifts with the temperature, differently per output
// colour space; this is the offset that keeps a preset's tint looking the same.
float get_tint_shift(QString const& colour_space, float temperature);

}
