#include "conversion/colour_target.h"

#include "conversion/costyle_writer.h"

#include <array>

namespace conversion {

namespace {

QVector<QPointF> const& srgb_adobe_shifts()
{
    static QVector<QPointF> const points{{800, -22},  {5000, 0},   {6000, -12},  {7000, -16},
                                         {8000, -23}, {9000, -30}, {10000, -32}, {14000, -32}};
    return points;
}

QVector<QPointF> const& prophoto_shifts()
{
    static QVector<QPointF> const points{{800, 0},    {5000, 0},    {6000, -12},  {7000, -19}, {8000, -32},
                                         {9000, -36}, {10000, -37}, {11000, -40}, {14000, -40}};
    return points;
}

QVector<QPointF> const& wide_gamut_shifts()
{
    static QVector<QPointF> const points{{800, double(-7.6f)}, {5000, 0},   {6000, -12},  {7000, -18},
                                         {8000, -27},          {9000, -28}, {10000, -32}, {14000, -32}};
    return points;
}

QVector<QPointF> const& no_shifts()
{
    static QVector<QPointF> const points;
    return points;
}

struct colour_space {
    char const* setting;
    lut3d costyle_writer::*table;
    bool converts_curves;
    bool raw_files;
    QVector<QPointF> const& (*tint_shifts)();
    char const* log_line;
};

// Raw files and ProPhoto keep the curves in the preset's own terms.
constexpr std::array<colour_space, 5> colour_spaces{{
    {"adobe", &costyle_writer::lut_adobe_rgb, true, false, srgb_adobe_shifts, "Using AdobeRGB colorspace (converting)"},
    {"srgb", &costyle_writer::lut_srgb, true, false, srgb_adobe_shifts, "Using sRGB colorspace (converting)"},
    {"prophoto", &costyle_writer::lut_identity, false, false, prophoto_shifts,
     "Using ProPhoto colorspace (some conversion)"},
    {"widegamut", &costyle_writer::lut_wide_gamut, true, false, wide_gamut_shifts,
     "Using Wide Gamut RGB colorspace (converting)"},
    {"raw", &costyle_writer::lut_wide_gamut, false, true, no_shifts,
     "Using Wide Gamut RGB colorspace (RAW, some conversion)"},
}};

}

colour_target choose_colour_target(costyle_writer const& writer, QString const& setting)
{
    for (colour_space const& space : colour_spaces) {
        if (setting == QLatin1String(space.setting))
            return {setting, writer.*space.table, space.converts_curves, space.raw_files, space.tint_shifts(),
                    true,    space.log_line};
    }
    return {setting, writer.lut_identity, true, false, no_shifts(), false, nullptr};
}

}
