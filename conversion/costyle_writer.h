#pragma once

#include "conversion/lut3d.h"

#include <QString>

class lightroom_importer;

// Turns one parsed preset into the text of one Capture One style.
class costyle_writer {
public:
    costyle_writer();

    bool create_costyle(lightroom_importer const& importer, QString& xml) const;
    void check_costyle(bool& white_balance, bool& unsupported, bool& calibration,
                       lightroom_importer const& importer) const;

    lut3d lut_adobe_rgb;
    lut3d lut_srgb;
    lut3d lut_wide_gamut;
    lut3d lut_identity;
};
