#include "conversion/color_correction_templates.h"
#include "conversion/color_corrections.h"
#include "conversion/colour_target.h"
#include "conversion/costyle_writer.h"
#include "conversion/hsl_adjustment.h"

#include "settings_sandbox.h"
#include "shared_writer.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <array>
#include <thread>
#include <vector>

using namespace conversion;

namespace {

QString color_corrections(QMap<QString, QString> const& settings)
{
    lightroom_importer importer;
    importer.settings = settings;
    style_map style;
    colour_target const target = choose_colour_target(shared_writer(), QStringLiteral("raw"));
    style_context context(importer, style, shared_writer(), target, false);
    convert_vibrance(context);
    convert_color_corrections(context);
    EXPECT_EQ(style.size(), 1);
    return style.value(QStringLiteral("ColorCorrections"));
}

// Fields 4 to 6 of the eight colour entries, which follow the vibrance block
// when there is one.
std::vector<QStringList> colour_fields(QString const& value)
{
    QStringList const entries = value.split(QLatin1Char(';'));
    int const first = entries.size() == 16 ? 7 : 0;
    std::vector<QStringList> fields;
    for (int i = first; i < first + 8; ++i)
        fields.push_back(entries[i].split(QLatin1Char(',')).mid(3, 3));
    return fields;
}

QString const zero = QStringLiteral("0.000000");

QString const closing_entry = QStringLiteral(
    "1,1,2,2.36563158035278,-15.9744558334351,0,174,139,97,0,25,-42.1264381408691,25.6254768371582,25,0,0,0,0");

}

TEST(color_correction_templates, have_the_listed_lengths_entries_and_placeholders)
{
    struct template_case {
        QString text;
        int length;
        int entries;
        bool ends_with_semicolon;
    };
    auto const& templates = correction_templates();
    std::vector<template_case> const cases{
        {templates.vibrance_block, 488, 7, true},    {templates.colour_entries[0], 147, 1, true},
        {templates.colour_entries[1], 105, 1, true}, {templates.colour_entries[2], 143, 1, true},
        {templates.colour_entries[3], 119, 1, true}, {templates.colour_entries[4], 148, 1, true},
        {templates.colour_entries[5], 145, 1, true}, {templates.colour_entries[6], 92, 1, true},
        {templates.colour_entries[7], 146, 1, true}, {templates.closing_entry, 104, 1, false},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(c.text.size(), c.length);
        EXPECT_EQ(c.text.endsWith(QLatin1Char(';')), c.ends_with_semicolon);
        QStringList entries = c.text.split(QLatin1Char(';'));
        if (c.ends_with_semicolon)
            entries.removeLast();
        ASSERT_EQ(entries.size(), c.entries);
        for (auto const& entry : entries)
            EXPECT_EQ(entry.split(QLatin1Char(',')).size(), 18);
    }
    EXPECT_EQ(templates.vibrance_block.split(QLatin1Char(';'))[6].split(QLatin1Char(','))[4], QStringLiteral("%1"));
    EXPECT_EQ(templates.vibrance_block.count(QLatin1Char('%')), 1);
    for (auto const& entry : templates.colour_entries)
        EXPECT_EQ(entry.split(QLatin1Char(',')).mid(3, 3), (QStringList{"%1", "%2", "%3"}));
    EXPECT_EQ(templates.closing_entry, closing_entry);
}

TEST(color_correction_templates, are_built_once_and_shared_by_all_threads)
{
    std::array<color_correction_templates const*, 8> seen{};
    std::vector<std::thread> threads;
    for (auto& slot : seen)
        threads.emplace_back([&slot] { slot = &correction_templates(); });
    for (auto& thread : threads)
        thread.join();
    for (auto const* templates : seen)
        EXPECT_EQ(templates, &correction_templates());
}

TEST(hsl_adjustment, reads_the_three_raw_values_and_capitalises_the_colour)
{
    lightroom_importer importer;
    importer.settings = {
        {"HueAdjustmentAqua", "250"}, {"SaturationAdjustmentAqua", "-7.5"}, {"LuminanceAdjustmentAqua", "abc"}};
    bool corrections = false;
    QString colour = QStringLiteral("aqua");
    float hue = 1, saturation = 1, luminance = 1;
    hsl_adjustment({&importer, &corrections}, colour, &hue, &saturation, &luminance);
    EXPECT_EQ(colour, QStringLiteral("Aqua"));
    EXPECT_EQ(hue, 250.0f);
    EXPECT_EQ(saturation, -7.5f);
    EXPECT_EQ(luminance, 0.0f);
    EXPECT_TRUE(corrections);
}

TEST(hsl_adjustment, leaves_the_flag_alone_for_absent_and_non_numeric_values)
{
    lightroom_importer importer;
    importer.settings = {{"HueAdjustmentRed", "abc"}, {"SaturationAdjustmentRed", ""}};
    for (bool const initial : {false, true}) {
        bool corrections = initial;
        QString colour = QStringLiteral("red");
        float hue = 1, saturation = 1, luminance = 1;
        hsl_adjustment({&importer, &corrections}, colour, &hue, &saturation, &luminance);
        EXPECT_EQ(corrections, initial);
        EXPECT_EQ(hue, 0.0f);
        EXPECT_EQ(saturation, 0.0f);
        EXPECT_EQ(luminance, 0.0f);
    }
}

TEST(color_corrections, without_any_input_is_the_closing_entry_alone)
{
    EXPECT_EQ(color_corrections({}), closing_entry);
    EXPECT_EQ(color_corrections({{"Exposure", "1"}}), closing_entry);
}

TEST(color_corrections, non_numeric_colour_values_raise_no_flag)
{
    QMap<QString, QString> settings;
    for (auto const* prefix : {"HueAdjustment", "SaturationAdjustment", "LuminanceAdjustment"})
        for (auto const* colour : {"Red", "Orange", "Yellow", "Green", "Aqua", "Blue", "Purple", "Magenta"})
            settings[QLatin1String(prefix) + QLatin1String(colour)] = QStringLiteral("abc");
    EXPECT_EQ(color_corrections(settings), closing_entry);
}

TEST(color_corrections, present_vibrance_without_effect_gives_all_colour_entries)
{
    for (auto const* vibrance : {"0", "abc", ""}) {
        SCOPED_TRACE(vibrance);
        QString const value = color_corrections({{"Vibrance", vibrance}});
        QStringList const entries = value.split(QLatin1Char(';'));
        ASSERT_EQ(entries.size(), 9);
        EXPECT_EQ(entries.last(), closing_entry);
        for (auto const& fields : colour_fields(value))
            EXPECT_EQ(fields, (QStringList{zero, zero, zero}));
    }
}

TEST(color_corrections, vibrance_fills_the_vibrance_block)
{
    struct vibrance_case {
        char const* vibrance;
        char const* expected;
    };
    for (auto const& c : {vibrance_case{"50", "40.000000"}, vibrance_case{"-150", "-80.000000"},
                          vibrance_case{"150", "80.000000"}, vibrance_case{"-25", "-20.000000"}}) {
        SCOPED_TRACE(c.vibrance);
        QString const value = color_corrections({{"Vibrance", c.vibrance}});
        QStringList const entries = value.split(QLatin1Char(';'));
        ASSERT_EQ(entries.size(), 16);
        EXPECT_TRUE(value.startsWith(correction_templates().vibrance_block.arg(QLatin1String(c.expected))));
        EXPECT_EQ(entries[6], QStringLiteral("0,1,1,0,%1,0,0,0,0,0,0,0,0,0,0,0,0,0").arg(QLatin1String(c.expected)));
        EXPECT_EQ(entries.last(), closing_entry);
    }
}

TEST(color_corrections, each_value_is_mapped_onto_its_colour_range)
{
    struct range_case {
        char const* key;
        char const* value;
        int colour;
        int field;
        char const* expected;
    };
    std::vector<range_case> const cases{
        {"HueAdjustmentRed", "10", 0, 0, "3.000000"},
        {"SaturationAdjustmentOrange", "-100", 1, 1, "-50.000000"},
        {"SaturationAdjustmentOrange", "100", 1, 1, "22.000000"},
        {"SaturationAdjustmentOrange", "250", 1, 1, "22.000000"},
        {"SaturationAdjustmentOrange", "-250", 1, 1, "-50.000000"},
        {"LuminanceAdjustmentOrange", "100", 1, 2, "4.000000"},
        {"LuminanceAdjustmentBlue", "100", 5, 2, "3.500000"},
        {"SaturationAdjustmentRed", "100", 0, 1, "40.000000"},
        {"HueAdjustmentMagenta", "-0.5", 7, 0, "-0.150000"},
        {"SaturationAdjustmentGreen", "-50", 3, 1, "-33.000000"},
        {"LuminanceAdjustmentPurple", "50", 6, 2, "3.150000"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + c.value);
        auto const fields = colour_fields(color_corrections({{c.key, c.value}}));
        for (int colour = 0; colour < 8; ++colour)
            for (int field = 0; field < 3; ++field)
                EXPECT_EQ(fields[colour][field],
                          colour == c.colour && field == c.field ? QLatin1String(c.expected) : zero);
    }
}

TEST(color_corrections, range_ends_of_every_colour)
{
    struct colour_ends {
        char const* colour;
        std::array<char const*, 6> ends;
    };
    std::array<colour_ends, 8> const table{{
        {"Red", {"-30.000000", "30.000000", "-60.000000", "40.000000", "-5.000000", "3.000000"}},
        {"Orange", {"-30.000000", "30.000000", "-50.000000", "22.000000", "-4.400000", "4.000000"}},
        {"Yellow", {"-30.000000", "30.000000", "-80.000000", "30.000000", "-3.000000", "5.000000"}},
        {"Green", {"-30.000000", "30.000000", "-66.000000", "55.000000", "-5.000000", "2.800000"}},
        {"Aqua", {"-30.000000", "30.000000", "-54.000000", "65.000000", "-5.800000", "3.300000"}},
        {"Blue", {"-30.000000", "30.000000", "-59.000000", "50.000000", "-5.000000", "3.500000"}},
        {"Purple", {"-30.000000", "30.000000", "-100.000000", "100.000000", "-7.000000", "6.300000"}},
        {"Magenta", {"-30.000000", "30.000000", "-70.000000", "60.000000", "-8.000000", "4.600000"}},
    }};
    char const* const prefixes[] = {"HueAdjustment", "SaturationAdjustment", "LuminanceAdjustment"};
    for (int side = 0; side < 2; ++side) {
        QString const input = side == 0 ? QStringLiteral("-100") : QStringLiteral("100");
        QMap<QString, QString> settings;
        for (auto const& row : table)
            for (auto const* prefix : prefixes)
                settings[QLatin1String(prefix) + QLatin1String(row.colour)] = input;
        auto const fields = colour_fields(color_corrections(settings));
        for (std::size_t colour = 0; colour < table.size(); ++colour)
            for (int field = 0; field < 3; ++field)
                EXPECT_EQ(fields[colour][field], QLatin1String(table[colour].ends[2 * field + side]))
                    << table[colour].colour << " " << prefixes[field] << " " << input.toStdString();
    }
}

TEST(color_corrections, whole_value_with_vibrance_and_several_colours)
{
    QString const expected = QStringLiteral(
        "1,1,1,0,0,0,127,63,119,-28.822566986084,28.822566986084,-50,50,12,0,0,0,0;"
        "1,1,1,0,0,0,67,63,127,-21.9782791137695,21.9782791137695,-50,50,12,0,0,0,0;"
        "1,1,1,0,0,0,63,118,127,-22.3223114013672,22.3223114013672,-50,50,12,0,0,0,0;"
        "1,1,1,0,0,0,69,127,63,-38.9258460998535,38.9258460998535,-50,50,12,0,0,0,0;"
        "1,1,1,0,0,0,127,115,63,-13.5424394607544,13.5424394607544,-50,50,12,0,0,0,0;"
        "1,1,1,0,0,0,127,68,63,-18.4085693359375,18.4085693359375,-50,50,12,0,0,0,0;"
        "0,1,1,0,40.000000,0,0,0,0,0,0,0,0,0,0,0,0,0;"
        "1,1,0,3.000000,0.000000,0.000000,237,45.3288917541504,66.479118347168,-9.59939575195312,9.18455505371094,-80.8738861083984,19.1261138916016,25.9748382568359,0,0,0,0;"
        "1,1,0,0.000000,0.000000,0.000000,255,130,12,0,4.55426025390625,-95.2941207885742,4.70587921142578,18.2099227905273,0,0,0,0;"
        "1,1,0,0.000000,0.000000,0.000000,255,225.91796875,36.1078147888184,-5.1807861328125,1.47015380859375,-85.8400726318359,14.1599273681641,20.3872756958008,0,0,0,0;"
        "1,1,0,0.000000,0.000000,0.000000,58.8606338500977,208,10.4000005722046,-33.7201843261719,32.3572998046875,-95,5,23.2739639282227,0,0,0,0;"
        "1,1,0,0.000000,0.000000,0.000000,22.6761436462402,216,177.109222412109,-4.34454345703125,5.92352294921875,-89.5017852783203,10.4982147216797,28.4633140563965,0,0,0,0;"
        "1,1,0,0.000000,0.000000,0.000000,61.345775604248,87.8979263305664,165,-14.3739013671875,22.6552124023438,-62.820743560791,37.179256439209,27.3963947296143,0,0,0,0;"
        "1,1,0,0.000000,-50.000000,0.000000,104,0,148,-12.1621704101562,2.99188232421875,-100,0,26.3488998413086,0,0,0,0;"
        "1,1,0,0.000000,0.000000,4.600000,235,50.884838104248,191.595169067383,-6.26992797851562,5.4552001953125,-78.3468780517578,21.6531219482422,20.9790744781494,0,0,0,0;"
        "1,1,2,2.36563158035278,-15.9744558334351,0,174,139,97,0,25,-42.1264381408691,25.6254768371582,25,0,0,0,0");
    QMap<QString, QString> const settings{{"LuminanceAdjustmentMagenta", "100"},
                                          {"SaturationAdjustmentPurple", "-50"},
                                          {"HueAdjustmentRed", "10"},
                                          {"Vibrance", "50"}};
    EXPECT_EQ(color_corrections(settings), expected);
    EXPECT_EQ(color_corrections(settings), expected);
}

TEST(color_corrections, identical_presets_give_identical_values_across_threads)
{
    QMap<QString, QString> const settings{{"Vibrance", "-30"}, {"HueAdjustmentYellow", "20"}};
    QString const expected = color_corrections(settings);
    std::array<QString, 4> results;
    std::vector<std::thread> threads;
    for (auto& result : results)
        threads.emplace_back([&result, &settings] { result = color_corrections(settings); });
    for (auto& thread : threads)
        thread.join();
    for (auto const& result : results)
        EXPECT_EQ(result, expected);
}

TEST(color_corrections, written_once_by_the_style_writer)
{
    settings_sandbox sandbox;
    lightroom_importer importer;
    importer.settings = {{"HueAdjustmentRed", "10"}};
    QString xml;
    ASSERT_TRUE(shared_writer().create_costyle(importer, xml));
    EXPECT_EQ(xml.count(QStringLiteral("K=\"ColorCorrections\"")), 1);
    EXPECT_TRUE(xml.contains(QStringLiteral("K=\"ColorCorrections\" V=\"1,1,0,3.000000,0.000000,0.000000,237,")));
    EXPECT_TRUE(xml.contains(QStringLiteral(",0,0,0,0;") + closing_entry + QStringLiteral("\"/>")));
}
