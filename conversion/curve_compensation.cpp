#include "conversion/curve_compensation.h"

#include "conversion/curve_sampling.h"
#include "conversion/debug_text.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace conversion {

namespace {

QVector<int> const& probe_offsets()
{
    static QVector<int> const offsets{0, 1, -1, 2, -2, 3, -3, 4, -4};
    return offsets;
}

// level / 255 as QDebug writes it. The same levels come back in line after
// line, so the texts of 0 to 255 are made once.
void append_unit_level(QString& line, int level)
{
    static std::array<QString, 256> const texts = [] {
        std::array<QString, 256> made;
        for (int k = 0; k < 256; ++k)
            append_debug_number(made[std::size_t(k)], k / 255.0);
        return made;
    }();
    if (level >= 0 && level <= 255)
        line += texts[std::size_t(level)];
    else
        append_debug_number(line, level / 255.0);
}

// " <point> <point / 255>", as QDebug writes the point and QPointF(point) / 255;
// these come for every point of every compensated curve.
void append_point(QString& line, QPoint const& point)
{
    line += QLatin1Char(' ');
    append_debug_point(line, point);
    line += QLatin1String(" QPointF(");
    append_unit_level(line, point.x());
    line += QLatin1Char(',');
    append_unit_level(line, point.y());
    line += QLatin1Char(')');
}

// Writes "<text> <point> <point / 255><rest>", and the moved point when there
// is one.
void log_point(QtMsgType type, QMessageLogContext const& context, char const* text, QPoint const& point,
               char const* rest, QPoint const* moved = nullptr)
{
    if (!log_enabled(type))
        return;
    QString line;
    // Room for a line of ordinary points, so that building it allocates once.
    line.reserve(128);
    line += QLatin1String(text);
    append_point(line, point);
    line += QLatin1String(rest);
    if (moved)
        append_point(line, *moved);
    qt_message_output(type, context, line);
}

bool find_master_level(inverse_master_map const& inverse, int x, int& level)
{
    for (int offset : probe_offsets()) {
        int const probe = std::max(std::min(x + offset, 255), 0);
        if (inverse.contains(probe)) {
            level = probe;
            return true;
        }
    }
    return false;
}

// Ties go to the earlier input level; none at 255 or more away is taken.
int nearest_input_level(QVector<int> const& inputs, int x)
{
    float best = 255.0f;
    int nearest = -1;
    for (int input : inputs) {
        float const distance = float(std::abs(input - x));
        if (distance < best) {
            best = distance;
            nearest = input;
        }
    }
    return nearest;
}

// The curve's ends keep to the outermost input level of their side.
int end_input_level(QVector<int> const& inputs, int level)
{
    return level > 127 ? inputs.last() : inputs.first();
}

QPoint end_point(rozar::cSpline const& master, rozar::cSpline const& channel, double level)
{
    double const a = limit_level(master.getY(level));
    double const b = limit_level(channel.getY(a));
    return QPoint(int(a + 0.5), int(b + 0.5));
}

void move_points_to_master_inputs(QVector<QPoint>& points, inverse_master_map const& inverse)
{
    int i = 0;
    while (i < points.size()) {
        QPoint const point = points[i];
        int level = 0;
        if (!find_master_level(inverse, point.x(), level)) {
            log_point(QtInfoMsg, KESTOVA_LOG_CONTEXT, "Removing point", point, " -> No Y in range");
            points.remove(i);
            continue;
        }
        QVector<int> const& inputs = inverse[level];
        bool const at_end = i == 0 || i == points.size() - 1;
        int const input = at_end ? end_input_level(inputs, level) : nearest_input_level(inputs, point.x());
        if (input == -1) {
            qWarning("compensate_with_rgb_curve: Found y:%d with no matching x value", level);
            points.remove(i);
            continue;
        }
        QPoint const moved(point.x() + input - level, point.y() + input - level);
        log_point(QtInfoMsg, KESTOVA_LOG_CONTEXT, "Replacing point", point, " with", &moved);
        points[i] = moved;
        ++i;
    }
}

bool is_inside_edges(QPoint const& point)
{
    int const x = point.x();
    return x == 0 || x == 255 || (x >= 11 && x <= 244);
}

void remove_edge_points(QVector<QPoint>& points)
{
    int i = 0;
    while (i < points.size()) {
        if (is_inside_edges(points[i])) {
            ++i;
            continue;
        }
        log_point(QtDebugMsg, KESTOVA_LOG_CONTEXT, "Removing point", points[i], " too close to or beyond the edge");
        points.remove(i);
    }
}

// Of points sharing an x value the later one wins.
void remove_repeated_x(QVector<QPoint>& points)
{
    int i = 0;
    while (i + 1 < points.size()) {
        if (points[i].x() == points[i + 1].x())
            points.remove(i);
        else
            ++i;
    }
}

}

inverse_master_map build_inverse_master_map(QVector<QPoint> const& master)
{
    rozar::cSpline const spline = curve_spline(master);
    // Gathered by level first, so the map is filled in key order, each entry
    // once, at its end.
    std::array<QVector<int>, 256> inputs;
    for (int k = 0; k <= 255; ++k) {
        double const level = limit_level(std::round(spline.getY(k)));
        inputs[std::size_t(level)].append(k);
    }
    inverse_master_map inverse;
    for (int level = 0; level <= 255; ++level) {
        if (!inputs[std::size_t(level)].isEmpty())
            inverse.insert(inverse.cend(), level, inputs[std::size_t(level)]);
    }
    return inverse;
}

QVector<QPoint> compensate_with_rgb_curve(QVector<QPoint> const& channel, QVector<QPoint> const& master,
                                          inverse_master_map const& inverse)
{
    rozar::cSpline const master_spline = curve_spline(master);
    rozar::cSpline const channel_spline = curve_spline(channel);
    QVector<QPoint> points = raster_curve(channel);
    points.prepend(end_point(master_spline, channel_spline, 0));
    points.append(end_point(master_spline, channel_spline, 255));

    move_points_to_master_inputs(points, inverse);
    remove_edge_points(points);
    std::stable_sort(points.begin(), points.end(),
                     [](QPoint const& left, QPoint const& right) { return left.x() < right.x(); });
    remove_repeated_x(points);
    return points;
}

}
