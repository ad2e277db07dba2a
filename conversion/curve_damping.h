#pragma once

#include <QPoint>
#include <QVector>

namespace conversion {

QVector<QPoint> damp_curve_shadows(QVector<QPoint> const& curve);

}
