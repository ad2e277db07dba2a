#include "conversion/bw_split_toning.h"

#include "conversion/colour_target.h"
#include "conversion/costyle_writer.h"
#include "conversion/split_tone_color.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using namespace conversion;

namespace {

using key_values = std::vector<std::pair<char const*, char const*>>;

// Runs one stage over a preset of the given settings.
class stage_runner {
public:
    explicit stage_runner(costyle_writer const& writer) : writer(writer) {}

    style_map run(void (*stage)(style_context&), key_values const& settings, bool grayscale,
                  QString const& colorspace = QStringLiteral("raw"))
    {
        lightroom_importer importer;
        for (auto const& [key, value] : settings)
            importer.settings.insert(QLatin1String(key), QLatin1String(value));
        style_map style;
        colour_target const target = choose_colour_target(writer, colorspace);
        style_context context(importer, style, writer, target, grayscale);
        stage(context);
        return style;
    }

private:
    costyle_writer const& writer;
};

// A writer whose sRGB table is the identity, so converted hues are known.
std::unique_ptr<costyle_writer> identity_srgb_writer()
{
    auto writer = std::make_unique<costyle_writer>();
    fill_identity_lut(writer->lut_srgb);
    return writer;
}

std::string style_value(style_map const& style, char const* key)
{
    return style.value(QLatin1String(key), QStringLiteral("<absent>")).toStdString();
}

void expect_keys(style_map const& style, key_values const& expected)
{
    for (auto const& [key, value] : expected)
        EXPECT_EQ(style_value(style, key), value) << key;
}

struct stage_case {
    char const* name;
    key_values settings;
    key_values expected;
};

std::ostream& operator<<(std::ostream& out, stage_case const& c)
{
    return out << c.name;
}

// Black-and-white mixer.

class bw_mixer_test : public ::testing::TestWithParam<stage_case> {};

TEST_P(bw_mixer_test, writes_the_six_sliders)
{
    costyle_writer const writer;
    style_map const style = stage_runner(writer).run(convert_bw_mixer, GetParam().settings, true);
    EXPECT_EQ(style.size(), 7);
    EXPECT_EQ(style_value(style, "BwEnabled"), "1");
    expect_keys(style, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    gray_mixes, bw_mixer_test,
    ::testing::Values(stage_case{"nothing_set",
                                 {},
                                 {{"BwRed", "0.000000"},
                                  {"BwYellow", "0.000000"},
                                  {"BwGreen", "0.000000"},
                                  {"BwCyan", "0.000000"},
                                  {"BwBlue", "0.000000"},
                                  {"BwMagenta", "0.000000"}}},
                      stage_case{"orange_spills_into_red_and_yellow",
                                 {{"GrayMixerOrange", "100"}, {"GrayMixerRed", "80"}},
                                 {{"BwRed", "100.000000"}, {"BwYellow", "50.000000"}, {"BwMagenta", "0.000000"}}},
                      stage_case{"negative_orange_clamps_low",
                                 {{"GrayMixerOrange", "-100"}, {"GrayMixerYellow", "-80"}},
                                 {{"BwRed", "-50.000000"}, {"BwYellow", "-100.000000"}}},
                      stage_case{"purple_spills_into_magenta_and_blue",
                                 {{"GrayMixerPurple", "60"}, {"GrayMixerMagenta", "10"}, {"GrayMixerBlue", "-20"}},
                                 {{"BwMagenta", "40.000000"}, {"BwBlue", "10.000002"}, {"BwRed", "0.000000"}}},
                      stage_case{"red_green_and_aqua_are_clamped",
                                 {{"GrayMixerRed", "150"}, {"GrayMixerGreen", "150"}, {"GrayMixerAqua", "-150"}},
                                 {{"BwRed", "100.000000"}, {"BwGreen", "100.000000"}, {"BwCyan", "-100.000000"}}},
                      stage_case{"orange_is_clamped_before_halving",
                                 {{"GrayMixerOrange", "300"}, {"GrayMixerYellow", "10"}},
                                 {{"BwRed", "50.000000"}, {"BwYellow", "60.000000"}}},
                      stage_case{
                          "mapping_rounds_in_single_precision",
                          {{"GrayMixerYellow", "-49.98"}, {"GrayMixerMagenta", "6.28"}, {"GrayMixerGreen", "-49.98"}},
                          {{"BwYellow", "-49.979996"}, {"BwMagenta", "6.280001"}, {"BwGreen", "-49.980000"}}},
                      stage_case{"unparsable_values_count_as_zero",
                                 {{"GrayMixerRed", "abc"}, {"GrayMixerGreen", ""}, {"GrayMixerOrange", "40"}},
                                 {{"BwRed", "20.000000"}, {"BwGreen", "0.000000"}}}),
    [](auto const& info) { return std::string(info.param.name); });

TEST(bw_mixer, is_skipped_for_colour_presets)
{
    costyle_writer const writer;
    style_map const style = stage_runner(writer).run(convert_bw_mixer, {{"GrayMixerRed", "50"}}, false);
    EXPECT_TRUE(style.isEmpty());
}

// Split toning: colour presets.

class colour_balance_test : public ::testing::TestWithParam<stage_case> {};

TEST_P(colour_balance_test, writes_shadow_midtone_and_highlight)
{
    auto const writer = identity_srgb_writer();
    style_map const style = stage_runner(*writer).run(convert_split_toning, GetParam().settings, false);
    EXPECT_EQ(style.size(), 3);
    expect_keys(style, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(tone_factors, colour_balance_test,
                         ::testing::Values(stage_case{"parametric_shadows_darken",
                                                      {{"ParametricShadows", "-40"}},
                                                      {{"ColorBalanceShadow", "0.900000;0.900000;0.900000"},
                                                       {"ColorBalanceMidtone", "1.000000;1.000000;1.000000"},
                                                       {"ColorBalanceHighlight", "1.000000;1.000000;1.000000"}}},
                                           stage_case{"parametric_lights_brighten",
                                                      {{"ParametricLights", "40"}},
                                                      {{"ColorBalanceShadow", "1.000000;1.000000;1.000000"},
                                                       {"ColorBalanceMidtone", "1.111111;1.111111;1.111111"},
                                                       {"ColorBalanceHighlight", "1.000000;1.000000;1.000000"}}},
                                           stage_case{"positive_shadows_leave_shadows_alone",
                                                      {{"ParametricShadows", "40"}},
                                                      {{"ColorBalanceShadow", "1.000000;1.000000;1.000000"}}},
                                           stage_case{"negative_darks_darken_shadows",
                                                      {{"ParametricDarks", "-40"}},
                                                      {{"ColorBalanceShadow", "0.900000;0.900000;0.900000"},
                                                       {"ColorBalanceMidtone", "1.000000;1.000000;1.000000"}}},
                                           stage_case{"positive_darks_brighten_midtones",
                                                      {{"ParametricDarks", "40"}},
                                                      {{"ColorBalanceShadow", "1.000000;1.000000;1.000000"},
                                                       {"ColorBalanceMidtone", "1.111111;1.111111;1.111111"}}},
                                           stage_case{"shadows_and_darks_are_clamped_together",
                                                      {{"ParametricShadows", "-80"}, {"ParametricDarks", "-60"}},
                                                      {{"ColorBalanceShadow", "0.750000;0.750000;0.750000"}}},
                                           stage_case{"darks_and_lights_are_clamped_together",
                                                      {{"ParametricDarks", "60"}, {"ParametricLights", "80"}},
                                                      {{"ColorBalanceMidtone", "1.333333;1.333333;1.333333"}}},
                                           stage_case{"negative_highlights",
                                                      {{"ParametricHighlights", "-100"}},
                                                      {{"ColorBalanceHighlight", "0.750000;0.750000;0.750000"}}},
                                           stage_case{"highlights_are_clamped_to_the_slider",
                                                      {{"ParametricHighlights", "200"}},
                                                      {{"ColorBalanceHighlight", "1.333333;1.333333;1.333333"}}},
                                           stage_case{"highlights_from_400_count_as_the_slider_end",
                                                      {{"ParametricHighlights", "400"}},
                                                      {{"ColorBalanceHighlight", "1.333333;1.333333;1.333333"}}},
                                           stage_case{"an_unparsable_key_still_counts_as_present",
                                                      {{"ParametricLights", "abc"}},
                                                      {{"ColorBalanceShadow", "1.000000;1.000000;1.000000"},
                                                       {"ColorBalanceMidtone", "1.000000;1.000000;1.000000"},
                                                       {"ColorBalanceHighlight", "1.000000;1.000000;1.000000"}}}),
                         [](auto const& info) { return std::string(info.param.name); });

// With the identity sRGB table hue 0 stays red (255, 0, 0), hue 120 green
// and hue 30 becomes orange (255, 128, 0).
INSTANTIATE_TEST_SUITE_P(
    tints_and_balance, colour_balance_test,
    ::testing::Values(
        stage_case{"shadow_tint_reaches_a_quarter_into_the_midtones",
                   {{"SplitToningShadowSaturation", "50"}},
                   {{"ColorBalanceShadow", "1.000000;0.700000;0.700000"},
                    {"ColorBalanceMidtone", "1.000000;0.925000;0.925000"},
                    {"ColorBalanceHighlight", "1.000000;1.000000;1.000000"}}},
        stage_case{"shadow_saturation_counts_at_most_50",
                   {{"SplitToningShadowSaturation", "100"}, {"SplitToningBalance", "40"}},
                   {{"ColorBalanceShadow", "1.000000;0.700000;0.700000"},
                    {"ColorBalanceMidtone", "1.000000;1.000000;1.000000"}}},
        stage_case{
            "shadow_hue_30",
            {{"SplitToningShadowHue", "30"}, {"SplitToningShadowSaturation", "50"}, {"SplitToningBalance", "40"}},
            {{"ColorBalanceShadow", "1.000000;0.850588;0.700000"}}},
        stage_case{"highlight_tint_without_blend",
                   {{"SplitToningHighlightHue", "120"},
                    {"SplitToningHighlightSaturation", "25"},
                    {"SplitToningBalance", "40"}},
                   {{"ColorBalanceShadow", "1.000000;1.000000;1.000000"},
                    {"ColorBalanceMidtone", "0.850000;1.000000;0.850000"},
                    {"ColorBalanceHighlight", "0.950000;1.000000;0.950000"}}},
        stage_case{"highlight_saturation_counts_at_most_50",
                   {{"SplitToningHighlightHue", "120"},
                    {"SplitToningHighlightSaturation", "100"},
                    {"SplitToningBalance", "40"}},
                   {{"ColorBalanceMidtone", "0.700000;1.000000;0.700000"},
                    {"ColorBalanceHighlight", "0.900000;1.000000;0.900000"}}},
        stage_case{"positive_balance_tints_the_shadows",
                   {{"SplitToningHighlightHue", "120"},
                    {"SplitToningHighlightSaturation", "25"},
                    {"SplitToningBalance", "100"}},
                   {{"ColorBalanceShadow", "0.887500;1.000000;0.887500"},
                    {"ColorBalanceMidtone", "0.850000;1.000000;0.850000"},
                    {"ColorBalanceHighlight", "0.950000;1.000000;0.950000"}}},
        stage_case{"full_negative_balance_gives_the_midtones_the_shadow_tint",
                   {{"SplitToningShadowSaturation", "50"},
                    {"SplitToningHighlightHue", "120"},
                    {"SplitToningHighlightSaturation", "25"},
                    {"SplitToningBalance", "-100"}},
                   {{"ColorBalanceShadow", "1.000000;0.700000;0.700000"},
                    {"ColorBalanceMidtone", "1.000000;0.700000;0.700000"},
                    {"ColorBalanceHighlight", "0.950000;1.000000;0.950000"}}},
        stage_case{"tint_and_tone_multiply",
                   {{"SplitToningShadowSaturation", "50"}, {"SplitToningBalance", "40"}, {"ParametricShadows", "-40"}},
                   {{"ColorBalanceShadow", "0.900000;0.630000;0.630000"}}}),
    [](auto const& info) { return std::string(info.param.name); });

TEST(split_toning, colour_preset_without_toning_keys_writes_nothing)
{
    costyle_writer const writer;
    style_map const style = stage_runner(writer).run(convert_split_toning, {{"Saturation", "20"}}, false);
    EXPECT_TRUE(style.isEmpty());
}

// Split toning: black-and-white presets.

class bw_toning_test : public ::testing::TestWithParam<stage_case> {};

TEST_P(bw_toning_test, writes_dark_and_light_toning)
{
    auto const writer = identity_srgb_writer();
    style_map const style = stage_runner(*writer).run(convert_split_toning, GetParam().settings, true);
    expect_keys(style, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    toning, bw_toning_test,
    ::testing::Values(
        stage_case{"nothing_set",
                   {},
                   {{"BwDarkHue", "0.000000"},
                    {"BwDarkSaturation", "0.000000"},
                    {"BwLightHue", "0.000000"},
                    {"BwLightSaturation", "0.000000"},
                    {"ColorBalanceShadow", "<absent>"},
                    {"ColorBalanceMidtone", "<absent>"},
                    {"ColorBalanceHighlight", "<absent>"}}},
        stage_case{"saturations",
                   {{"SplitToningShadowSaturation", "70"}, {"SplitToningHighlightSaturation", "100"}},
                   {{"BwDarkSaturation", "70.000000"},
                    {"BwLightSaturation", "40.000000"},
                    {"ColorBalanceShadow", "1.000000;1.000000;1.000000"},
                    {"ColorBalanceMidtone", "1.000000;1.000000;1.000000"},
                    {"ColorBalanceHighlight", "1.000000;1.000000;1.000000"}}},
        stage_case{"converted_hues",
                   {{"SplitToningShadowHue", "30"}, {"SplitToningHighlightHue", "45.5"}},
                   {{"BwDarkHue", "30.000000"}, {"BwLightHue", "45.467999"}}},
        stage_case{"tone_factors_alone",
                   {{"SplitToningShadowSaturation", "50"}, {"SplitToningBalance", "100"}, {"ParametricLights", "40"}},
                   {{"ColorBalanceShadow", "1.000000;1.000000;1.000000"},
                    {"ColorBalanceMidtone", "1.111111;1.111111;1.111111"},
                    {"ColorBalanceHighlight", "1.000000;1.000000;1.000000"}}}),
    [](auto const& info) { return std::string(info.param.name); });

TEST(split_toning, a_hue_beyond_int_range_saturates_and_nan_counts_as_zero)
{
    auto const writer = identity_srgb_writer();
    style_map const style = stage_runner(*writer).run(
        convert_split_toning, {{"SplitToningShadowHue", "1e12"}, {"SplitToningHighlightHue", "nan"}}, true);
    EXPECT_EQ(style_value(style, "BwDarkHue"), "83.906998");
    EXPECT_EQ(style_value(style, "BwLightHue"), "0.000000");
}

// The hue goes through the sRGB table even when the style targets another
// colour space.
TEST(split_toning, converts_hues_through_the_srgb_table_whatever_the_colour_space)
{
    costyle_writer writer;
    for (auto& entry : writer.lut_srgb.entries)
        entry = {0.0f, 0.5f, 0.0f, 1.0f};
    for (char const* colorspace : {"raw", "prophoto", "adobe", "widegamut", "srgb"}) {
        style_map const style = stage_runner(writer).run(convert_split_toning, {{"SplitToningShadowHue", "300"}}, true,
                                                         QLatin1String(colorspace));
        EXPECT_EQ(style_value(style, "BwDarkHue"), "120.000000") << colorspace;
        EXPECT_EQ(style_value(style, "BwLightHue"), "120.000000") << colorspace;
    }
}

// With the real sRGB table.

TEST(split_tone_color, gives_a_fully_saturated_colour_of_the_returned_hue)
{
    costyle_writer const writer;
    for (auto const& colour : {std::array<int, 3>{192, 64, 64},
                               {192, 128, 64},
                               {64, 192, 64},
                               {64, 64, 192},
                               {192, 64, 192},
                               {64, 192, 192}}) {
        int r = colour[0];
        int g = colour[1];
        int b = colour[2];
        float hue = -1;
        split_tone_color(writer, r, g, b, hue);
        EXPECT_GE(hue, 0.0f);
        EXPECT_LT(hue, 360.0f);
        EXPECT_EQ(std::max({r, g, b}), 255);
        EXPECT_EQ(std::min({r, g, b}), 0);
    }
}

TEST(split_toning, bw_preset_without_keys_uses_the_converted_hue_of_hue_0)
{
    costyle_writer const writer;
    int r = 192;
    int g = 64;
    int b = 64;
    float hue = 0;
    split_tone_color(writer, r, g, b, hue);
    style_map const style = stage_runner(writer).run(convert_split_toning, {}, true);
    EXPECT_EQ(style.size(), 4);
    EXPECT_EQ(style_value(style, "BwDarkHue"), QString::number(double(hue), 'f', 6).toStdString());
    EXPECT_EQ(style_value(style, "BwLightHue"), QString::number(double(hue), 'f', 6).toStdString());
    EXPECT_EQ(style_value(style, "BwDarkSaturation"), "0.000000");
    EXPECT_EQ(style_value(style, "BwLightSaturation"), "0.000000");
}

}
