#pragma once

#include "conversion/lut3d.h"

#include <QPoint>
#include <QVector>

namespace conversion {

// Sends the channel curves, point by point side by side, through a colour
// table; the three curves must have the same number of points.
void convert_curves_with_lut(lut3d const& table, QVector<QPoint>& red, QVector<QPoint>& green, QVector<QPoint>& blue);

}
