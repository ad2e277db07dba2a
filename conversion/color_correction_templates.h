#pragma once

#include <QString>

#include <array>

namespace conversion {

// The constant entries of "ColorCorrections"; colour entries in the order
// red, orange, yellow, green, aqua, blue, purple, magenta.
struct color_correction_templates {
    QString vibrance_block;
    std::array<QString, 8> colour_entries;
    QString closing_entry;
};

// Built on first use, shared by every conversion of the process.
color_correction_templates const& correction_templates();

}
