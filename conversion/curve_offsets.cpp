#include "conversion/curve_offsets.h"

#include "conversion/curve_sampling.h"
#include "conversion/debug_text.h"

#include <QDebug>

#include <algorithm>
#include <array>

namespace conversion {

namespace {

// The three channel points at one index, changed together.
class channel_column {
public:
    channel_column(QVector<QPoint>& red, QVector<QPoint>& green, QVector<QPoint>& blue, int index)
        : points{&red[index], &green[index], &blue[index]}
    {
    }

    int lowest() const { return std::min({points[0]->y(), points[1]->y(), points[2]->y()}); }

    int highest() const { return std::max({points[0]->y(), points[1]->y(), points[2]->y()}); }

    void lower_by(int amount)
    {
        for (QPoint* point : points)
            point->ry() -= amount;
    }

private:
    std::array<QPoint*, 3> points;
};

void lift_below_black(QVector<QPoint>& red, QVector<QPoint>& green, QVector<QPoint>& blue, curve_offsets& shifts)
{
    int const n = shifts.offsets.size();
    for (int i = 0; i < n; ++i) {
        channel_column column(red, green, blue, i);
        if (column.lowest() >= 0)
            continue;
        int const m = column.lowest();
        column.lower_by(m);
        shifts.offsets[i] = m;
        if (i + 1 < n) {
            channel_column next(red, green, blue, i + 1);
            if (next.lowest() >= 0) {
                next.lower_by(m / 2);
                shifts.offsets[i + 1] = m / 2;
            }
        }
    }
}

void pull_above_white(QVector<QPoint>& red, QVector<QPoint>& green, QVector<QPoint>& blue, curve_offsets& shifts)
{
    for (int i = shifts.offsets.size() - 1; i >= 0; --i) {
        channel_column column(red, green, blue, i);
        if (column.highest() <= 255)
            continue;
        int const o = column.highest() - 255;
        column.lower_by(o);
        shifts.offsets[i] = o;
        if (i >= 1) {
            channel_column previous(red, green, blue, i - 1);
            if (previous.highest() <= 255) {
                previous.lower_by(o / 2);
                shifts.offsets[i - 1] = o / 2;
            }
        }
    }
}

}

curve_offsets correct_curve_range(QVector<QPoint>& red, QVector<QPoint>& green, QVector<QPoint>& blue)
{
    // Compensated channels share their x values, so they have equal lengths;
    // the shortest bounds the walk all the same.
    int const n = std::min({red.size(), green.size(), blue.size()});
    curve_offsets shifts;
    shifts.offsets.fill(0, n);
    for (int i = 0; i < n; ++i)
        shifts.positions.append(red[i].x());
    lift_below_black(red, green, blue, shifts);
    pull_above_white(red, green, blue, shifts);
    return shifts;
}

QVector<QPoint> shift_master_curve(QVector<QPoint> const& master, curve_offsets const& shifts)
{
    qCInfo(default_log) << "Rastering RGB Curve at" << shifts.positions;
    rozar::cSpline const spline = curve_spline(master);
    QVector<QPoint> shifted;
    for (double position : shifts.positions)
        shifted.append(QPoint(int(position), int(limit_level(spline.getY(position)))));
    qCInfo(default_log) << "Applying offsets" << shifts.offsets << "to curve" << shifted;
    for (int i = 0; i < shifted.size(); ++i) {
        int const offset = shifts.offsets[i];
        int const v = shifted[i].y() + offset;
        if (v < 0 || v > 255) {
            qWarning("Applying offset %d at QPoint(%d,%d) is resulting in out of range value %d.", offset,
                     shifted[i].x(), shifted[i].y(), v);
        }
        shifted[i].setY(std::max(std::min(v, 255), 0));
    }
    qCInfo(default_log) << shifted;
    return shifted;
}

}
