#include "conversion/colour_target.h"
#include "conversion/costyle_writer.h"
#include "conversion/style_mapping.h"
#include "conversion/style_xml.h"

#include "message_capture.h"
#include "qstring_printer.h"
#include "settings_sandbox.h"
#include "shared_writer.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <type_traits>
#include <utility>
#include <vector>

using namespace conversion;

namespace {

struct mapping_fixture {
    lightroom_importer importer;
    style_map style;
    colour_target target = choose_colour_target(shared_writer(), QStringLiteral("raw"));
    style_context context{importer, style, shared_writer(), target, false};
};

QString convert(lightroom_importer const& importer)
{
    QString xml;
    EXPECT_TRUE(shared_writer().create_costyle(importer, xml));
    return xml;
}

QString mask_uuid(QString xml)
{
    return xml.replace(QRegularExpression(QStringLiteral("K=\"UUID\" V=\"[0-9A-F-]{36}\"")),
                       QStringLiteral("K=\"UUID\" V=\"*\""));
}

}

struct linear_case {
    char const* value;
    float in_min, in_max, out_min, out_max;
    char const* expected;
};

TEST(map_setting_linear, maps_both_sides_of_zero_and_clamps)
{
    linear_case const cases[] = {
        {"-200", -150, 150, -3, 3, "-3.000000"}, {"-75", -150, 150, -3, 3, "-1.500000"},
        {"75", -150, 150, -3, 3, "1.500000"},    {"0", -150, 150, -3, 3, "0.000000"},
        {"400", -150, 150, -3, 3, "3.000000"},   {"-50", -100, 100, -50, 40, "-25.000000"},
        {"50", -100, 100, -50, 40, "20.000000"}, {"+3", 0, 100, 0, 100, "3.000000"},
    };
    for (auto const& c : cases) {
        mapping_fixture f;
        f.importer.settings["In"] = c.value;
        map_setting_linear(f.context, "In", "Out", c.in_min, c.in_max, c.out_min, c.out_max);
        EXPECT_EQ(f.style.value("Out"), c.expected) << c.value;
    }
}

TEST(map_setting_linear, leaves_the_key_alone_for_absent_or_unparsable_values)
{
    for (auto const* value : {"abc", "", "nan", "inf", "-inf", "1e40"}) {
        mapping_fixture f;
        f.importer.settings["In"] = value;
        f.style["Out"] = "earlier";
        map_setting_linear(f.context, "In", "Out", -150, 150, -3, 3);
        map_setting_linear(f.context, "Absent", "Out", -150, 150, -3, 3);
        EXPECT_EQ(f.style.value("Out"), "earlier") << value;
    }
}

TEST(copy_setting, reformats_numbers_and_skips_text)
{
    mapping_fixture f;
    f.importer.settings["A"] = "7";
    f.importer.settings["B"] = "seven";
    f.importer.settings["C"] = "+3";
    copy_setting(f.context, "A", "a");
    copy_setting(f.context, "B", "b");
    copy_setting(f.context, "C", "c");
    EXPECT_EQ(f.style.value("a"), "7.000000");
    EXPECT_FALSE(f.style.contains("b"));
    EXPECT_EQ(f.style.value("c"), "3.000000");
}

TEST(create_costyle, writes_declaration_root_and_escaped_entries)
{
    settings_sandbox sandbox;
    lightroom_importer importer;
    importer.name = "Fish & \"Chips\" <1>\n\t";
    QString const xml = mask_uuid(convert(importer));
    EXPECT_TRUE(xml.startsWith("<?xml version=\"1.0\"?>\n<SL Engine=\"900\">\n    <E K=\""));
    EXPECT_TRUE(xml.contains("\n    <E K=\"Name\" V=\"Fish &amp; &quot;Chips&quot; &lt;1&gt;&#10;&#9;\"/>\n"));
    EXPECT_TRUE(xml.contains("\n    <E K=\"UUID\" V=\"*\"/>\n"));
    EXPECT_TRUE(xml.endsWith("\"/>\n</SL>\n"));
}

TEST(create_costyle, falls_back_to_about_then_to_an_empty_name)
{
    settings_sandbox sandbox;
    lightroom_importer importer;
    EXPECT_TRUE(convert(importer).contains("<E K=\"Name\" V=\"\"/>"));
    importer.settings["about"] = "From about";
    EXPECT_TRUE(convert(importer).contains("<E K=\"Name\" V=\"From about\"/>"));
    importer.name = "Own name";
    EXPECT_TRUE(convert(importer).contains("<E K=\"Name\" V=\"Own name\"/>"));
}

TEST(create_costyle, makes_a_new_upper_case_uuid_every_call)
{
    settings_sandbox sandbox;
    lightroom_importer importer;
    QRegularExpression const uuid(
        QStringLiteral("K=\"UUID\" V=\"([0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12})\""));
    auto const first = uuid.match(convert(importer));
    auto const second = uuid.match(convert(importer));
    ASSERT_TRUE(first.hasMatch());
    ASSERT_TRUE(second.hasMatch());
    EXPECT_NE(first.captured(1), second.captured(1));
}

TEST(costyle_writer, lives_in_a_container)
{
    static_assert(std::is_nothrow_move_constructible<costyle_writer>::value, "vector moves, not copies");
    settings_sandbox sandbox;
    sandbox.set("colorspace", "srgb");
    lightroom_importer importer;
    importer.tone_curve_red = {QPoint(0, 0), QPoint(64, 96), QPoint(255, 255)};
    importer.settings["SplitToningShadowHue"] = "200";
    importer.settings["SplitToningShadowSaturation"] = "30";
    QString const expected = mask_uuid(convert(importer));

    std::vector<costyle_writer> writers;
    for (int i = 0; i < 3; ++i)
        writers.emplace_back();
    std::vector<costyle_writer> moved = std::move(writers);
    costyle_writer assigned;
    assigned = std::move(moved.front());
    moved.front() = std::move(moved.back());
    for (costyle_writer const* writer : {&assigned, &moved.front(), &moved[1]}) {
        QString xml;
        EXPECT_TRUE(writer->create_costyle(importer, xml));
        EXPECT_EQ(mask_uuid(xml), expected);
    }
}

TEST(create_costyle, logs_the_chosen_colour_space_exactly)
{
    struct {
        char const* colorspace;
        char const* line;
    } const cases[] = {
        {"adobe", "debug: Using AdobeRGB colorspace (converting)"},
        {"srgb", "debug: Using sRGB colorspace (converting)"},
        {"prophoto", "debug: Using ProPhoto colorspace (some conversion)"},
        {"widegamut", "debug: Using Wide Gamut RGB colorspace (converting)"},
        {"raw", "debug: Using Wide Gamut RGB colorspace (RAW, some conversion)"},
        {nullptr, "debug: Using Wide Gamut RGB colorspace (RAW, some conversion)"},
    };
    for (auto const& c : cases) {
        settings_sandbox sandbox;
        if (c.colorspace)
            sandbox.set("colorspace", c.colorspace);
        message_capture capture;
        convert(lightroom_importer());
        EXPECT_TRUE(message_capture::lines().contains(c.line)) << c.line;
    }
}

TEST(create_costyle, logs_nothing_for_an_unknown_colour_space)
{
    settings_sandbox sandbox;
    sandbox.set("colorspace", "Adobe");
    message_capture capture;
    convert(lightroom_importer());
    for (auto const& line : message_capture::lines())
        EXPECT_FALSE(line.contains("colorspace")) << line.toStdString();
}

TEST(choose_colour_target, works_out_each_colour_space_once)
{
    costyle_writer const& writer = shared_writer();
    struct {
        char const* setting;
        lut3d const* table;
        bool converts_curves, raw_files, known, shifts_tint;
    } const cases[] = {
        {"adobe", &writer.lut_adobe_rgb, true, false, true, true},
        {"srgb", &writer.lut_srgb, true, false, true, true},
        {"prophoto", &writer.lut_identity, false, false, true, true},
        {"widegamut", &writer.lut_wide_gamut, true, false, true, true},
        {"raw", &writer.lut_wide_gamut, false, true, true, false},
        {"Adobe", &writer.lut_identity, true, false, false, false},
        {"", &writer.lut_identity, true, false, false, false},
    };
    for (auto const& c : cases) {
        colour_target const target = choose_colour_target(writer, QLatin1String(c.setting));
        EXPECT_EQ(target.setting, QLatin1String(c.setting));
        EXPECT_EQ(&target.table, c.table) << c.setting;
        EXPECT_EQ(target.converts_curves, c.converts_curves) << c.setting;
        EXPECT_EQ(target.raw_files, c.raw_files) << c.setting;
        EXPECT_EQ(target.known, c.known) << c.setting;
        EXPECT_EQ(!target.tint_shifts.isEmpty(), c.shifts_tint) << c.setting;
        EXPECT_EQ(target.log_line != nullptr, c.known) << c.setting;
    }
}

struct check_case {
    char const* label;
    QMap<QString, QString> settings;
    bool white_balance, unsupported, calibration;
};

TEST(check_costyle, raises_each_flag_on_its_own_keys)
{
    check_case const cases[] = {
        {"nothing", {}, false, false, false},
        {"tint zero", {{"Tint", "0"}}, true, false, false},
        {"incremental temperature", {{"IncrementalTemperature", "x"}}, true, false, false},
        {"empty table", {{"RGBTable", ""}}, false, true, false},
        {"hue not a number", {{"RedHue", "abc"}}, false, false, false},
        {"zero hues", {{"RedHue", "0"}, {"GreenHue", "0.0"}}, false, false, false},
        {"blue saturation", {{"BlueSaturation", "-3"}}, false, false, true},
        {"not a number value", {{"ShadowTint", "nan"}}, false, false, true},
        {"all three", {{"Temperature", "5000"}, {"RGBTable", "x"}, {"GreenSaturation", "1"}}, true, true, true},
    };
    for (auto const& c : cases) {
        lightroom_importer importer;
        importer.settings = c.settings;
        bool white_balance = false, unsupported = false, calibration = false;
        shared_writer().check_costyle(white_balance, unsupported, calibration, importer);
        EXPECT_EQ(white_balance, c.white_balance) << c.label;
        EXPECT_EQ(unsupported, c.unsupported) << c.label;
        EXPECT_EQ(calibration, c.calibration) << c.label;
    }
}

TEST(check_costyle, leaves_a_raised_calibration_flag_raised)
{
    bool white_balance = true, unsupported = true, calibration = true;
    shared_writer().check_costyle(white_balance, unsupported, calibration, lightroom_importer());
    EXPECT_FALSE(white_balance);
    EXPECT_FALSE(unsupported);
    EXPECT_TRUE(calibration);
}

TEST(write_style_xml, orders_keys_by_code_unit_and_keeps_the_last_write)
{
    style_map style;
    for (auto const* key : {"UsmAmount", "UUID", "Clarity", "BwYellow", "Name"})
        style[key] = "1";
    style["Clarity"] = "2";
    QString xml;
    write_style_xml(style, xml);
    EXPECT_EQ(xml, "<?xml version=\"1.0\"?>\n"
                   "<SL Engine=\"900\">\n"
                   "    <E K=\"BwYellow\" V=\"1\"/>\n"
                   "    <E K=\"Clarity\" V=\"2\"/>\n"
                   "    <E K=\"Name\" V=\"1\"/>\n"
                   "    <E K=\"UUID\" V=\"1\"/>\n"
                   "    <E K=\"UsmAmount\" V=\"1\"/>\n"
                   "</SL>\n");
}
