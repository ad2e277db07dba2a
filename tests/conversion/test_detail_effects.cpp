#include "conversion/colour_target.h"
#include "conversion/costyle_writer.h"
#include "conversion/detail_effects.h"

#include "settings_sandbox.h"
#include "shared_writer.h"

#include <gtest/gtest.h>

#include <vector>

using namespace conversion;

namespace {

style_map run_stage(void (*stage)(style_context&), QMap<QString, QString> const& settings)
{
    lightroom_importer importer;
    importer.settings = settings;
    style_map style;
    colour_target const target = choose_colour_target(shared_writer(), QStringLiteral("raw"));
    style_context context(importer, style, shared_writer(), target, false);
    stage(context);
    return style;
}

QString const dehaze_color = QStringLiteral("0.211999446153641;0.391483038663864;0.239516332745552");

}

TEST(detail, copies_each_value_unscaled)
{
    struct copy_case {
        char const* preset_key;
        char const* value;
        char const* style_key;
        char const* expected;
    };
    std::vector<copy_case> const cases{
        {"Sharpness", "40", "UsmAmount", "40.000000"},
        {"SharpenRadius", "1.2", "UsmRadius", "1.200000"},
        {"LuminanceSmoothing", "25", "NrAmount", "25.000000"},
        {"ColorNoiseReduction", "+3", "CnrAmount", "3.000000"},
        {"LuminanceNoiseReductionDetail", "12.5", "NoiseDetailsAmount", "12.500000"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.preset_key);
        EXPECT_EQ(run_stage(convert_detail, {{c.preset_key, c.value}}), (style_map{{c.style_key, c.expected}}));
    }
}

TEST(detail, a_non_numeric_value_skips_only_its_own_key)
{
    style_map const style = run_stage(convert_detail, {{"Sharpness", "abc"},
                                                       {"SharpenRadius", "1"},
                                                       {"LuminanceSmoothing", "2"},
                                                       {"ColorNoiseReduction", "3"},
                                                       {"LuminanceNoiseReductionDetail", "4"}});
    EXPECT_EQ(style, (style_map{{"UsmRadius", "1.000000"},
                                {"NrAmount", "2.000000"},
                                {"CnrAmount", "3.000000"},
                                {"NoiseDetailsAmount", "4.000000"}}));
}

TEST(vignette, combines_amount_and_roundness)
{
    struct vignette_case {
        char const* amount;
        char const* roundness;
        char const* expected;
    };
    std::vector<vignette_case> const cases{
        {"-30", "0", "-2.000000|1|0|1"},    {"-60", "0", "-4.000000|1|0|1"},   {"-90", "0", "-4.000000|1|0|1"},
        {"15", "0", "1.000000|1|0|1"},      {"90", "0", "4.000000|1|0|1"},     {"0", "0", "0.000000|1|0|1"},
        {"-30", "29.9", "-2.000000|1|0|1"}, {"-30", "30", "-2.000000|1|0|0"},  {"-30", "-100", "-2.000000|1|0|1"},
        {"-30", "100", "-2.000000|1|0|0"},  {"-30", "250", "-2.000000|1|0|0"}, {"-30", "-250", "-2.000000|1|0|1"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(std::string(c.amount) + " " + c.roundness);
        EXPECT_EQ(run_stage(convert_vignette,
                            {{"PostCropVignetteAmount", c.amount}, {"PostCropVignetteRoundness", c.roundness}}),
                  (style_map{{"Vignetting", c.expected}}));
    }
}

TEST(vignette, needs_both_values_as_numbers)
{
    std::vector<QMap<QString, QString>> const cases{
        {{"PostCropVignetteAmount", "-30"}},
        {{"PostCropVignetteRoundness", "0"}},
        {{"PostCropVignetteAmount", "abc"}, {"PostCropVignetteRoundness", "0"}},
        {{"PostCropVignetteAmount", "-30"}, {"PostCropVignetteRoundness", ""}},
    };
    for (auto const& settings : cases)
        EXPECT_TRUE(run_stage(convert_vignette, settings).isEmpty());
}

TEST(grain, type_follows_the_size_thresholds)
{
    struct grain_case {
        char const* size;
        char const* type;
    };
    std::vector<grain_case> const cases{
        {"10", "0"}, {"10.001", "1"}, {"22", "1"}, {"22.5", "2"}, {"30", "2"}, {"30.5", "4"},
        {"45", "4"}, {"45.001", "5"}, {"-5", "0"}, {"150", "5"},  {"0", "0"},  {"100", "5"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.size);
        EXPECT_EQ(run_stage(convert_grain, {{"GrainAmount", "35"}, {"GrainSize", c.size}}),
                  (style_map{{"FilmGrainAmount", "35.000000"},
                             {"FilmGrainDensity", "0"},
                             {"FilmGrainGranularity", "50"},
                             {"FilmGrainType", c.type}}));
    }
}

TEST(grain, non_numeric_amount_still_writes_the_fixed_keys)
{
    EXPECT_EQ(run_stage(convert_grain, {{"GrainAmount", "abc"}, {"GrainSize", "25"}}),
              (style_map{{"FilmGrainDensity", "0"}, {"FilmGrainGranularity", "50"}, {"FilmGrainType", "2"}}));
}

TEST(grain, writes_nothing_without_both_keys_or_with_a_non_numeric_size)
{
    std::vector<QMap<QString, QString>> const cases{
        {{"GrainSize", "25"}},
        {{"GrainAmount", "25"}},
        {{"GrainAmount", "25"}, {"GrainSize", "abc"}},
        {{"GrainAmount", "25"}, {"GrainSize", ""}},
    };
    for (auto const& settings : cases)
        EXPECT_TRUE(run_stage(convert_grain, settings).isEmpty());
}

TEST(dehaze, amount_and_colour)
{
    struct dehaze_case {
        char const* dehaze;
        char const* amount;
        bool colour;
    };
    std::vector<dehaze_case> const cases{
        {"-10", "-20.000000", true},  {"-60", "-100.000000", true}, {"-0.5", "-1.000000", true},
        {"0", "0.000000", false},     {"-0", "0.000000", false},    {"10", "5.000000", false},
        {"250", "100.000000", false}, {"abc", "0.000000", false},   {"", "0.000000", false},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.dehaze);
        style_map expected{{"DehazeAmount", c.amount}};
        if (c.colour)
            expected[QStringLiteral("DehazeColor")] = dehaze_color;
        EXPECT_EQ(run_stage(convert_dehaze, {{"Dehaze", c.dehaze}}), expected);
    }
}

TEST(dehaze, absent_writes_nothing)
{
    EXPECT_TRUE(run_stage(convert_dehaze, {{"Clarity", "10"}}).isEmpty());
}

TEST(detail_effects, written_by_the_style_writer)
{
    settings_sandbox sandbox;
    lightroom_importer importer;
    importer.settings = {{"Sharpness", "40"},
                         {"PostCropVignetteAmount", "-30"},
                         {"PostCropVignetteRoundness", "0"},
                         {"GrainAmount", "20"},
                         {"GrainSize", "25"},
                         {"Dehaze", "-10"}};
    QString xml;
    ASSERT_TRUE(shared_writer().create_costyle(importer, xml));
    for (auto const* element : {"<E K=\"DehazeAmount\" V=\"-20.000000\"/>", "<E K=\"FilmGrainType\" V=\"2\"/>",
                                "<E K=\"UsmAmount\" V=\"40.000000\"/>", "<E K=\"Vignetting\" V=\"-2.000000|1|0|1\"/>"})
        EXPECT_TRUE(xml.contains(QLatin1String(element))) << element;
}
