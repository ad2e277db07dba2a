#include "conversion/hcl.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

namespace {

struct rgb16_case {
    unsigned short r, g, b;
    int hue, chroma, lightness;
};

std::ostream& operator<<(std::ostream& out, rgb16_case const& c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

class rgb_to_hcl_test : public ::testing::TestWithParam<rgb16_case> {};

TEST_P(rgb_to_hcl_test, gives_hue_chroma_and_lightness)
{
    rgb16_case const& c = GetParam();
    int hue = -1;
    int chroma = -1;
    int lightness = -1;
    varo::rgb_to_hcl(c.r, c.g, c.b, hue, chroma, lightness);
    EXPECT_EQ(hue, c.hue);
    EXPECT_EQ(chroma, c.chroma);
    EXPECT_EQ(lightness, c.lightness);
}

INSTANTIATE_TEST_SUITE_P(
    primaries_and_grays, rgb_to_hcl_test,
    ::testing::Values(rgb16_case{65535, 0, 0, 0, 100000, 50000}, rgb16_case{0, 65535, 0, 120000, 100000, 50000},
                      rgb16_case{0, 0, 65535, 240000, 100000, 50000}, rgb16_case{65535, 65535, 0, 60000, 100000, 50000},
                      rgb16_case{0, 65535, 65535, 180000, 100000, 50000},
                      rgb16_case{65535, 0, 65535, 300000, 100000, 50000}, rgb16_case{0, 0, 0, 0, 0, 0},
                      rgb16_case{30000, 30000, 30000, 0, 0, 45777}, rgb16_case{65535, 65535, 65535, 0, 0, 100000},
                      rgb16_case{255, 0, 0, 0, 389, 194}));

// One colour per case of the hue rule; the 700s show truncation toward zero.
INSTANTIATE_TEST_SUITE_P(
    each_sextant, rgb_to_hcl_test,
    ::testing::Values(rgb16_case{200, 100, 0, 30000, 305, 152}, rgb16_case{200, 0, 100, 330000, 305, 152},
                      rgb16_case{700, 0, 100, 351429, 1068, 534}, rgb16_case{100, 200, 0, 90000, 305, 152},
                      rgb16_case{100, 700, 0, 111429, 1068, 534}, rgb16_case{100, 0, 200, 270000, 305, 152},
                      rgb16_case{0, 100, 200, 210000, 305, 152}, rgb16_case{0, 100, 700, 231429, 1068, 534},
                      rgb16_case{0, 200, 100, 150000, 305, 152}));

struct hcl_case {
    int hue, chroma, lightness;
    int r, g, b;
};

std::ostream& operator<<(std::ostream& out, hcl_case const& c)
{
    return out << "(" << c.hue << ", " << c.chroma << ", " << c.lightness << ")";
}

class hcl_to_rgb_8_test : public ::testing::TestWithParam<hcl_case> {};

TEST_P(hcl_to_rgb_8_test, gives_8_bit_int_channels)
{
    hcl_case const& c = GetParam();
    int r = -1;
    int g = -1;
    int b = -1;
    varo::hcl_to_rgb_8<int>(c.hue, c.chroma, c.lightness, r, g, b);
    EXPECT_EQ(r, c.r);
    EXPECT_EQ(g, c.g);
    EXPECT_EQ(b, c.b);
}

TEST_P(hcl_to_rgb_8_test, gives_the_same_unsigned_char_channels)
{
    hcl_case const& c = GetParam();
    unsigned char r = 1;
    unsigned char g = 1;
    unsigned char b = 1;
    varo::hcl_to_rgb_8<unsigned char>(c.hue, c.chroma, c.lightness, r, g, b);
    EXPECT_EQ(r, c.r);
    EXPECT_EQ(g, c.g);
    EXPECT_EQ(b, c.b);
}

INSTANTIATE_TEST_SUITE_P(
    documented_colours, hcl_to_rgb_8_test,
    ::testing::Values(hcl_case{0, 100000, 50000, 255, 0, 0}, hcl_case{30000, 50000, 50000, 192, 128, 64},
                      hcl_case{60000, 50000, 50000, 192, 192, 64}, hcl_case{-60000, 100000, 50000, 255, 0, 255},
                      hcl_case{360000, 100000, 50000, 255, 0, 0}, hcl_case{0, 100000, 90000, 255, 204, 204}));

INSTANTIATE_TEST_SUITE_P(
    each_sextant, hcl_to_rgb_8_test,
    ::testing::Values(hcl_case{10000, 100000, 50000, 255, 42, 0}, hcl_case{70000, 100000, 50000, 213, 255, 0},
                      hcl_case{90000, 100000, 50000, 128, 255, 0}, hcl_case{120000, 100000, 50000, 0, 255, 0},
                      hcl_case{180000, 100000, 50000, 0, 255, 255}, hcl_case{240000, 100000, 50000, 0, 0, 255},
                      hcl_case{330000, 100000, 50000, 255, 0, 128}));

INSTANTIATE_TEST_SUITE_P(out_of_range_inputs, hcl_to_rgb_8_test,
                         ::testing::Values(hcl_case{0, -5, 50000, 128, 128, 128},
                                           hcl_case{0, 50000, 150000, 255, 255, 255},
                                           hcl_case{0, 100000, 10000, 51, 0, 0}, hcl_case{0, 100000, -1, 0, 0, 0},
                                           hcl_case{-420000, 100000, 50000, 255, 0, 255},
                                           hcl_case{720000, 100000, 50000, 255, 0, 0},
                                           hcl_case{INT_MIN, 100000, 50000, 155, 0, 255}));

TEST(hcl_round_trip, a_saturated_colour_keeps_its_hue)
{
    for (int hue : {0, 15000, 60000, 100000, 150000, 200000, 260000, 310000}) {
        int r = 0;
        int g = 0;
        int b = 0;
        varo::hcl_to_rgb_8<int>(hue, 100000, 50000, r, g, b);
        int back = 0;
        int chroma = 0;
        int lightness = 0;
        varo::rgb_to_hcl(static_cast<unsigned short>(r), static_cast<unsigned short>(g), static_cast<unsigned short>(b),
                         back, chroma, lightness);
        EXPECT_NEAR(back, hue, 250) << hue;
    }
}

}
