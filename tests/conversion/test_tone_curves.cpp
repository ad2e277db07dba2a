#include "conversion/colour_target.h"
#include "conversion/costyle_writer.h"
#include "conversion/curve_compensation.h"
#include "conversion/curve_damping.h"
#include "conversion/curve_lut.h"
#include "conversion/curve_offsets.h"
#include "conversion/curve_sampling.h"
#include "conversion/curve_text.h"
#include "conversion/tone_curves.h"

#include "log_rules.h"
#include "message_capture.h"
#include "preset_by_suffix.h"
#include "preset_corpus.h"
#include "qstring_printer.h"
#include "settings_sandbox.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <stdexcept>
#include <vector>

using namespace conversion;

void PrintTo(QPoint const& point, std::ostream* out)
{
    *out << '(' << point.x() << ',' << point.y() << ')';
}

namespace {

using curve = QVector<QPoint>;

QString const identity_text = QStringLiteral("0.000000,0.000000;1.000000,1.000000");

lightroom_importer make_importer(curve const& master, curve const& red, curve const& green, curve const& blue)
{
    lightroom_importer importer;
    importer.tone_curve = master;
    importer.tone_curve_red = red;
    importer.tone_curve_green = green;
    importer.tone_curve_blue = blue;
    return importer;
}

class tone_curve_stage : public testing::Test {
protected:
    static void SetUpTestSuite() { writer = std::make_unique<costyle_writer>(); }

    static void TearDownTestSuite() { writer.reset(); }

    static lut3d const* table_for(QString const& colorspace)
    {
        if (colorspace == QLatin1String("adobe"))
            return &writer->lut_adobe_rgb;
        if (colorspace == QLatin1String("srgb"))
            return &writer->lut_srgb;
        if (colorspace == QLatin1String("widegamut") || colorspace == QLatin1String("raw"))
            return &writer->lut_wide_gamut;
        return &writer->lut_identity;
    }

    static style_map run(lightroom_importer const& importer, QString const& colorspace, bool grayscale = false)
    {
        style_map style;
        style[QStringLiteral("Name")] = QStringLiteral("kept");
        colour_target const target = choose_colour_target(*writer, colorspace);
        style_context context(importer, style, *writer, target, grayscale);
        convert_tone_curves(context);
        return style;
    }

    static style_map expected_style(QString const& red, QString const& green, QString const& blue,
                                    QString const& master)
    {
        return style_map{{QStringLiteral("Name"), QStringLiteral("kept")},
                         {QStringLiteral("GradationCurveRed"), red},
                         {QStringLiteral("GradationCurveGreen"), green},
                         {QStringLiteral("GradationCurveBlue"), blue},
                         {QStringLiteral("GradationCurve"), master}};
    }

    static std::unique_ptr<costyle_writer> writer;
};

std::unique_ptr<costyle_writer> tone_curve_stage::writer;

curve const example_master{{0, 0}, {255, 128}};
curve const example_red{{0, 0}, {128, 160}, {255, 255}};

TEST(damp_curve_shadows, pulls_shadows_towards_the_diagonal)
{
    curve const input{{0, 40}, {42, 100}, {20, 0}, {84, 200}, {85, 0}, {200, 10}};
    curve const expected{{0, 20}, {42, 85}, {20, 7}, {84, 200}, {85, 0}, {200, 10}};
    EXPECT_EQ(damp_curve_shadows(input), expected);
    EXPECT_TRUE(damp_curve_shadows(curve()).isEmpty());
}

TEST(damp_curve_shadows, saturates_absurd_points)
{
    curve const input{{INT_MIN, INT_MAX}, {-2000000000, -2000000000}, {INT_MAX, INT_MIN}};
    curve const damped = damp_curve_shadows(input);
    ASSERT_EQ(damped.size(), 3);
    EXPECT_EQ(damped[0], QPoint(INT_MIN, INT_MIN));
    EXPECT_EQ(damped[1], QPoint(-2000000000, -2000000000));
    EXPECT_EQ(damped[2], QPoint(INT_MAX, INT_MIN));
}

TEST(raster_curve, samples_nine_levels)
{
    curve const expected{{0, 0},     {31, 31},   {63, 63},   {95, 95},  {127, 127},
                         {159, 159}, {191, 191}, {223, 223}, {255, 255}};
    EXPECT_EQ(raster_curve(curve{{0, 0}, {255, 255}}), expected);
    EXPECT_TRUE(raster_curve(curve()).isEmpty());
}

TEST(raster_curve, limits_the_output_levels)
{
    curve const rastered = raster_curve(curve{{0, -100}, {255, 400}});
    ASSERT_EQ(rastered.size(), 9);
    EXPECT_EQ(rastered.first(), QPoint(0, 0));
    EXPECT_EQ(rastered[4], QPoint(127, 150));
    EXPECT_EQ(rastered.last(), QPoint(255, 255));
}

TEST(raster_curve, treats_a_curve_without_segments_as_flat)
{
    curve const rastered = raster_curve(curve{{128, 77}});
    ASSERT_EQ(rastered.size(), 9);
    for (QPoint const& point : rastered)
        EXPECT_EQ(point.y(), 77);
}

struct spline_curve_case {
    curve points;
    bool usable;
};

class spline_curves : public testing::TestWithParam<spline_curve_case> {};

TEST_P(spline_curves, need_two_ascending_points)
{
    EXPECT_EQ(is_spline_curve(GetParam().points), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(cases, spline_curves,
                         testing::Values(spline_curve_case{{}, false}, spline_curve_case{{{3, 4}}, false},
                                         spline_curve_case{{{0, 0}, {255, 255}}, true},
                                         spline_curve_case{{{0, 0}, {1, 9}}, true},
                                         spline_curve_case{{{0, 0}, {0, 9}}, false},
                                         spline_curve_case{{{0, 0}, {200, 9}, {100, 5}}, false},
                                         spline_curve_case{{{-20, 0}, {300, 9}}, true}));

TEST(inverse_master_map, lists_the_inputs_of_each_output_level)
{
    inverse_master_map const inverse = build_inverse_master_map(example_master);
    EXPECT_EQ(inverse.size(), 129);
    EXPECT_EQ(inverse.value(0), QVector<int>{0});
    EXPECT_EQ(inverse.value(31), (QVector<int>{61, 62}));
    EXPECT_EQ(inverse.value(127), (QVector<int>{253, 254}));
    EXPECT_EQ(inverse.value(128), QVector<int>{255});
    EXPECT_FALSE(inverse.contains(129));

    inverse_master_map const clipped = build_inverse_master_map(curve{{0, -40}, {255, 300}});
    EXPECT_EQ(clipped.firstKey(), 0);
    EXPECT_EQ(clipped.lastKey(), 255);
    EXPECT_GT(clipped.value(0).size(), 1);
}

TEST(compensate_with_rgb_curve, re_expresses_the_channel_against_the_master)
{
    message_capture const log;
    curve const compensated =
        compensate_with_rgb_curve(example_red, example_master, build_inverse_master_map(example_master));
    curve const expected{{0, 0}, {61, 73}, {125, 147}, {189, 218}, {255, 287}};
    EXPECT_EQ(compensated, expected);

    QStringList const info = log.texts(QtInfoMsg);
    for (QString const& point : QStringList{"QPoint(159,", "QPoint(191,", "QPoint(223,", "QPoint(255,255)"})
        EXPECT_FALSE(info.filter(QStringLiteral("Removing point ") + point).isEmpty()) << qPrintable(point);
    EXPECT_EQ(info.count(QStringLiteral("Removing point QPoint(255,255) QPointF(1,1) -> No Y in range")), 1);
    EXPECT_EQ(info.count(QStringLiteral("Replacing point QPoint(31,43) QPointF(0.121569,0.168627) with "
                                        "QPoint(61,73) QPointF(0.239216,0.286275)")),
              1);
    EXPECT_EQ(info.count(QStringLiteral("Replacing point QPoint(128,160) QPointF(0.501961,0.627451) with "
                                        "QPoint(255,287) QPointF(1,1.12549)")),
              1);
    QStringList const debug = log.texts(QtDebugMsg);
    EXPECT_FALSE(debug.filter(QStringLiteral("Removing point QPoint(253,")).isEmpty());
    EXPECT_FALSE(debug.filter(QStringLiteral("too close to or beyond the edge")).isEmpty());
}

TEST(compensate_with_rgb_curve, writes_no_line_of_a_disabled_level)
{
    curve const expected{{0, 0}, {61, 73}, {125, 147}, {189, 218}, {255, 287}};
    log_rules const rules(QStringLiteral("default.info=false"));
    message_capture const log;
    EXPECT_EQ(compensate_with_rgb_curve(example_red, example_master, build_inverse_master_map(example_master)),
              expected);
    EXPECT_TRUE(log.texts(QtInfoMsg).isEmpty());
    EXPECT_FALSE(log.texts(QtDebugMsg).filter(QStringLiteral("too close to or beyond the edge")).isEmpty());
}

TEST(compensate_with_rgb_curve, drops_points_without_a_near_input_level)
{
    message_capture const log;
    curve const inverted{{0, 255}, {255, 0}};
    curve const compensated =
        compensate_with_rgb_curve(curve{{0, 0}, {255, 255}}, inverted, build_inverse_master_map(inverted));
    curve const expected{{0, 0},     {32, 32},   {64, 64},   {96, 96},  {128, 128},
                         {160, 160}, {192, 192}, {224, 224}, {255, 255}};
    EXPECT_EQ(compensated, expected);
    QStringList const warnings = log.texts(QtWarningMsg);
    EXPECT_EQ(warnings.count(QStringLiteral("compensate_with_rgb_curve: Found y:0 with no matching x value")), 1);
    EXPECT_EQ(warnings.count(QStringLiteral("compensate_with_rgb_curve: Found y:255 with no matching x value")), 1);
}

TEST(compensate_with_rgb_curve, can_leave_a_single_point)
{
    curve const flat{{0, 0}, {255, 0}};
    curve const compensated = compensate_with_rgb_curve(example_red, flat, build_inverse_master_map(flat));
    EXPECT_EQ(compensated, curve{QPoint(0, 0)});
}

TEST(correct_curve_range, lifts_below_black_and_passes_half_on)
{
    curve red{{0, -10}, {100, 50}, {200, 200}};
    curve green{{0, 5}, {100, 60}, {200, 210}};
    curve blue{{0, 0}, {100, 70}, {200, 220}};
    curve_offsets const shifts = correct_curve_range(red, green, blue);
    EXPECT_EQ(red, (curve{{0, 0}, {100, 55}, {200, 200}}));
    EXPECT_EQ(green, (curve{{0, 15}, {100, 65}, {200, 210}}));
    EXPECT_EQ(blue, (curve{{0, 10}, {100, 75}, {200, 220}}));
    EXPECT_EQ(shifts.offsets, (QVector<int>{-10, -5, 0}));
    EXPECT_EQ(shifts.positions, (QVector<double>{0, 100, 200}));
}

TEST(correct_curve_range, pulls_above_white_and_passes_half_on)
{
    curve red{{0, 0}, {61, 73}, {125, 147}, {189, 218}, {255, 287}};
    curve green{{0, 0}, {61, 61}, {125, 125}, {189, 189}, {255, 255}};
    curve blue = green;
    curve_offsets const shifts = correct_curve_range(red, green, blue);
    EXPECT_EQ(red, (curve{{0, 0}, {61, 73}, {125, 147}, {189, 202}, {255, 255}}));
    EXPECT_EQ(green, (curve{{0, 0}, {61, 61}, {125, 125}, {189, 173}, {255, 223}}));
    EXPECT_EQ(blue, green);
    EXPECT_EQ(shifts.offsets, (QVector<int>{0, 0, 0, 16, 32}));
    EXPECT_EQ(shifts.positions, (QVector<double>{0, 61, 125, 189, 255}));
}

TEST(correct_curve_range, later_offsets_replace_earlier_ones)
{
    curve red{{0, -20}, {128, 300}};
    curve green{{0, 0}, {128, 128}};
    curve blue{{0, 0}, {128, 128}};
    curve_offsets const shifts = correct_curve_range(red, green, blue);
    // Forward: index 0 is lifted by 20 and index 1 by 10; backward: index 1
    // is lowered by 55 and its half pushes index 0 below black again.
    EXPECT_EQ(shifts.offsets, (QVector<int>{27, 55}));
    EXPECT_EQ(red, (curve{{0, -27}, {128, 255}}));
    EXPECT_EQ(green, (curve{{0, -7}, {128, 83}}));
}

TEST(correct_curve_range, walks_only_the_shortest_curve)
{
    curve red{{0, -10}, {100, 50}, {200, 300}};
    curve green{{0, 0}};
    curve blue{{0, 0}, {100, 100}};
    curve_offsets const shifts = correct_curve_range(red, green, blue);
    EXPECT_EQ(shifts.offsets, QVector<int>{-10});
    EXPECT_EQ(red[2], QPoint(200, 300));
}

TEST(shift_master_curve, re_rasters_and_shifts)
{
    message_capture const log;
    curve_offsets const shifts{{0, 0, 0, 16, 32}, {0, 61, 125, 189, 255}};
    curve const shifted = shift_master_curve(example_master, shifts);
    EXPECT_EQ(shifted, (curve{{0, 0}, {61, 30}, {125, 62}, {189, 110}, {255, 160}}));
    QStringList const info = log.texts(QtInfoMsg);
    EXPECT_EQ(info.count(QStringLiteral("Rastering RGB Curve at QVector(0, 61, 125, 189, 255)")), 1);
    EXPECT_EQ(info.count(QStringLiteral("Applying offsets QVector(0, 0, 0, 16, 32) to curve "
                                        "QVector(QPoint(0,0), QPoint(61,30), QPoint(125,62), "
                                        "QPoint(189,94), QPoint(255,128))")),
              1);
    EXPECT_EQ(info.count(QStringLiteral("QVector(QPoint(0,0), QPoint(61,30), QPoint(125,62), "
                                        "QPoint(189,110), QPoint(255,160))")),
              1);
}

TEST(shift_master_curve, limits_shifted_levels)
{
    message_capture const log;
    curve_offsets const shifts{{-20, 40}, {10, 230}};
    curve const shifted = shift_master_curve(curve{{0, 0}, {255, 255}}, shifts);
    EXPECT_EQ(shifted, (curve{{10, 0}, {230, 255}}));
    QStringList const warnings = log.texts(QtWarningMsg);
    EXPECT_EQ(warnings.count(QStringLiteral("Applying offset -20 at QPoint(10,10) is resulting in out of range "
                                            "value -10.")),
              1);
    EXPECT_EQ(warnings.count(QStringLiteral("Applying offset 40 at QPoint(230,230) is resulting in out of range "
                                            "value 270.")),
              1);
}

TEST(curve_to_string, writes_unit_pairs)
{
    style_map style;
    curve_to_string(style, QStringLiteral("GradationCurve"), curve{{0, 0}, {255, 255}});
    EXPECT_EQ(style.value(QStringLiteral("GradationCurve")), identity_text);
    curve_to_string(style, QStringLiteral("GradationCurve"), curve{{0, 0}, {128, 150}, {255, 255}});
    EXPECT_EQ(style.value(QStringLiteral("GradationCurve")),
              QStringLiteral("0.000000,0.000000;0.501961,0.588235;1.000000,1.000000"));
    EXPECT_EQ(style.size(), 1);
}

TEST(curve_to_string, writes_nothing_for_an_empty_curve)
{
    style_map style{{QStringLiteral("GradationCurveRed"), QStringLiteral("earlier")}};
    curve_to_string(style, QStringLiteral("GradationCurveRed"), curve());
    curve_to_string(style, QStringLiteral("GradationCurveBlue"), curve());
    EXPECT_EQ(style, (style_map{{QStringLiteral("GradationCurveRed"), QStringLiteral("earlier")}}));
}

TEST(curve_to_string, clamps_and_warns_about_out_of_range_points)
{
    message_capture const log;
    style_map style;
    curve_to_string(style, QStringLiteral("GradationCurveRed"), curve{{300, 128}, {64, -5}, {INT_MIN, INT_MAX}});
    EXPECT_EQ(style.value(QStringLiteral("GradationCurveRed")),
              QStringLiteral("1.000000,0.501961;0.250980,0.000000;0.000000,1.000000"));
    QStringList const warnings = log.texts(QtWarningMsg);
    EXPECT_EQ(warnings.count(QStringLiteral("\"GradationCurveRed\" point QPoint(300,128) is out of range and will "
                                            "be clamped!")),
              1);
    EXPECT_EQ(warnings.count(QStringLiteral("\"GradationCurveRed\" point QPoint(64,-5) is out of range and will "
                                            "be clamped!")),
              1);
    EXPECT_EQ(log.lines().size(), 3);
}

TEST(convert_curves_with_lut, sends_points_through_the_identity_table)
{
    costyle_writer const writer;
    curve red{{0, 0}, {31, 9}, {255, 255}};
    curve green{{0, 0}, {31, 31}, {255, 128}};
    curve blue{{0, 7}, {31, 63}, {255, 0}};
    convert_curves_with_lut(writer.lut_identity, red, green, blue);
    EXPECT_EQ(red, (curve{{0, 0}, {31, 9}, {256, 256}}));
    EXPECT_EQ(green, (curve{{0, 0}, {31, 31}, {256, 128}}));
    EXPECT_EQ(blue, (curve{{0, 7}, {31, 63}, {256, 0}}));
}

TEST(convert_curves_with_lut, keeps_levels_outside_the_table_safe)
{
    costyle_writer const writer;
    curve red{{-40, 300}, {INT_MIN, INT_MAX}};
    curve green{{0, -300}, {INT_MAX, INT_MIN}};
    curve blue{{1000, 0}, {0, 0}};
    convert_curves_with_lut(writer.lut_adobe_rgb, red, green, blue);
    for (curve const* points : {&red, &green, &blue}) {
        for (QPoint const& point : *points) {
            EXPECT_GE(point.x(), 0);
            EXPECT_GE(point.y(), 0);
        }
    }
}

TEST_F(tone_curve_stage, writes_nothing_without_curves)
{
    EXPECT_EQ(run(lightroom_importer(), QStringLiteral("raw")),
              (style_map{{QStringLiteral("Name"), QStringLiteral("kept")}}));
}

class master_only : public tone_curve_stage, public testing::WithParamInterface<std::tuple<char const*, bool>> {};

TEST_P(master_only, is_written_unchanged)
{
    QString const colorspace = QLatin1String(std::get<0>(GetParam()));
    lightroom_importer const importer = make_importer({{0, 0}, {128, 150}, {255, 255}}, {}, {}, {});
    EXPECT_EQ(run(importer, colorspace, std::get<1>(GetParam())),
              expected_style(identity_text, identity_text, identity_text,
                             QStringLiteral("0.000000,0.000000;0.501961,0.588235;1.000000,1.000000")));
}

INSTANTIATE_TEST_SUITE_P(colorspaces, master_only,
                         testing::Combine(testing::Values("raw", "prophoto", "adobe", "srgb", "widegamut", "Prophoto"),
                                          testing::Bool()));

TEST_F(tone_curve_stage, red_only_curve_is_damped)
{
    lightroom_importer const importer = make_importer({}, {{0, 0}, {64, 96}, {255, 255}}, {}, {});
    EXPECT_EQ(run(importer, QStringLiteral("raw")),
              expected_style(QStringLiteral("0.000000,0.000000;0.250980,0.360784;1.000000,1.000000"), identity_text,
                             identity_text, identity_text));
}

QString const example_red_text =
    QStringLiteral("0.000000,0.000000;0.239216,0.278431;0.490196,0.576471;0.741176,0.792157;1.000000,1.000000");
QString const example_green_text =
    QStringLiteral("0.000000,0.000000;0.239216,0.239216;0.490196,0.490196;0.741176,0.678431;1.000000,0.874510");
QString const example_master_text =
    QStringLiteral("0.000000,0.000000;0.239216,0.133333;0.490196,0.243137;0.741176,0.431373;1.000000,0.627451");

TEST_F(tone_curve_stage, compensated_curves_with_range_correction)
{
    lightroom_importer const importer = make_importer(example_master, example_red, {}, {});
    EXPECT_EQ(run(importer, QStringLiteral("raw")),
              expected_style(example_red_text, example_green_text, example_green_text, example_master_text));
}

TEST_F(tone_curve_stage, grayscale_master_is_not_damped)
{
    lightroom_importer const importer = make_importer(example_master, example_red, {}, {});
    EXPECT_EQ(run(importer, QStringLiteral("raw"), true).value(QStringLiteral("GradationCurve")),
              QStringLiteral("0.000000,0.000000;0.239216,0.117647;0.490196,0.243137;0.741176,0.431373;"
                             "1.000000,0.627451"));
}

TEST_F(tone_curve_stage, unknown_colorspace_uses_the_identity_table)
{
    message_capture const log;
    lightroom_importer const importer = make_importer({}, {{0, 0}, {255, 0}}, {}, {});
    QString const gray_steps = QStringLiteral("0.000000,0.000000;0.121569,0.121569;0.247059,0.247059;"
                                              "0.372549,0.372549;0.498039,0.498039;0.623529,0.623529;"
                                              "0.749020,0.749020;0.874510,0.874510;1.000000,1.000000");
    QString const red = QStringLiteral("0.000000,0.000000;0.121569,0.035294;0.247059,0.027451;0.372549,0.000000;"
                                       "0.498039,0.000000;0.623529,0.000000;0.749020,0.000000;0.874510,0.000000;"
                                       "1.000000,0.000000");
    EXPECT_EQ(run(importer, QStringLiteral("Prophoto")), expected_style(red, gray_steps, gray_steps, identity_text));
    QStringList const warnings = log.texts(QtWarningMsg);
    EXPECT_EQ(warnings.count(QStringLiteral("\"GradationCurveRed\" point QPoint(256,0) is out of range and "
                                            "will be clamped!")),
              1);
    EXPECT_EQ(warnings.count(QStringLiteral("\"GradationCurveGreen\" point QPoint(256,256) is out of range "
                                            "and will be clamped!")),
              1);
}

TEST_F(tone_curve_stage, converting_colorspaces_go_through_their_table)
{
    for (char const* name : {"adobe", "srgb", "widegamut"}) {
        QString const colorspace = QLatin1String(name);
        // Rastered and damped as in the identity case above.
        curve red{{0, 0}, {31, 9}, {63, 7}, {95, 0}, {127, 0}, {159, 0}, {191, 0}, {223, 0}, {255, 0}};
        curve green = raster_curve(curve{{0, 0}, {255, 255}});
        curve blue = green;
        convert_curves_with_lut(*table_for(colorspace), red, green, blue);
        style_map expected = expected_style(QString(), QString(), QString(), identity_text);
        curve_to_string(expected, QStringLiteral("GradationCurveRed"), red);
        curve_to_string(expected, QStringLiteral("GradationCurveGreen"), green);
        curve_to_string(expected, QStringLiteral("GradationCurveBlue"), blue);

        lightroom_importer const importer = make_importer({}, {{0, 0}, {255, 0}}, {}, {});
        EXPECT_EQ(run(importer, colorspace), expected) << name;
    }
}

struct malformed_case {
    char const* name;
    curve master;
    curve red;
    curve green;
    curve blue;
    QStringList written;
    char const* warning;
};

class malformed_curves : public tone_curve_stage, public testing::WithParamInterface<malformed_case> {};

curve const plain_green{{0, 0}, {64, 96}, {255, 255}};
QString const plain_green_text = QStringLiteral("0.000000,0.000000;0.250980,0.360784;1.000000,1.000000");
QString const master_only_text = QStringLiteral("0.000000,0.000000;0.501961,0.588235;1.000000,1.000000");

TEST_P(malformed_curves, are_ignored_with_a_warning)
{
    malformed_case const& c = GetParam();
    message_capture const log;
    style_map const style = run(make_importer(c.master, c.red, c.green, c.blue), QStringLiteral("raw"));
    style_map expected{{QStringLiteral("Name"), QStringLiteral("kept")}};
    if (!c.written.isEmpty())
        expected = expected_style(c.written[0], c.written[1], c.written[2], c.written[3]);
    EXPECT_EQ(style, expected) << c.name;
    EXPECT_FALSE(log.texts(QtWarningMsg).filter(QLatin1String(c.warning)).isEmpty()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    cases, malformed_curves,
    testing::Values(malformed_case{"unsorted red",
                                   {{0, 0}, {128, 150}, {255, 255}},
                                   {{0, 0}, {200, 100}, {100, 200}, {255, 255}},
                                   {},
                                   {},
                                   {identity_text, identity_text, identity_text, master_only_text},
                                   "\"GradationCurveRed\" curve QVector(QPoint(0,0), QPoint(200,100)"},
                    malformed_case{"repeated red x",
                                   {},
                                   {{0, 0}, {128, 100}, {128, 160}, {255, 255}},
                                   plain_green,
                                   {},
                                   {identity_text, plain_green_text, identity_text, identity_text},
                                   "\"GradationCurveRed\" curve"},
                    malformed_case{"single blue point",
                                   {},
                                   {},
                                   plain_green,
                                   {{128, 128}},
                                   {identity_text, plain_green_text, identity_text, identity_text},
                                   "\"GradationCurveBlue\" curve QVector(QPoint(128,128)) needs two or more points"},
                    malformed_case{"unsorted master",
                                   {{255, 255}, {0, 0}},
                                   {},
                                   plain_green,
                                   {},
                                   {identity_text, plain_green_text, identity_text, identity_text},
                                   "\"GradationCurve\" curve"},
                    malformed_case{"single master point alone", {{7, 9}}, {}, {}, {}, {}, "\"GradationCurve\" curve"},
                    malformed_case{"flat master",
                                   {{0, 0}, {255, 0}},
                                   example_red,
                                   {},
                                   {},
                                   {identity_text, identity_text, identity_text,
                                    QStringLiteral("0.000000,0.000000;1.000000,0.000000")},
                                   "\"GradationCurveRed\" curve keeps 1 point(s) after compensation"}));

void expect_well_formed_curves(style_map const& style)
{
    for (auto entry = style.cbegin(); entry != style.cend(); ++entry) {
        if (!entry.key().startsWith(QLatin1String("GradationCurve")))
            continue;
        QStringList const pairs = entry.value().split(QLatin1Char(';'));
        EXPECT_GE(pairs.size(), 2) << qPrintable(entry.key());
        for (QString const& pair : pairs) {
            QStringList const numbers = pair.split(QLatin1Char(','));
            ASSERT_EQ(numbers.size(), 2) << qPrintable(entry.value());
            for (QString const& number : numbers) {
                bool ok = false;
                double const value = number.toDouble(&ok);
                EXPECT_TRUE(ok && value >= 0 && value <= 1) << qPrintable(entry.value());
            }
        }
    }
}

struct robustness_case {
    curve master;
    curve red;
};

using bad_input_parameter = std::tuple<robustness_case, char const*>;

class bad_input : public tone_curve_stage, public testing::WithParamInterface<bad_input_parameter> {};

// Whatever the preset holds, every written curve is a well-formed text.
TEST_P(bad_input, never_breaks_the_stage)
{
    robustness_case const& c = std::get<0>(GetParam());
    style_map const style = run(make_importer(c.master, c.red, c.red, {}), QLatin1String(std::get<1>(GetParam())));
    EXPECT_EQ(style.value(QStringLiteral("Name")), QStringLiteral("kept"));
    expect_well_formed_curves(style);
}

INSTANTIATE_TEST_SUITE_P(
    cases, bad_input,
    testing::Combine(testing::Values(robustness_case{{{-2000000000, 2000000000}, {2000000000, -2000000000}},
                                                     example_red},
                                     robustness_case{{{0, 255}, {255, 0}}, example_red},
                                     robustness_case{example_master, {{0, -500}, {128, 900}, {255, -300}}},
                                     robustness_case{{{0, 0}, {255, 0}}, example_red},
                                     robustness_case{{{0, 0}, {10, 255}, {20, 0}, {255, 255}}, example_red},
                                     robustness_case{{{0, 0}, {255, 128}}, {{INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}}},
                                     robustness_case{{}, {{INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}}},
                                     robustness_case{{{0, 40}, {255, 255}}, {{0, 255}, {128, 0}, {255, 255}}},
                                     robustness_case{{{20, 0}}, {{128, 128}}},
                                     robustness_case{{{100, 0}, {0, 255}}, {{0, 0}, {0, 0}, {255, 255}}}),
                     testing::Values("raw", "prophoto", "adobe", "srgb", "widegamut", "other")));

TEST_F(tone_curve_stage, real_presets_convert_in_every_colorspace)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    QStringList files;
    for (QString const& folder : QStringList{QStringLiteral("lrtemplate"), QStringLiteral("xmp")}) {
        for (QFileInfo const& file : QDir(preset_corpus::path(folder)).entryInfoList(QDir::Files))
            files.append(file.filePath());
    }
    int with_curves = 0;
    for (QString const& path : files) {
        lightroom_importer importer;
        try {
            if (!read_preset_by_suffix(importer, path))
                continue;
        } catch (std::runtime_error const&) {
            continue;
        }
        with_curves += !importer.tone_curve.isEmpty();
        for (char const* colorspace : {"raw", "prophoto", "adobe", "srgb", "widegamut", "other"}) {
            style_map const style = run(importer, QLatin1String(colorspace));
            EXPECT_EQ(style.contains(QStringLiteral("GradationCurve")), style.size() > 1) << qPrintable(path);
            expect_well_formed_curves(style);
        }
    }
    EXPECT_GT(with_curves, 0);
}

QString style_value(QString const& xml, QString const& key)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.attributes().value(QStringLiteral("K")) == key)
            return reader.attributes().value(QStringLiteral("V")).toString();
    }
    return QString();
}

TEST_F(tone_curve_stage, whole_example_through_create_costyle)
{
    settings_sandbox sandbox;
    sandbox.set(QStringLiteral("colorspace"), QStringLiteral("raw"));

    lightroom_importer importer = make_importer(example_master, example_red, {}, {});
    importer.name = QStringLiteral("Curves");
    QString xml;
    ASSERT_TRUE(writer->create_costyle(importer, xml));
    EXPECT_EQ(style_value(xml, QStringLiteral("GradationCurveRed")), example_red_text);
    EXPECT_EQ(style_value(xml, QStringLiteral("GradationCurveGreen")), example_green_text);
    EXPECT_EQ(style_value(xml, QStringLiteral("GradationCurveBlue")), example_green_text);
    EXPECT_EQ(style_value(xml, QStringLiteral("GradationCurve")), example_master_text);
    EXPECT_EQ(style_value(xml, QStringLiteral("Name")), QStringLiteral("Curves"));
}

}
