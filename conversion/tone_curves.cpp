#include "conversion/tone_curves.h"

#include "conversion/colour_target.h"
#include "conversion/curve_compensation.h"
#include "conversion/curve_damping.h"
#include "conversion/curve_lut.h"
#include "conversion/curve_offsets.h"
#include "conversion/curve_sampling.h"
#include "conversion/curve_text.h"

#include <QDebug>

#include <array>

namespace conversion {

namespace {

struct channel_curve {
    QString key;
    QVector<QPoint> curve;
    bool compensated = false;
};

using channel_curves = std::array<channel_curve, 3>;

QVector<QPoint> identity_curve()
{
    return {QPoint(0, 0), QPoint(255, 255)};
}

bool is_identity(QVector<QPoint> const& curve)
{
    return curve == identity_curve();
}

// A curve the spline can't interpolate is left out, as if the preset had none.
QVector<QPoint> usable_curve(QVector<QPoint> const& curve, QString const& key)
{
    if (curve.isEmpty() || is_spline_curve(curve))
        return curve;
    qWarning() << key << "curve" << curve << "needs two or more points with strictly ascending x values and is ignored";
    return {};
}

channel_curve usable_channel(QString const& key, QVector<QPoint> const& curve)
{
    return {key, usable_curve(curve, key)};
}

bool all_empty(channel_curves const& channels)
{
    for (channel_curve const& channel : channels) {
        if (!channel.curve.isEmpty())
            return false;
    }
    return true;
}

bool all_identity(channel_curves const& channels)
{
    for (channel_curve const& channel : channels) {
        if (!is_identity(channel.curve))
            return false;
    }
    return true;
}

bool any_level_outside(channel_curves const& channels)
{
    for (channel_curve const& channel : channels) {
        for (QPoint const& point : channel.curve) {
            if (point.y() < 0 || point.y() > 255)
                return true;
        }
    }
    return false;
}

// Too few points left to interpolate: the channel falls back to the identity.
void compensate(channel_curve& channel, QVector<QPoint> const& master, inverse_master_map const& inverse)
{
    QVector<QPoint> compensated = compensate_with_rgb_curve(channel.curve, master, inverse);
    if (compensated.size() < 2) {
        qWarning() << channel.key << "curve keeps" << compensated.size()
                   << "point(s) after compensation with the master curve and is ignored";
        channel.curve = identity_curve();
        return;
    }
    channel.curve = compensated;
    channel.compensated = true;
}

bool compensate_channels(channel_curves& channels, QVector<QPoint> const& master, curve_offsets& shifts)
{
    inverse_master_map const inverse = build_inverse_master_map(master);
    for (channel_curve& channel : channels) {
        if (!is_identity(channel.curve))
            compensate(channel, master, inverse);
    }
    if (!any_level_outside(channels))
        return false;
    for (channel_curve& channel : channels) {
        if (!channel.compensated)
            compensate(channel, master, inverse);
    }
    shifts = correct_curve_range(channels[0].curve, channels[1].curve, channels[2].curve);
    return true;
}

void raster_channels(channel_curves& channels)
{
    for (channel_curve& channel : channels)
        channel.curve = raster_curve(channel.curve);
}

void convert_with_table(channel_curves& channels, lut3d const& table)
{
    int const points = channels[0].curve.size();
    if (channels[1].curve.size() != points || channels[2].curve.size() != points)
        raster_channels(channels);
    convert_curves_with_lut(table, channels[0].curve, channels[1].curve, channels[2].curve);
}

// Returns whether the range correction ran and left shifts for the master.
bool convert_channels(style_context const& context, channel_curves& channels, QVector<QPoint> const& master,
                      curve_offsets& shifts)
{
    bool offsets_applied = false;
    if (!is_identity(master))
        offsets_applied = compensate_channels(channels, master, shifts);
    else if (context.target.converts_curves)
        raster_channels(channels);
    for (channel_curve& channel : channels)
        channel.curve = damp_curve_shadows(channel.curve);
    if (context.target.converts_curves)
        convert_with_table(channels, context.target.table);
    return offsets_applied;
}

}

void convert_tone_curves(style_context& context)
{
    lightroom_importer const& importer = context.importer;
    QVector<QPoint> master = usable_curve(importer.tone_curve, QStringLiteral("GradationCurve"));
    channel_curves channels{{
        usable_channel(QStringLiteral("GradationCurveRed"), importer.tone_curve_red),
        usable_channel(QStringLiteral("GradationCurveGreen"), importer.tone_curve_green),
        usable_channel(QStringLiteral("GradationCurveBlue"), importer.tone_curve_blue),
    }};

    if (master.isEmpty()) {
        if (all_empty(channels))
            return;
        master = identity_curve();
    }
    for (channel_curve& channel : channels) {
        if (channel.curve.isEmpty())
            channel.curve = identity_curve();
    }

    bool const channels_identity = all_identity(channels);
    curve_offsets shifts;
    bool const offsets_applied = !channels_identity && convert_channels(context, channels, master, shifts);

    for (channel_curve const& channel : channels)
        curve_to_string(context.style, channel.key, channel.curve);
    if (offsets_applied)
        master = shift_master_curve(master, shifts);
    if (!context.grayscale && !channels_identity)
        master = damp_curve_shadows(master);
    curve_to_string(context.style, QStringLiteral("GradationCurve"), master);
}

}
