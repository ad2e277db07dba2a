#include "conversion/costyle_writer.h"
#include "conversion/tone_controls.h"

#include "settings_sandbox.h"
#include "shared_writer.h"
#include "stage_fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace conversion;

namespace {

// The tone stages in the order create_costyle runs them.
void run_tone_stages(style_context& context)
{
    test_legacy(context);
    convert_tone_2010(context);
    convert_tone_2012(context);
    convert_clarity(context);
    convert_saturation(context);
}

// Expected style entries; an empty value means the key must not be written.
using entries = std::vector<std::pair<char const*, std::optional<std::string>>>;
auto const absent = std::nullopt;

struct tone_case {
    setting_pairs settings;
    char const* colorspace;
    entries expected;
};

void check_cases(std::vector<tone_case> const& cases)
{
    int row = 0;
    for (auto const& c : cases) {
        stage_fixture f(c.settings, c.colorspace);
        run_tone_stages(f.context);
        for (auto const& [key, value] : c.expected) {
            if (value)
                EXPECT_EQ(f.style.value(key, "<absent>").toStdString(), *value) << "row " << row << ' ' << key;
            else
                EXPECT_FALSE(f.style.contains(key))
                    << "row " << row << ' ' << key << " = " << f.style.value(key).toStdString();
        }
        ++row;
    }
}

std::string curve(std::string const& p1, std::string const& p2, std::string const& p3, std::string const& p4)
{
    return "0.0000,0.0000;0.2000," + p1 + ";0.4000," + p2 + ";0.6000," + p3 + ";0.8000," + p4 + ";1.0000,1.0000";
}

std::string const identity_curve = "0.0000,0.0000;1.0000,1.0000";
std::string const neutral_curve = curve("0.200000", "0.400000", "0.600000", "0.800000");

}

TEST(test_legacy, is_set_by_the_presence_of_any_process_2010_key)
{
    for (auto const* key :
         {"Brightness", "Clarity", "Contrast", "Exposure", "FillLight", "HighlightRecovery", "Shadows"}) {
        stage_fixture f(setting_pairs{{key, ""}});
        test_legacy(f.context);
        EXPECT_TRUE(f.context.legacy) << key;
        EXPECT_TRUE(f.style.isEmpty()) << key;
    }
    for (setting_pairs const& settings : std::vector<setting_pairs>{
             {}, {{"Exposure2012", "1"}, {"Clarity2012", "30"}, {"Shadows2012", "5"}}, {{"exposure", "1"}}}) {
        stage_fixture f(settings);
        f.context.legacy = true;
        test_legacy(f.context);
        EXPECT_FALSE(f.context.legacy);
    }
}

TEST(convert_tone_2010, maps_the_crossed_legacy_controls)
{
    check_cases({
        {{{"Exposure", "-1"}}, "raw", {{"Brightness", "-19.999998"}, {"Exposure", absent}}},
        {{{"Exposure", "1"}}, "raw", {{"Brightness", "28.571430"}}},
        {{{"Exposure", "-4"}}, "raw", {{"Brightness", "-50.000000"}}},
        {{{"Brightness", "75"}}, "raw", {{"Exposure", "1.500000"}, {"Brightness", absent}}},
        {{{"Brightness", "-200"}}, "raw", {{"Exposure", "-3.000000"}}},
        {{{"Contrast", "-50"}}, "raw", {{"Contrast", "-25.000000"}}},
        {{{"Contrast", "50"}}, "raw", {{"Contrast", "20.000000"}}},
        {{{"FillLight", "20"}}, "raw", {{"ShadowRecovery", "50.000000"}}},
        {{{"FillLight", "-5"}}, "raw", {{"ShadowRecovery", "0.000000"}}},
        {{{"HighlightRecovery", "60"}}, "raw", {{"HighlightRecovery", "30.000002"}}},
        {{{"Shadows", "21"}},
         "raw",
         {{"Shadow", "0.0000;0.0000;0.0000;0.094546"}, {"TargetShadow", "0.0000;0.0000;0.0000;0.0000"}}},
        {{{"Shadows", "100"}}, "raw", {{"Shadow", "0.0000;0.0000;0.0000;0.189092"}}},
        {{{"Shadows", "dark"}}, "raw", {{"Shadow", absent}, {"TargetShadow", absent}}},
        {{{"Exposure", "abc"}, {"Brightness", ""}}, "raw", {{"Brightness", absent}, {"Exposure", absent}}},
    });
}

TEST(convert_tone_2010, runs_only_for_legacy_presets)
{
    stage_fixture f({{"Brightness", "75"}, {"Shadows", "21"}});
    convert_tone_2010(f.context);
    EXPECT_TRUE(f.style.isEmpty());
}

TEST(convert_tone_2012, maps_exposure_and_contrast_over_the_legacy_values)
{
    check_cases({
        {{{"Exposure2012", "1"}}, "raw", {{"Exposure", "1.142857"}, {"Brightness", absent}}},
        {{{"Exposure", "1"}, {"Exposure2012", "1"}}, "raw", {{"Brightness", "28.571430"}, {"Exposure", "1.142857"}}},
        {{{"Exposure2012", "-5"}}, "raw", {{"Exposure", "-4.000000"}}},
        {{{"Contrast", "50"}, {"Contrast2012", "-50"}}, "raw", {{"Contrast", "-25.000000"}}},
        {{{"FillLight", "20"}, {"Shadows2012", "50"}}, "raw", {{"ShadowRecovery", "40.000000"}}},
        {{{"Shadows", "21"}, {"Blacks2012", "-100"}}, "raw", {{"Shadow", "0.0000;0.0000;0.0000;0.189092"}}},
        {{{"HighlightRecovery", "60"}, {"Highlights2012", "-50"}}, "raw", {{"HighlightRecovery", "25.000000"}}},
        {{{"HighlightRecovery", "60"}, {"Highlights2012", "-50"}}, "srgb", {{"HighlightRecovery", "30.000002"}}},
    });
}

TEST(convert_tone_2012, shapes_the_luminance_curve)
{
    check_cases({
        {{{"Shadows2012", "50"}}, "raw", {{"ShadowRecovery", "40.000000"}, {"GradationCurveY", neutral_curve}}},
        {{{"Shadows2012", "150"}}, "raw", {{"ShadowRecovery", "80.000000"}}},
        {{{"Shadows2012", "0"}}, "raw", {{"GradationCurveY", identity_curve}, {"ShadowRecovery", absent}}},
        {{{"Shadows2012", "x"}}, "raw", {{"GradationCurveY", identity_curve}}},
        {{{"Shadows2012", "-50"}},
         "raw",
         {{"GradationCurveY", curve("0.175000", "0.400000", "0.600000", "0.800000")}, {"ShadowRecovery", absent}}},
        {{{"Shadows2012", "-150"}},
         "raw",
         {{"GradationCurveY", curve("0.150000", "0.400000", "0.600000", "0.800000")}}},
        {{{"Highlights2012", "-50"}},
         "raw",
         {{"GradationCurveY", curve("0.200000", "0.375000", "0.565000", "0.765000")},
          {"HighlightRecovery", "25.000000"}}},
        {{{"Highlights2012", "-200"}},
         "raw",
         {{"GradationCurveY", curve("0.200000", "0.350000", "0.530000", "0.730000")},
          {"HighlightRecovery", "50.000000"}}},
        {{{"Highlights2012", "-50"}}, "prophoto", {{"HighlightRecovery", absent}}},
        {{{"Highlights2012", "50"}},
         "raw",
         {{"GradationCurveY", curve("0.200000", "0.400000", "0.655000", "0.865000")}, {"HighlightRecovery", absent}}},
        {{{"Highlights2012", "0"}}, "raw", {{"GradationCurveY", identity_curve}}},
        {{{"Highlights2012", "bright"}}, "raw", {{"GradationCurveY", identity_curve}}},
        {{{"Highlights2012", "bright"}, {"Shadows2012", "50"}}, "raw", {{"GradationCurveY", neutral_curve}}},
        {{{"Blacks2012", "100"}}, "raw", {{"GradationCurveY", curve("0.250000", "0.435000", "0.600000", "0.800000")}}},
        {{{"Blacks2012", "30"}}, "raw", {{"GradationCurveY", curve("0.215000", "0.410500", "0.600000", "0.800000")}}},
        {{{"Blacks2012", "0"}}, "raw", {{"GradationCurveY", identity_curve}}},
        {{{"Shadows2012", "-50"}, {"Highlights2012", "-50"}, {"Blacks2012", "100"}},
         "raw",
         {{"GradationCurveY", curve("0.225000", "0.410000", "0.565000", "0.765000")}}},
        {{}, "raw", {{"GradationCurveY", absent}}},
    });
}

TEST(convert_tone_2012, sets_the_levels_for_blacks_and_whites)
{
    check_cases({
        {{{"Blacks2012", "-50"}},
         "raw",
         {{"Shadow", "0.0000;0.0000;0.0000;0.094546"},
          {"TargetShadow", "0.0000;0.0000;0.0000;0.0000"},
          {"GradationCurveY", absent}}},
        {{{"Blacks2012", "-100"}}, "raw", {{"Shadow", "0.0000;0.0000;0.0000;0.189092"}}},
        {{{"Blacks2012", "-300"}}, "raw", {{"Shadow", "0.0000;0.0000;0.0000;0.189092"}}},
        {{{"Blacks2012", "50"}}, "raw", {{"Shadow", absent}, {"TargetShadow", absent}}},
        {{{"Whites2012", "-50"}},
         "raw",
         {{"Midtone", "0;0;0;0.018250"}, {"Highlight", "1;1;1;1"}, {"TargetHighlight", "1;1;1;0.917150"}}},
        {{{"Whites2012", "-100"}}, "srgb", {{"Midtone", "0;0;0;0.036500"}, {"TargetHighlight", "1;1;1;0.834300"}}},
        {{{"Whites2012", "50"}},
         "srgb",
         {{"Highlight", "1;1;1;0.921750"}, {"TargetHighlight", "1;1;1;1"}, {"Midtone", absent}}},
        {{{"Whites2012", "50"}}, "raw", {{"Highlight", "1;1;1;0.750000"}, {"TargetHighlight", "1;1;1;1"}}},
        {{{"Whites2012", "100"}}, "adobe", {{"Highlight", "1;1;1;0.843500"}}},
        {{{"Whites2012", "100"}}, "raw", {{"Highlight", "1;1;1;0.500000"}}},
        {{{"Whites2012", "0"}}, "foo", {{"Highlight", "1;1;1;1.000000"}, {"TargetHighlight", "1;1;1;1"}}},
        {{{"Whites2012", "white"}}, "raw", {{"Highlight", absent}, {"TargetHighlight", absent}}},
    });
}

TEST(convert_clarity, takes_the_key_of_the_process_version)
{
    check_cases({
        {{{"Clarity", "30"}},
         "raw",
         {{"Clarity", "30.000000"}, {"ClarityMethod", "2"}, {"ClarityStructure", "10.000000"}}},
        {{{"Clarity2012", "30"}},
         "raw",
         {{"Clarity", "30.000000"}, {"ClarityMethod", "2"}, {"ClarityStructure", "10.000000"}}},
        {{{"Clarity2012", "7.5"}}, "raw", {{"Clarity", "7.500000"}, {"ClarityStructure", "2.500000"}}},
        {{{"Clarity2012", "150"}}, "raw", {{"Clarity", "100.000000"}, {"ClarityStructure", "33.333332"}}},
        {{{"Exposure", "0"}, {"Clarity2012", "30"}},
         "raw",
         {{"Clarity", absent}, {"ClarityMethod", absent}, {"ClarityStructure", absent}}},
        {{{"Clarity", "20"}, {"Clarity2012", "30"}}, "raw", {{"Clarity", "20.000000"}}},
        {{{"Clarity2012", "crisp"}}, "raw", {{"Clarity", absent}, {"ClarityMethod", absent}}},
    });
}

TEST(convert_saturation, copies_the_number)
{
    check_cases({
        {{{"Saturation", "25"}}, "raw", {{"Saturation", "25.000000"}}},
        {{{"Saturation", "-100"}}, "raw", {{"Saturation", "-100.000000"}}},
        {{{"Saturation", "abc"}}, "raw", {{"Saturation", absent}}},
    });
}

TEST(create_costyle, runs_the_tone_stages_after_the_legacy_test_with_the_chosen_colour_space)
{
    settings_sandbox sandbox;
    sandbox.set("colorspace", "srgb");
    lightroom_importer importer;
    importer.name = "Legacy";
    importer.settings = {{"Exposure", "-1"},      {"Clarity", "30"}, {"Clarity2012", "10"},
                         {"Temperature", "6500"}, {"Tint", "10"},    {"Whites2012", "50"}};
    QString xml;
    ASSERT_TRUE(shared_writer().create_costyle(importer, xml));
    for (auto const* line :
         {"<E K=\"Brightness\" V=\"-19.999998\"/>", "<E K=\"Clarity\" V=\"30.000000\"/>",
          "<E K=\"ClarityStructure\" V=\"10.000000\"/>", "<E K=\"Highlight\" V=\"1;1;1;0.921750\"/>",
          "<E K=\"WhiteBalanceTemperature\" V=\"6500\"/>", "<E K=\"WhiteBalanceTint\" V=\"-10.666666\"/>"})
        EXPECT_TRUE(xml.contains(QLatin1String("\n    ") + line + '\n')) << line;
}
