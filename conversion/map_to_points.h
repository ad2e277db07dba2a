#pragma once

#include <QPointF>
#include <QVector>

float map_to_points(QVector<QPointF> const& points, float x);
