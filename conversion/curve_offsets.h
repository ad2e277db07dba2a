#pragma once

#include <QPoint>
#include <QVector>

namespace conversion {

// The shifts that bring the channel curves back into 0..255, kept to be
// moved into the master curve.
struct curve_offsets {
    QVector<int> offsets;
    QVector<double> positions;
};

curve_offsets correct_curve_range(QVector<QPoint>& red, QVector<QPoint>& green, QVector<QPoint>& blue);
QVector<QPoint> shift_master_curve(QVector<QPoint> const& master, curve_offsets const& shifts);

}
