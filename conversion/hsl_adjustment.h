#pragma once

#include "conversion/lightroom_importer.h"

#include <QString>

namespace conversion {

// What hsl_adjustment reads from and reports to: the preset, and the flag
// that some colour-correction input was found.
struct hsl_capture {
    lightroom_importer const* importer;
    bool* corrections;
};

// Reads the hue, saturation and luminance adjustments of one colour (a
// lower-case name, capitalised in place); 0 for absent or non-numeric values.
void hsl_adjustment(hsl_capture const& capture, QString& colour, float* hue, float* saturation, float* luminance);

}
