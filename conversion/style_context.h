#pragma once

#include "conversion/lightroom_importer.h"

#include <QMap>
#include <QString>

class costyle_writer;
struct lut3d;

namespace conversion {

using style_map = QMap<QString, QString>;

// What the stages of one create_costyle call share: the preset (read only),
// the style map they all write into, and what earlier stages decided.
struct style_context {
    lightroom_importer const& importer;
    QMap<QString, QString> const& settings;
    style_map& style;
    costyle_writer const& writer;
    QString colorspace;
    lut3d const* lut = nullptr;
    bool grayscale = false;
    bool legacy = false;
    float vibrance = 0;
    bool corrections = false;
};

}
