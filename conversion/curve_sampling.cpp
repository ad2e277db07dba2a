#include "conversion/curve_sampling.h"

#include <algorithm>
#include <vector>

namespace conversion {

bool is_spline_curve(QVector<QPoint> const& curve)
{
    if (curve.size() < 2)
        return false;
    for (int i = 0; i + 1 < curve.size(); ++i) {
        if (curve[i].x() >= curve[i + 1].x())
            return false;
    }
    return true;
}

rozar::cSpline curve_spline(QVector<QPoint> const& curve)
{
    std::vector<double> x;
    std::vector<double> y;
    x.reserve(std::size_t(curve.size()));
    y.reserve(std::size_t(curve.size()));
    for (QPoint const& point : curve) {
        x.push_back(point.x());
        y.push_back(point.y());
    }
    return rozar::cSpline(x, y);
}

double limit_level(double value)
{
    return std::max(std::min(value, 255.0), 0.0);
}

QVector<QPoint> raster_curve(QVector<QPoint> const& curve)
{
    QVector<QPoint> result;
    if (curve.isEmpty())
        return result;
    rozar::cSpline const spline = curve_spline(curve);
    for (int k = 0; k <= 8; ++k) {
        float const X = float(k) * 0.125f * 255.0f;
        double const y = limit_level(spline.getY(double(X)));
        result.append(QPoint(int(X), int(y)));
    }
    return result;
}

}
