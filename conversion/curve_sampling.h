#pragma once

#include "conversion/cspline.h"

#include <QPoint>
#include <QVector>

namespace conversion {

// The spline interpolates only curves of two or more points whose x values
// strictly ascend; every other curve must be kept away from it.
bool is_spline_curve(QVector<QPoint> const& curve);
rozar::cSpline curve_spline(QVector<QPoint> const& curve);
double limit_level(double value);
QVector<QPoint> raster_curve(QVector<QPoint> const& curve);

}
