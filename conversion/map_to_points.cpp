#include "conversion/map_to_points.h"

#include "conversion/linear_piece.h"
#include "conversion/style_mapping.h"

#include <QDebug>

namespace {

bool is_origin(QPointF const& point)
{
    return point.x() == 0 && point.y() == 0;
}

int find_segment(QVector<QPointF> const& points, float x)
{
    for (int i = 0; i + 1 < points.size(); ++i) {
        if (points[i].x() <= double(x) && double(x) <= points[i + 1].x())
            return i;
    }
    return -1;
}

}

float map_to_points(QVector<QPointF> const& points, float x)
{
    int const i = find_segment(points, x);
    QPointF const from = i < 0 ? QPointF() : points[i];
    QPointF const to = i < 0 ? QPointF() : points[i + 1];
    if (i < 0 || is_origin(from) || is_origin(to)) {
        qWarning() << "map_to_points failed." << x << from << to;
        return 0;
    }
    float const x0 = float(from.x());
    float const x1 = float(to.x());
    return conversion::linear_piece(conversion::clamp_value(x, x0, x1), x0, float(from.y()), x1, float(to.y()));
}
