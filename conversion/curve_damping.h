#pragma once

#include <QPoint>
#include <QVector>

QVector<QPoint> damp_curve_shadows(QVector<QPoint> const& curve);
