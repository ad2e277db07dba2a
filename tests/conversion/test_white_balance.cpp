#include "conversion/colour_target.h"
#include "conversion/costyle_writer.h"
#include "conversion/map_to_points.h"
#include "conversion/tint_shift.h"
#include "conversion/white_balance.h"

#include "message_capture.h"
#include "shared_writer.h"
#include "stage_fixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

using namespace conversion;

namespace {

// nullptr stands for "key not written".
struct white_balance_case {
    setting_pairs settings;
    char const* colorspace;
    char const* temperature;
    char const* tint;
};

void expect_key(style_map const& style, char const* key, char const* expected, int row)
{
    if (expected)
        EXPECT_EQ(style.value(key, "<absent>").toStdString(), expected) << "row " << row << ' ' << key;
    else
        EXPECT_FALSE(style.contains(key)) << "row " << row << ' ' << key << " = " << style.value(key).toStdString();
}

}

TEST(convert_white_balance, writes_temperature_and_shifted_tint)
{
    white_balance_case const cases[] = {
        {{{"Temperature", "6500"}, {"Tint", "10"}}, "srgb", "6500", "-10.666666"},
        {{{"Temperature", "6500"}, {"Tint", "10"}}, "adobe", "6500", "-10.666666"},
        {{{"Temperature", "6500"}, {"Tint", "10"}}, "prophoto", "6500", "-12.166666"},
        {{{"Temperature", "6500"}, {"Tint", "10"}}, "widegamut", "6500", "-11.666666"},
        {{{"Temperature", "6500"}, {"Tint", "10"}}, "raw", "6500", "3.333333"},
        {{{"Temperature", "20000"}, {"Tint", "0"}}, "srgb", "14000", "-32.000000"},
        {{{"Temperature", "100"}, {"Tint", "0"}}, "srgb", "800", "-22.000000"},
        {{{"Temperature", "800"}, {"Tint", "0"}}, "widegamut", "800", "-7.600000"},
        {{{"Temperature", "5000.25"}, {"Tint", "0"}}, "raw", "5000.25", "0.000000"},
        {{{"Temperature", "abc"}, {"Tint", "5"}}, "srgb", "5000", "1.666667"},
        {{{"Tint", "abc"}, {"IncrementalTint", "30"}}, "raw", "5000", "15.000001"},
        {{{"Tint", ""}, {"IncrementalTint", "-250"}}, "raw", "5000", "-50.000000"},
        {{{"IncrementalTemperature", "0"}}, "raw", "5500", "0"},
        {{{"IncrementalTemperature", "10"}}, "raw", "6082.8", "0"},
        {{{"IncrementalTemperature", "-60"}}, "raw", "2757.8", "0"},
        {{{"IncrementalTemperature", "60"}}, "raw", "13757.6", "0"},
        {{{"IncrementalTemperature", "100"}, {"Tint", "0"}}, "srgb", "14000", "-32.000000"},
        {{{"IncrementalTemperature", "-300"}, {"Tint", "0"}}, "srgb", "2000", "-15.714285"},
        {{{"Temperature", "5000"}}, "srgb", "5000", "0"},
        {{{"Temperature", "abc"}, {"IncrementalTemperature", "10"}}, "raw", nullptr, nullptr},
        {{{"IncrementalTemperature", "warm"}, {"IncrementalTint", "cold"}}, "raw", nullptr, nullptr},
        {{}, "srgb", nullptr, nullptr},
        {{{"Tint", "200"}}, "raw", "5000", "50.000000"},
        {{{"Temperature", "6500"}, {"Tint", "200"}}, "srgb", "6500", "36.000000"},
        {{{"Temperature", "20000"}, {"Tint", "-200"}}, "srgb", "14000", "-50.000000"},
        {{{"Temperature", "800"}, {"Tint", "150"}}, "srgb", "800", "28.000000"},
    };
    int row = 0;
    for (auto const& c : cases) {
        stage_fixture f(c.settings, c.colorspace);
        convert_white_balance(f.context);
        expect_key(f.style, "WhiteBalanceTemperature", c.temperature, row);
        expect_key(f.style, "WhiteBalanceTint", c.tint, row);
        ++row;
    }
}

TEST(convert_white_balance, warns_once_about_an_unknown_colour_space_and_does_not_shift)
{
    message_capture capture;
    stage_fixture f({{"Temperature", "6500"}, {"Tint", "10"}}, "foo");
    convert_white_balance(f.context);
    EXPECT_EQ(f.style.value("WhiteBalanceTint"), "3.333333");
    EXPECT_EQ(message_capture::lines(),
              QStringList{"warning: get_tint_shift: Unknown color space: foo. Not ofsetting."});
}

TEST(convert_white_balance, logs_nothing_without_a_temperature)
{
    message_capture capture;
    stage_fixture f({{"Tint", "10"}}, "foo");
    convert_white_balance(f.context);
    EXPECT_EQ(f.style.value("WhiteBalanceTint"), "3.333333");
    EXPECT_TRUE(message_capture::lines().isEmpty());
}

TEST(get_tint_shift, follows_the_table_of_the_colour_space)
{
    struct shift_case {
        char const* colour_space;
        float temperature;
        float shift;
    };
    shift_case const cases[] = {
        {"srgb", 6500, -14},       {"adobe", 6500, -14},       {"prophoto", 6500, -15.5f}, {"widegamut", 6500, -15},
        {"srgb", 5000, 0},         {"srgb", 100, -22},         {"prophoto", 20000, -40},   {"prophoto", 10500, -38.5f},
        {"widegamut", 800, -7.6f}, {"widegamut", 2900, -3.8f}, {"raw", 6500, 0},
    };
    for (auto const& c : cases) {
        colour_target const target = choose_colour_target(shared_writer(), QLatin1String(c.colour_space));
        EXPECT_EQ(get_tint_shift(target, c.temperature), c.shift) << c.colour_space << ' ' << c.temperature;
    }
}

TEST(get_tint_shift, compares_the_colour_space_exactly)
{
    auto const shift = [](QString const& colour_space) {
        return get_tint_shift(choose_colour_target(shared_writer(), colour_space), 6500);
    };
    message_capture capture;
    EXPECT_EQ(shift("SRGB"), 0);
    EXPECT_EQ(shift(QString::fromUtf8("sRGB\xc3\xa9")), 0);
    EXPECT_EQ(shift("raw"), 0);
    EXPECT_EQ(message_capture::lines(),
              (QStringList{"warning: get_tint_shift: Unknown color space: SRGB. Not ofsetting.",
                           QString::fromUtf8("warning: get_tint_shift: Unknown color space: sRGB\xc3\xa9. "
                                             "Not ofsetting.")}));
}

TEST(map_to_points, interpolates_within_the_segment)
{
    QVector<QPointF> const points{{1, 10}, {3, 20}, {7, 0.5}};
    EXPECT_EQ(map_to_points(points, 2), 15);
    EXPECT_EQ(map_to_points(points, 1), 10);
    EXPECT_EQ(map_to_points(points, 7), 0.5f);
    EXPECT_EQ(map_to_points(points, 5), 10.25f);
}

TEST(map_to_points, serves_an_inner_point_from_the_segment_ending_there)
{
    QVector<QPointF> const step{{1, 1}, {2, 2}, {2, 5}, {3, 6}};
    EXPECT_EQ(map_to_points(step, 2), 2);
    EXPECT_EQ(map_to_points(step, 2.5f), 5.5f);
}

TEST(map_to_points, warns_and_gives_zero_where_it_finds_no_segment)
{
    float const nan = std::numeric_limits<float>::quiet_NaN();
    QVector<QPointF> const points{{1, 10}, {3, 20}};
    QVector<QPointF> const through_origin{{-1, 5}, {0, 0}, {1, 3}};

    message_capture capture;
    EXPECT_EQ(map_to_points(points, nan), 0);
    EXPECT_EQ(map_to_points(points, 4), 0);
    EXPECT_EQ(map_to_points({{1, 10}}, 1), 0);
    EXPECT_EQ(map_to_points({}, 1), 0);
    EXPECT_EQ(map_to_points(through_origin, 0.5f), 0);
    EXPECT_EQ(message_capture::lines(), (QStringList{"warning: map_to_points failed. nan QPointF(0,0) QPointF(0,0)",
                                                     "warning: map_to_points failed. 4 QPointF(0,0) QPointF(0,0)",
                                                     "warning: map_to_points failed. 1 QPointF(0,0) QPointF(0,0)",
                                                     "warning: map_to_points failed. 1 QPointF(0,0) QPointF(0,0)",
                                                     "warning: map_to_points failed. 0.5 QPointF(0,0) QPointF(1,3)"}));
}
