#pragma once

#include "conversion/lightroom_importer.h"

#include <QMap>
#include <QString>

class costyle_writer;

namespace conversion {

struct colour_target;

using style_map = QMap<QString, QString>;

// What the stages of one create_costyle call share: the preset (read only),
// the style map they all write into, and what earlier stages decided.
struct style_context {
    style_context(lightroom_importer const& importer, style_map& style, costyle_writer const& writer,
                  colour_target const& target, bool grayscale)
        : importer(importer),
          settings(importer.settings),
          style(style),
          writer(writer),
          target(target),
          grayscale(grayscale)
    {
    }

    lightroom_importer const& importer;
    QMap<QString, QString> const& settings;
    style_map& style;
    costyle_writer const& writer;
    colour_target const& target;
    bool const grayscale;
    bool legacy = false;
    float vibrance = 0;
    bool corrections = false;
};

}
