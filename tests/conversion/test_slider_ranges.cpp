#include "conversion/costyle_writer.h"
#include "conversion/lightroom_importer.h"

#include "settings_sandbox.h"
#include "shared_writer.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using key_values = std::vector<std::pair<char const*, char const*>>;

// The style's entries, read back from its text.
std::map<std::string, std::string> style_entries(key_values const& settings)
{
    lightroom_importer importer;
    for (auto const& [key, value] : settings)
        importer.settings[QLatin1String(key)] = QLatin1String(value);
    QString xml;
    EXPECT_TRUE(shared_writer().create_costyle(importer, xml));
    std::map<std::string, std::string> entries;
    QRegularExpression const entry(QStringLiteral("<E K=\"([^\"]*)\" V=\"([^\"]*)\"/>"));
    for (auto it = entry.globalMatch(xml); it.hasNext();) {
        auto const match = it.next();
        entries[match.captured(1).toStdString()] = match.captured(2).toStdString();
    }
    return entries;
}

struct slider_case {
    char const* label;
    key_values settings;
    key_values expected;
};

std::vector<slider_case> const slider_cases{
    {"clarity_2012", {{"Clarity2012", "1e30"}}, {{"Clarity", "100.000000"}, {"ClarityStructure", "33.333332"}}},
    {"clarity_2010", {{"Clarity", "-1e30"}}, {{"Clarity", "-100.000000"}, {"ClarityStructure", "-33.333332"}}},
    {"clarity_inside", {{"Clarity2012", "70"}}, {{"Clarity", "70.000000"}, {"ClarityStructure", "23.333334"}}},
    {"saturation", {{"Saturation", "1e30"}}, {{"Saturation", "100.000000"}}},
    {"shadows", {{"Shadows2012", "1e30"}}, {{"ShadowRecovery", "80.000000"}}},
    {"highlights", {{"Highlights2012", "-1e30"}}, {{"HighlightRecovery", "50.000000"}}},
    {"sharpness", {{"Sharpness", "1e30"}}, {{"UsmAmount", "150.000000"}}},
    {"sharpness_inside", {{"Sharpness", "150"}}, {{"UsmAmount", "150.000000"}}},
    {"radius_negative", {{"SharpenRadius", "-5"}}, {{"UsmRadius", "0.500000"}}},
    {"radius_huge", {{"SharpenRadius", "1e30"}}, {{"UsmRadius", "3.000000"}}},
    {"radius_inside", {{"SharpenRadius", "0.5"}}, {{"UsmRadius", "0.500000"}}},
    {"noise_reduction", {{"LuminanceSmoothing", "1e30"}}, {{"NrAmount", "100.000000"}}},
    {"colour_noise", {{"ColorNoiseReduction", "-1e30"}}, {{"CnrAmount", "0.000000"}}},
    {"noise_detail", {{"LuminanceNoiseReductionDetail", "1e30"}}, {{"NoiseDetailsAmount", "100.000000"}}},
    {"grain", {{"GrainAmount", "1e30"}, {"GrainSize", "25"}}, {{"FilmGrainAmount", "100.000000"}}},
    {"gray_mixer",
     {{"ConvertToGrayscale", "True"}, {"GrayMixerGreen", "1e30"}, {"GrayMixerAqua", "-1e30"}},
     {{"BwGreen", "100.000000"}, {"BwCyan", "-100.000000"}}},
    {"toning_saturations",
     {{"ConvertToGrayscale", "True"},
      {"SplitToningShadowSaturation", "1e30"},
      {"SplitToningHighlightSaturation", "1e30"}},
     {{"BwDarkSaturation", "100.000000"}, {"BwLightSaturation", "40.000000"}}},
    {"toning_saturations_negative",
     {{"ConvertToGrayscale", "True"}, {"SplitToningShadowSaturation", "-5"}, {"SplitToningHighlightSaturation", "-5"}},
     {{"BwDarkSaturation", "0.000000"}, {"BwLightSaturation", "0.000000"}}},
    {"parametric_highlights_399",
     {{"ParametricHighlights", "399"}},
     {{"ColorBalanceHighlight", "1.333333;1.333333;1.333333"}}},
    {"parametric_highlights_huge",
     {{"ParametricHighlights", "1e30"}},
     {{"ColorBalanceHighlight", "1.333333;1.333333;1.333333"}}},
    {"parametric_highlights_below",
     {{"ParametricHighlights", "-1e30"}},
     {{"ColorBalanceHighlight", "0.750000;0.750000;0.750000"}}},
    {"parametric_highlights_inside",
     {{"ParametricHighlights", "-40"}},
     {{"ColorBalanceHighlight", "0.900000;0.900000;0.900000"}}},
};

}

TEST(slider_ranges, limit_values_far_outside_a_slider)
{
    settings_sandbox sandbox;
    sandbox.set("colorspace", "raw");
    for (slider_case const& c : slider_cases) {
        SCOPED_TRACE(c.label);
        auto const entries = style_entries(c.settings);
        for (auto const& [key, value] : c.expected) {
            auto const found = entries.find(key);
            ASSERT_NE(found, entries.end()) << key;
            EXPECT_EQ(found->second, value) << key;
        }
    }
}
