#pragma once

#include <QPointF>
#include <QString>
#include <QVector>

class costyle_writer;
struct lut3d;

namespace conversion {

// What the "colorspace" setting means for one conversion, worked out once
// from its text so that no stage compares the text again.
struct colour_target {
    QString setting;                     // the text as read, for messages
    lut3d const& table;                  // converts the channel curves
    bool converts_curves;                // false: curves stay as the preset has them
    bool raw_files;                      // the style is meant for raw files
    QVector<QPointF> const& tint_shifts; // kelvin to tint offset; empty: no offset
    bool known;                          // the text is one of the settings' values
    char const* log_line;                // names the choice; only for a known text
};

// An unknown text converts through the identity table and gets no tint offset.
colour_target choose_colour_target(costyle_writer const& writer, QString const& setting);

}
