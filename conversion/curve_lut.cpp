#include "conversion/curve_lut.h"

#include <algorithm>
#include <limits>

namespace conversion {

namespace {

// Extrapolated components can be far too large for an int, or not a number.
int table_level(float component)
{
    constexpr float int_limit = 2147483648.0f;
    float const level = component * 256.0f;
    if (!(level > 0.0f))
        return 0;
    if (level >= int_limit)
        return std::numeric_limits<int>::max();
    return int(level);
}

}

void convert_curves_with_lut(lut3d const& table, QVector<QPoint>& red, QVector<QPoint>& green, QVector<QPoint>& blue)
{
    int const n = std::min({red.size(), green.size(), blue.size()});
    for (int i = 0; i < n; ++i) {
        lut3d::entry const in = lut_lookup(table, red[i].x(), green[i].x(), blue[i].x());
        lut3d::entry const out = lut_lookup(table, red[i].y(), green[i].y(), blue[i].y());
        red[i] = QPoint(table_level(in[2]), table_level(out[2]));
        green[i] = QPoint(table_level(in[1]), table_level(out[1]));
        blue[i] = QPoint(table_level(in[0]), table_level(out[0]));
    }
}

}
