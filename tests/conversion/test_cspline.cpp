#include "conversion/cspline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

rozar::cSpline make_spline(std::vector<double> x, std::vector<double> y)
{
    return rozar::cSpline(x, y);
}

std::vector<double> draw_positions(rozar::cSpline const& spline, int resolution)
{
    std::vector<double> positions;
    spline.Draw([&](double p, double) { positions.push_back(p); }, resolution);
    return positions;
}

TEST(cspline, two_points_give_the_straight_line)
{
    rozar::cSpline const spline = make_spline({0, 255}, {0, 255});
    EXPECT_EQ(spline.error, 0);
    ASSERT_EQ(spline.segments.size(), 1u);
    rozar::cSpline::Segment const& s = spline.segments[0];
    EXPECT_EQ(s.a, 0);
    EXPECT_EQ(s.b, 1);
    EXPECT_EQ(s.c, 0);
    EXPECT_EQ(s.d, 0);
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(spline.getY(-10), -10);
    EXPECT_EQ(spline.getY(300), 300);
    EXPECT_EQ(spline.tolerance, 1.0);
}

TEST(cspline, three_points_pass_through_their_values)
{
    rozar::cSpline const spline = make_spline({0, 128, 255}, {0, 150, 255});
    EXPECT_EQ(spline.error, 0);
    ASSERT_EQ(spline.segments.size(), 2u);
    EXPECT_EQ(spline.segments[0].c, 0);
    EXPECT_EQ(spline.segments[0].x, 0);
    EXPECT_EQ(spline.segments[1].x, 128);
    EXPECT_EQ(spline.segments[1].a, 150);
    EXPECT_EQ(spline.getY(128), 150);
    EXPECT_EQ(spline.getY(0), 0);
    EXPECT_NEAR(spline.getY(255), 255, 1e-9);
}

TEST(cspline, coefficients_of_a_natural_spline)
{
    // (0,0), (1,1), (2,0): c1 = -1.5, b0 = 1.5, d0 = -0.5 by hand.
    rozar::cSpline const spline = make_spline({0, 1, 2}, {0, 1, 0});
    ASSERT_EQ(spline.segments.size(), 2u);
    EXPECT_DOUBLE_EQ(spline.segments[0].b, 1.5);
    EXPECT_DOUBLE_EQ(spline.segments[0].d, -0.5);
    EXPECT_DOUBLE_EQ(spline.segments[1].c, -1.5);
    EXPECT_DOUBLE_EQ(spline.segments[1].b, 0);
    EXPECT_DOUBLE_EQ(spline.segments[1].d, 0.5);
    EXPECT_DOUBLE_EQ(spline.getY(0.5), 0.6875);
    EXPECT_DOUBLE_EQ(spline.getY(1.5), 0.6875);
    // Second derivative zero at the right end.
    rozar::cSpline::Segment const& last = spline.segments[1];
    EXPECT_NEAR(2 * last.c + 6 * last.d * 1.0, 0, 1e-12);
}

TEST(cspline, inner_points_use_their_own_segment)
{
    rozar::cSpline const spline = make_spline({0, 60, 130, 200, 255}, {10, 80, 120, 210, 240});
    ASSERT_EQ(spline.segments.size(), 4u);
    EXPECT_EQ(spline.getY(60), 80);
    EXPECT_EQ(spline.getY(130), 120);
    EXPECT_EQ(spline.getY(200), 210);
    EXPECT_NEAR(spline.getY(255), 240, 1e-9);
    rozar::cSpline::Segment const& first = spline.segments.front();
    EXPECT_DOUBLE_EQ(spline.getY(-20), first.a - 20 * first.b + 400 * first.c - 8000 * first.d);
}

struct input_case {
    std::vector<double> x;
    std::vector<double> y;
    int error;
    std::vector<double> x_after;
    std::size_t segments;
};

class cspline_input : public testing::TestWithParam<input_case> {};

TEST_P(cspline_input, is_checked_and_compacted)
{
    input_case const& c = GetParam();
    rozar::cSpline const spline = make_spline(c.x, c.y);
    EXPECT_EQ(spline.error, c.error);
    EXPECT_EQ(spline.x, c.x_after);
    EXPECT_EQ(spline.y, c.y);
    EXPECT_EQ(spline.segments.size(), c.segments);
}

INSTANTIATE_TEST_SUITE_P(cases, cspline_input,
                         testing::Values(input_case{{0, 100, 100, 255}, {0, 1, 2, 3}, 3, {0, 100, 255, 255}, 0},
                                         input_case{{0, 100, 100.5, 255}, {0, 1, 2, 3}, 3, {0, 100, 255, 255}, 0},
                                         input_case{{0, 100, 101, 255}, {0, 1, 2, 3}, 0, {0, 100, 101, 255}, 3},
                                         input_case{{0, 200, 100}, {0, 1, 2}, 1, {0, 200, 100}, 0},
                                         input_case{{}, {}, 2, {}, 0}, input_case{{}, {1}, 2, {}, 0},
                                         input_case{{1}, {}, 2, {1}, 0}, input_case{{42}, {7}, 0, {42}, 0},
                                         input_case{{0, 0.5, 0.9, 10}, {0, 1, 2, 3}, 3, {0, 10, 0.9, 10}, 0}));

TEST(cspline, is_input_sane_reports_and_stores_the_code)
{
    rozar::cSpline spline = make_spline({0, 100}, {0, 1});
    EXPECT_TRUE(spline.IsInputSane());
    spline.y.clear();
    EXPECT_FALSE(spline.IsInputSane());
    EXPECT_EQ(spline.error, 2);
    spline.y = {0, 1, 2};
    spline.x = {0, 50, 50.2};
    EXPECT_FALSE(spline.IsInputSane());
    EXPECT_EQ(spline.error, 3);
    EXPECT_EQ(spline.x, (std::vector<double>{0, 50, 50.2}));
}

TEST(cspline, constructor_leaves_its_arguments_alone)
{
    std::vector<double> x{0, 100, 100, 255};
    std::vector<double> y{0, 1, 2, 3};
    rozar::cSpline const spline(x, y);
    EXPECT_EQ(x, (std::vector<double>{0, 100, 100, 255}));
    EXPECT_EQ(spline.x, (std::vector<double>{0, 100, 255, 255}));
}

struct draw_case {
    std::vector<double> x;
    int resolution;
    std::vector<double> positions;
};

class cspline_draw : public testing::TestWithParam<draw_case> {};

TEST_P(cspline_draw, samples_at_truncated_positions)
{
    draw_case const& c = GetParam();
    std::vector<double> y(c.x.size(), 3.0);
    rozar::cSpline const spline = make_spline(c.x, y);
    EXPECT_EQ(draw_positions(spline, c.resolution), c.positions);
}

INSTANTIATE_TEST_SUITE_P(cases, cspline_draw,
                         testing::Values(draw_case{{0, 10}, 4, {0, 2, 4, 6, 8, 10}},
                                         draw_case{{0.7, 10.2}, 5, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                                         draw_case{{0, 255}, 1, {0, 255}},
                                         // Steps that can't move the position on advance by one.
                                         draw_case{{0, 4}, 100, {0, 1, 2, 3, 4}},
                                         draw_case{{0, 4}, -2, {0, 1, 2, 3, 4}}, draw_case{{0, 4}, 0, {0}},
                                         draw_case{{5}, 3, {5}}, draw_case{{}, 3, {}}));

TEST(cspline, draw_passes_the_curve_values)
{
    rozar::cSpline const spline = make_spline({0, 128, 255}, {0, 150, 255});
    std::vector<std::pair<double, double>> calls;
    spline.Draw([&](double p, double v) { calls.emplace_back(p, v); }, 2);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].first, 127);
    EXPECT_EQ(calls[1].second, spline.getY(127));
    EXPECT_EQ(calls[2].first, 254);
    EXPECT_EQ(calls[2].second, spline.getY(254));
}

TEST(cspline, draw_with_an_empty_callback_throws)
{
    rozar::cSpline const spline = make_spline({0, 10}, {0, 10});
    EXPECT_THROW(spline.Draw(std::function<void(double, double)>(), 2), std::bad_function_call);
}

struct flat_case {
    std::vector<double> x;
    std::vector<double> y;
    double value;
};

class cspline_without_segments : public testing::TestWithParam<flat_case> {};

// No segments: the curve is flat at its first value, or 0 without values.
TEST_P(cspline_without_segments, evaluates_safely)
{
    flat_case const& c = GetParam();
    rozar::cSpline const spline = make_spline(c.x, c.y);
    ASSERT_TRUE(spline.segments.empty());
    for (double X : {-1000.0, 0.0, 17.5, 1e9, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(spline.getY(X), c.value);
    std::vector<double> seen;
    spline.Draw([&](double, double v) { seen.push_back(v); }, 4);
    for (double v : seen)
        EXPECT_EQ(v, c.value);
}

INSTANTIATE_TEST_SUITE_P(cases, cspline_without_segments,
                         testing::Values(flat_case{{42}, {7}, 7}, flat_case{{0, 200, 100}, {5, 6, 7}, 5},
                                         flat_case{{0, 100, 100, 255}, {9, 1, 2, 3}, 9}, flat_case{{}, {}, 0},
                                         flat_case{{}, {4}, 4}, flat_case{{3}, {}, 0}));

TEST(cspline, unequal_lengths_use_the_complete_points)
{
    rozar::cSpline const longer_x = make_spline({0, 100, 200}, {0, 50});
    ASSERT_EQ(longer_x.segments.size(), 1u);
    EXPECT_EQ(longer_x.getY(200), 100);
    rozar::cSpline const longer_y = make_spline({0, 100}, {0, 50, 70});
    ASSERT_EQ(longer_y.segments.size(), 1u);
    EXPECT_EQ(longer_y.getY(50), 25);
}

TEST(cspline, nan_position_falls_to_the_last_segment)
{
    rozar::cSpline const spline = make_spline({0, 128, 255}, {0, 150, 255});
    EXPECT_TRUE(std::isnan(spline.getY(std::numeric_limits<double>::quiet_NaN())));
}

TEST(cspline, draw_stops_on_unbounded_ranges)
{
    double const inf = std::numeric_limits<double>::infinity();
    rozar::cSpline const spline = make_spline({-inf, 0}, {0, 1});
    EXPECT_TRUE(draw_positions(spline, 4).empty());
    rozar::cSpline const huge = make_spline({1e17, 1e17 + 64}, {0, 1});
    EXPECT_EQ(draw_positions(huge, 1000).size(), 5u);
}

}
