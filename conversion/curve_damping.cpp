#include "conversion/curve_damping.h"

#include <limits>

namespace conversion {

namespace {

// Malformed preset points can lie far outside 0..255; the result must still
// fit an int.
int saturating_int(float value)
{
    constexpr float int_limit = 2147483648.0f;
    if (value >= int_limit)
        return std::numeric_limits<int>::max();
    if (value <= -int_limit)
        return std::numeric_limits<int>::min();
    return int(value);
}

}

QVector<QPoint> damp_curve_shadows(QVector<QPoint> const& curve)
{
    QVector<QPoint> damped = curve;
    for (QPoint& point : damped) {
        if (point.x() >= 85)
            continue;
        float const x = float(point.x());
        float const y = float(point.y());
        point.setY(saturating_int(y + (y - x) * (1.0f + x / -84.0f) * -0.5f));
    }
    return damped;
}

}
