#include "conversion/tint_shift.h"

#include "conversion/map_to_points.h"
#include "conversion/style_mapping.h"

#include <QDebug>

namespace conversion {

namespace {

QVector<QPointF> const& srgb_adobe_shifts()
{
    static QVector<QPointF> const points{{800, -22},   {5000, 0},    {6000, -12},  {7000, -16},
                                         {8000, -23},  {9000, -30},  {10000, -32}, {14000, -32}};
    return points;
}

QVector<QPointF> const& prophoto_shifts()
{
    static QVector<QPointF> const points{{800, 0},     {5000, 0},    {6000, -12},  {7000, -19},  {8000, -32},
                                         {9000, -36},  {10000, -37}, {11000, -40}, {14000, -40}};
    return points;
}

QVector<QPointF> const& wide_gamut_shifts()
{
    static QVector<QPointF> const points{{800, double(-7.6f)}, {5000, 0},    {6000, -12},  {7000, -18},
                                         {8000, -27},          {9000, -28},  {10000, -32}, {14000, -32}};
    return points;
}

QVector<QPointF> const* shift_table(QString const& colour_space)
{
    if (colour_space == QLatin1String("srgb") || colour_space == QLatin1String("adobe"))
        return &srgb_adobe_shifts();
    if (colour_space == QLatin1String("prophoto"))
        return &prophoto_shifts();
    if (colour_space == QLatin1String("widegamut"))
        return &wide_gamut_shifts();
    return nullptr;
}

}

float get_tint_shift(QString const& colour_space, float temperature)
{
    if (colour_space == QLatin1String("raw"))
        return 0;
    QVector<QPointF> const* table = shift_table(colour_space);
    if (!table) {
        qWarning("get_tint_shift: Unknown color space: %s. Not ofsetting.", colour_space.toUtf8().constData());
        return 0;
    }
    return map_to_points(*table, clamp_value(temperature, 800, 14000));
}

}
