#include "conversion/costyle_writer.h"
#include "conversion/lightroom_importer.h"

#include "preset_by_suffix.h"
#include "preset_corpus.h"
#include "qstring_printer.h"
#include "settings_sandbox.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

QString const masked_uuid = QStringLiteral("XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX");

QString convert(lightroom_importer const& importer, QString const& colorspace)
{
    settings_sandbox sandbox;
    sandbox.set(QStringLiteral("colorspace"), colorspace);
    costyle_writer writer;
    QString xml;
    EXPECT_TRUE(writer.create_costyle(importer, xml));
    return xml;
}

// The identifier is new on every call; it must have its form before it is masked.
QString mask_uuid(QString xml)
{
    static QRegularExpression const uuid(
        QStringLiteral("K=\"UUID\" V=\"[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\""));
    EXPECT_EQ(xml.count(uuid), 1);
    return xml.replace(uuid, QStringLiteral("K=\"UUID\" V=\"%1\"").arg(masked_uuid));
}

QString read_expected(QString const& name)
{
    QFile file(QStringLiteral(KESTOVA_FIXTURES "/expected/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

// Line by line, so a failure names the style key that differs.
void expect_same_style(QString const& actual, QString const& expected)
{
    QStringList const actual_lines = actual.split(QLatin1Char('\n'));
    QStringList const expected_lines = expected.split(QLatin1Char('\n'));
    for (int i = 0; i < std::min(actual_lines.size(), expected_lines.size()); ++i)
        EXPECT_EQ(actual_lines[i], expected_lines[i]) << "line " << i + 1;
    EXPECT_EQ(actual_lines.size(), expected_lines.size());
    EXPECT_EQ(actual, expected);
}

struct preset_case {
    char const* preset;
    char const* colorspace;
    char const* expected;
};

void PrintTo(preset_case const& c, std::ostream* out)
{
    *out << c.preset << " as " << c.colorspace;
}

}

class whole_style : public ::testing::TestWithParam<preset_case> {};

TEST_P(whole_style, matches_the_checked_in_style)
{
    preset_case const& c = GetParam();
    if (preset_corpus::holds(QString::fromUtf8(c.preset)))
        SKIP_WITHOUT_PRESET_CORPUS();
    lightroom_importer importer;
    ASSERT_TRUE(read_preset_by_suffix(importer, QString::fromUtf8(c.preset))) << c.preset;
    ASSERT_FALSE(importer.settings.isEmpty()) << c.preset;
    expect_same_style(mask_uuid(convert(importer, QString::fromUtf8(c.colorspace))),
                      read_expected(QString::fromUtf8(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    presets, whole_style,
    ::testing::Values(
        // Lua table, colour: white balance, all process-2012 tone controls, a master curve with
        // lifted black and three channel curves (range correction, sRGB table), split toning
        // with a positive balance, per-colour adjustments, detail, vignette, grain, dehaze.
        preset_case{KESTOVA_CORPUS "/lrtemplate/mehim__Hilary+Adam Option 2.lrtemplate", "srgb",
                    "hilary_adam_option_2_srgb.costyle"},
        // XMP, colour, RAW: negative blacks and whites, highlight recovery, one identity and two
        // compensated channel curves, vibrance block, vignette, positive dehaze.
        preset_case{KESTOVA_CORPUS "/xmp/kiko__Israeli Lights.xmp", "raw", "israeli_lights_raw.costyle"},
        // Lua table, grayscale: black-and-white mixer, toning of the black-and-white style,
        // identity curves, grain type 4, negative dehaze.
        preset_case{KESTOVA_CORPUS "/lrtemplate/mehim__Oldies Sepia.lrtemplate", "adobe", "oldies_sepia_adobe.costyle"},
        // Dot notation, process 2010: incremental white balance, legacy tone controls and
        // clarity, a legacy master curve with two channel curves (Wide Gamut table), split
        // toning with a negative balance and all four parametric values.
        preset_case{KESTOVA_FIXTURES "/dot_notation/dusty_legacy.lrtemplate", "widegamut",
                    "dusty_legacy_widegamut.costyle"}));

TEST(dot_notation_template, reads_what_the_style_relies_on)
{
    lightroom_importer importer;
    ASSERT_TRUE(
        read_preset_by_suffix(importer, QStringLiteral(KESTOVA_FIXTURES "/dot_notation/dusty_legacy.lrtemplate")));
    EXPECT_EQ(importer.name, QStringLiteral("\"Dusty & Faded\""));
    EXPECT_EQ(importer.settings.value(QStringLiteral("Brightness")), QStringLiteral("+40"));
    EXPECT_EQ(importer.settings.value(QStringLiteral("CameraProfile")), QStringLiteral("\"Adobe"));
    EXPECT_EQ(importer.settings.value(QStringLiteral("ToneCurveName")), QStringLiteral("\"Medium Contrast\""));
    EXPECT_FALSE(importer.settings.contains(QStringLiteral("Exposure2012")));
    EXPECT_EQ(importer.settings.value(QStringLiteral("s.value.settings.Exposure2012")), QStringLiteral("2"));
    EXPECT_FALSE(importer.settings.contains(QStringLiteral("ToneCurve")));
    EXPECT_EQ(importer.tone_curve, (QVector<QPoint>{{0, 0}, {64, 56}, {192, 204}, {255, 255}}));
    EXPECT_EQ(importer.tone_curve_red, (QVector<QPoint>{{0, 0}, {128, 140}, {255, 255}}));
    EXPECT_TRUE(importer.tone_curve_green.isEmpty());
    EXPECT_EQ(importer.tone_curve_blue, (QVector<QPoint>{{0, 12}, {255, 240}}));
}

struct grayscale_case {
    char const* value; // nullptr: the key is absent
    bool grayscale;
};

TEST(create_costyle, takes_the_grayscale_flag_from_convert_to_grayscale)
{
    grayscale_case const cases[] = {
        {"TRUE", true}, {"True", true},   {"true", true},   {"1", false},
        {"yes", false}, {nullptr, false}, {"False", false}, {"", false},
    };
    for (grayscale_case const& c : cases) {
        lightroom_importer importer;
        importer.settings[QStringLiteral("GrayMixerRed")] = QStringLiteral("20");
        if (c.value)
            importer.settings[QStringLiteral("ConvertToGrayscale")] = QString::fromUtf8(c.value);
        QString const xml = convert(importer, QStringLiteral("raw"));
        char const* const label = c.value ? c.value : "(absent)";
        EXPECT_EQ(xml.contains(QStringLiteral("<E K=\"BwEnabled\" V=\"1\"/>")), c.grayscale) << label;
        EXPECT_EQ(xml.contains(QStringLiteral("<E K=\"BwRed\" V=\"20.000000\"/>")), c.grayscale) << label;
        EXPECT_EQ(xml.contains(QStringLiteral("K=\"BwDarkHue\"")), c.grayscale) << label;
    }
}
