#pragma once

#include <QMap>
#include <QPoint>
#include <QVector>

namespace conversion {

// Output level of the master curve -> the ascending input levels giving it.
using inverse_master_map = QMap<int, QVector<int>>;

inverse_master_map build_inverse_master_map(QVector<QPoint> const& master);
QVector<QPoint> compensate_with_rgb_curve(QVector<QPoint> const& channel, QVector<QPoint> const& master,
                                          inverse_master_map const& inverse);

}
