#include "conversion/lightroom_importer.h"

#include "importer_views.h"
#include "log_rules.h"
#include "message_capture.h"
#include "preset_corpus.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using log_lines = std::vector<std::string>;

QString fixture(char const* name)
{
    return QString::fromUtf8(KESTOVA_FIXTURES "/xmp/") + QString::fromUtf8(name);
}

QString corpus(char const* name)
{
    return preset_corpus::path(QStringLiteral("xmp/") + QString::fromUtf8(name));
}

struct read_outcome {
    lightroom_importer importer;
    log_lines log;
};

read_outcome read_file(QString const& path, lightroom_importer start = lightroom_importer())
{
    read_outcome outcome{std::move(start), {}};
    message_capture capture;
    outcome.importer.read_xmp(path);
    for (QString const& line : message_capture::lines())
        outcome.log.push_back(line.toStdString());
    return outcome;
}

// Writes generated content beside the test, for inputs too large for a fixture.
class scratch_file {
public:
    explicit scratch_file(QByteArray const& content) : path_(dir.filePath(QStringLiteral("preset.xmp")))
    {
        QFile file(path_);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(content), content.size());
    }
    QString const& path() const { return path_; }

private:
    QTemporaryDir dir;
    QString path_;
};

QByteArray file_bytes(QString const& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

lightroom_importer prefilled()
{
    lightroom_importer importer;
    importer.settings.insert(QStringLiteral("Exposure2012"), QStringLiteral("-1"));
    importer.name = QStringLiteral("Before");
    importer.description = QStringLiteral("Earlier");
    importer.tone_curve = {{0, 0}, {255, 255}};
    importer.tone_curve_red = {{1, 2}};
    importer.tone_curve_green = {{3, 4}};
    importer.tone_curve_blue = {{5, 6}};
    return importer;
}

void expect_unchanged(lightroom_importer const& actual)
{
    lightroom_importer const expected = prefilled();
    EXPECT_EQ(settings_of(actual), settings_of(expected));
    EXPECT_EQ(actual.name, expected.name);
    EXPECT_EQ(actual.description, expected.description);
    EXPECT_EQ(points_of(actual.tone_curve), points_of(expected.tone_curve));
    EXPECT_EQ(points_of(actual.tone_curve_red), points_of(expected.tone_curve_red));
    EXPECT_EQ(points_of(actual.tone_curve_green), points_of(expected.tone_curve_green));
    EXPECT_EQ(points_of(actual.tone_curve_blue), points_of(expected.tone_curve_blue));
}

int count_prefixed(log_lines const& log, std::string const& prefix)
{
    int count = 0;
    for (std::string const& line : log)
        count += line.compare(0, prefix.size(), prefix) == 0 ? 1 : 0;
    return count;
}

// A preset frame around one Description whose attributes and children are given.
QByteArray preset(QByteArray const& attributes, QByteArray const& children)
{
    return "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
           " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
           "  <rdf:Description rdf:about=\"\" xmlns:crs=\"http://ns.adobe.com/camera-raw-settings/1.0/\"\n   "
           + attributes + ">\n" + children + "\n  </rdf:Description>\n </rdf:RDF>\n</x:xmpmeta>\n";
}

QByteArray repeated(char const* text, int count)
{
    return QByteArray(text).repeated(count);
}

}

TEST(read_xmp, reads_attributes_texts_and_curves_of_a_usual_preset)
{
    read_outcome const read = read_file(fixture("usual.xmp"));
    setting_list const expected_settings = {
        {"about", ""},
        {"PresetType", "Normal"},
        {"ProcessVersion", "11.0"},
        {"Exposure2012", "+0.35"},
        {"Contrast2012", "-12"},
        {"Copyright", "Warm & \"soft\""},
        {"HasSettings", "True"},
    };
    EXPECT_EQ(settings_of(read.importer), expected_settings);
    EXPECT_EQ(read.importer.name, QStringLiteral("Harbour Dusk"));
    EXPECT_EQ(read.importer.description, QStringLiteral("Low sun, lifted blacks"));
    EXPECT_EQ(points_of(read.importer.tone_curve), (point_list{{0, 0}, {64, 56}, {192, 200}, {255, 255}}));
    EXPECT_EQ(points_of(read.importer.tone_curve_red), (point_list{{0, 10}, {255, 245}}));
    EXPECT_EQ(points_of(read.importer.tone_curve_green), (point_list{{0, 0}, {128, 120}, {255, 255}}));
    EXPECT_EQ(points_of(read.importer.tone_curve_blue), (point_list{{0, 5}, {255, 250}}));
}

TEST(read_xmp, logs_every_setting_text_curve_and_skipped_element)
{
    log_lines const expected = {
        "debug: \"about\" -> \"\"",
        "debug: \"PresetType\" -> \"Normal\"",
        "debug: \"ProcessVersion\" -> \"11.0\"",
        "debug: \"Exposure2012\" -> \"+0.35\"",
        "debug: \"Contrast2012\" -> \"-12\"",
        "debug: \"Copyright\" -> \"Warm & \\\"soft\\\"\"",
        "debug: \"HasSettings\" -> \"True\"",
        "debug: Name -> \"Harbour Dusk\"",
        "debug: Description -> \"Low sun, lifted blacks\"",
        "debug: Skipping \"Group\"",
        "debug: Skipping \"Saturation\"",
        "debug: ToneCurvePV2012 ->  QVector(QPoint(0,0), QPoint(64,56), QPoint(192,200), QPoint(255,255))",
        "debug: ToneCurvePV2012Red ->  QVector(QPoint(0,10), QPoint(255,245))",
        "debug: ToneCurvePV2012Green ->  QVector(QPoint(0,0), QPoint(128,120), QPoint(255,255))",
        "debug: ToneCurvePV2012Blue ->  QVector(QPoint(0,5), QPoint(255,250))",
    };
    EXPECT_EQ(read_file(fixture("usual.xmp")).log, expected);
}

TEST(read_xmp, writes_no_line_while_debug_lines_are_disabled)
{
    lightroom_importer const logged = read_file(fixture("usual.xmp")).importer;
    log_rules const rules(QStringLiteral("default.debug=false"));
    read_outcome const quiet = read_file(fixture("usual.xmp"));
    EXPECT_EQ(quiet.log, log_lines());
    EXPECT_EQ(quiet.importer.settings, logged.settings);
    EXPECT_EQ(quiet.importer.name, logged.name);
    EXPECT_EQ(quiet.importer.tone_curve, logged.tone_curve);
}

TEST(read_xmp, keeps_settings_already_held_and_replaces_those_read_again)
{
    read_outcome const read = read_file(fixture("usual.xmp"), prefilled());
    EXPECT_EQ(read.importer.settings.value(QStringLiteral("Exposure2012")), QStringLiteral("+0.35"));
    EXPECT_EQ(read.importer.settings.size(), 7);
    EXPECT_EQ(read.importer.name, QStringLiteral("Harbour Dusk"));
}

TEST(read_xmp, leaves_members_whose_element_is_absent)
{
    read_outcome const read = read_file(fixture("repeated_local_name.xmp"), prefilled());
    EXPECT_EQ(read.importer.name, QStringLiteral("Before"));
    EXPECT_EQ(read.importer.description, QStringLiteral("Earlier"));
    EXPECT_EQ(points_of(read.importer.tone_curve), (point_list{{0, 0}, {255, 255}}));
    EXPECT_EQ(points_of(read.importer.tone_curve_blue), (point_list{{5, 6}}));
}

TEST(read_xmp, a_later_attribute_with_the_same_local_name_replaces_the_earlier)
{
    read_outcome const read = read_file(fixture("repeated_local_name.xmp"));
    EXPECT_EQ(settings_of(read.importer),
              (setting_list{{"about", ""}, {"Exposure2012", "-0.5"}, {"Contrast2012", "10"}}));
    EXPECT_EQ(read.log, (log_lines{"debug: \"about\" -> \"\"", "debug: \"Exposure2012\" -> \"1.5\"",
                                   "debug: \"Contrast2012\" -> \"10\"", "debug: \"Exposure2012\" -> \"-0.5\""}));
}

TEST(read_xmp, the_later_master_curve_and_name_win)
{
    read_outcome const read = read_file(fixture("both_master_curves.xmp"));
    EXPECT_EQ(points_of(read.importer.tone_curve), (point_list{{0, 20}, {255, 235}}));
    EXPECT_EQ(read.importer.name, QStringLiteral("New"));
    EXPECT_EQ(read.log, (log_lines{
                            "debug: \"about\" -> \"\"",
                            "debug: ToneCurvePV2012 ->  QVector(QPoint(0,0), QPoint(255,255))",
                            "debug: ToneCurvePV2012 ->  QVector(QPoint(0,20), QPoint(255,235))",
                            "debug: Name -> \"Old\"",
                            "debug: Name -> \"New\"",
                        }));
}

TEST(read_xmp, ignores_everything_after_the_first_description)
{
    read_outcome const read = read_file(fixture("trailing_content.xmp"));
    EXPECT_EQ(settings_of(read.importer), (setting_list{{"about", "first"}, {"Exposure2012", "0.5"}}));
    EXPECT_EQ(read.importer.name, QStringLiteral("First"));
    EXPECT_EQ(count_prefixed(read.log, "warning"), 0);
}

TEST(read_xmp, reads_the_encoding_the_document_declares)
{
    char const* const fixtures[] = {"encoding_utf8.xmp", "encoding_utf16le_bom.xmp", "encoding_latin1.xmp"};
    for (char const* name : fixtures) {
        read_outcome const read = read_file(fixture(name));
        EXPECT_EQ(read.importer.settings.value(QStringLiteral("Copyright")),
                  QString::fromUtf8("\u00a9 M\u00e5rten \u00d8stby"))
            << name;
        EXPECT_EQ(read.importer.name, QString::fromUtf8("Caf\u00e9 cr\u00e8me")) << name;
        EXPECT_EQ(count_prefixed(read.log, "warning"), 0) << name;
    }
}

struct failure_case {
    char const* fixture;
    log_lines log;
};

TEST(read_xmp, reports_a_document_it_cannot_use_and_leaves_the_importer_unchanged)
{
    failure_case const cases[] = {
        {"does_not_exist.xmp", {}},
        {"", {}}, // the fixture folder itself
        {"root_is_rdf.xmp", {"critical: No xmpmeta element found at start of document"}},
        {"description_without_rdf.xmp", {"critical: No RDF element found at start of document"}},
        {"bag_before_description.xmp", {"critical: No Description element found at start of document"}},
        {"empty.xmp", {"warning: 4 \"Premature end of document.\""}},
        {"declaration_only.xmp", {"warning: 4 \"Premature end of document.\""}},
        {"ends_before_description.xmp", {"warning: 4 \"Premature end of document.\""}},
        {"lua_template.xmp", {"warning: 3 \"Start tag expected.\""}},
        {"undeclared_prefix.xmp", {"warning: 3 \"Namespace prefix 'crs' not declared\""}},
        {"empty_xmpmeta.xmp", {}},
        {"empty_rdf.xmp", {}},
    };
    for (failure_case const& c : cases) {
        read_outcome const read = read_file(fixture(c.fixture), prefilled());
        EXPECT_EQ(read.log, c.log) << c.fixture;
        expect_unchanged(read.importer);
    }
}

TEST(read_xmp, keeps_what_was_read_before_an_error_inside_the_description)
{
    read_outcome const malformed = read_file(fixture("malformed_inside.xmp"));
    EXPECT_EQ(settings_of(malformed.importer), (setting_list{{"about", ""}, {"Exposure2012", "0.75"}}));
    EXPECT_EQ(malformed.importer.name, QStringLiteral("Kept"));
    EXPECT_EQ(points_of(malformed.importer.tone_curve_red), (point_list{{0, 4}}));
    EXPECT_TRUE(malformed.importer.tone_curve_blue.isEmpty());
    ASSERT_FALSE(malformed.log.empty());
    EXPECT_EQ(malformed.log.back(), "warning: 3 \"Opening and ending tag mismatch.\"");

    read_outcome const truncated = read_file(fixture("truncated_in_curve.xmp"));
    EXPECT_EQ(settings_of(truncated.importer), (setting_list{{"about", ""}, {"Exposure2012", "0.75"}}));
    EXPECT_EQ(truncated.importer.description, QStringLiteral("Kept too"));
    EXPECT_EQ(points_of(truncated.importer.tone_curve), (point_list{{0, 0}, {128, 140}}));
    ASSERT_FALSE(truncated.log.empty());
    EXPECT_EQ(truncated.log.back(), "warning: 4 \"Premature end of document.\"");
}

struct text_case {
    char const* element;
    char const* expected;
};

TEST(get_xmp_text, gives_the_first_non_empty_item_and_stops_on_the_element_end)
{
    text_case const cases[] = {
        {"<Alt><li lang='x-default'>Harbour Dusk</li></Alt>", "Harbour Dusk"},
        {"<Alt><li lang='x-default'></li><li lang='de'>Hafen</li><li>Port</li></Alt>", "Hafen"},
        {"<Alt><li/><li> </li><li>C</li></Alt>", " "},
        {"<Alt><li/></Alt><Alt><li>Second alt</li></Alt>", "Second alt"},
        {"<Alt><li>First</li></Alt><Alt><li>Second</li></Alt>", "First"},
        {"<Alt><x>skip</x><li>After</li></Alt>", "After"},
        {"<Alt><x><li>nested</li></x></Alt>", ""},
        {"<Alt><li>Dark<b>er</b> <i><u>side</u></i></li></Alt>", "Darker side"},
        {"<Alt><li>A &amp; B<!-- note --><?pi x?><![CDATA[ <C> ]]>&#x44;</li></Alt>", "A & B <C> D"},
        {"Plain text", ""},
        {"<Bag><li>In a bag</li></Bag>", ""},
        {"<Seq><li>In a seq</li></Seq><Alt><li>Alt</li></Alt>", "Alt"},
        {"", ""},
    };
    for (text_case const& c : cases) {
        QXmlStreamReader reader(QStringLiteral("<Name>%1</Name>").arg(QString::fromUtf8(c.element)));
        ASSERT_TRUE(reader.readNextStartElement());
        lightroom_importer importer;
        EXPECT_EQ(importer.get_xmp_text(reader), QString::fromUtf8(c.expected)) << c.element;
        EXPECT_TRUE(reader.isEndElement()) << c.element;
        EXPECT_EQ(reader.name().toString(), QStringLiteral("Name")) << c.element;
        EXPECT_FALSE(reader.hasError()) << c.element;
    }
}

TEST(get_xmp_text, compares_local_names_exactly)
{
    text_case const cases[] = {
        {"<rdf:Alt><rdf:li>Prefixed</rdf:li></rdf:Alt>", "Prefixed"},
        {"<rdf:alt><rdf:li>Lower case alt</rdf:li></rdf:alt>", ""},
        {"<rdf:Alt><rdf:LI>Upper case item</rdf:LI></rdf:Alt>", ""},
    };
    for (text_case const& c : cases) {
        QXmlStreamReader reader(
            QStringLiteral("<crs:Name xmlns:crs='c' xmlns:rdf='r'>%1</crs:Name>").arg(QString::fromUtf8(c.element)));
        ASSERT_TRUE(reader.readNextStartElement());
        lightroom_importer importer;
        EXPECT_EQ(importer.get_xmp_text(reader), QString::fromUtf8(c.expected)) << c.element;
        EXPECT_TRUE(reader.isEndElement()) << c.element;
    }
}

struct point_case {
    char const* item;
    int x;
    int y;
};

TEST(get_curve, converts_each_item_to_a_point)
{
    point_case const cases[] = {
        {"0, 12", 0, 12},
        {"28,24", 28, 24},
        {"77", 77, 0},
        {"1, 2, 3", 1, 2},
        {"abc, def", 0, 0},
        {" 5 , 6 ", 5, 6},
        {"", 0, 0},
        {"-3, +4", -3, 4},
        {"1.5, 2", 0, 2},
        {", 9", 0, 9},
        {"7,", 7, 0},
        {"2147483648, 1", 0, 1},
        {"0x10, 010", 0, 10},
        {"1<b>2</b>, 3", 12, 3},
        {"4, 5<!-- c -->6", 4, 56},
        {"1,,2", 1, 0},
    };
    for (point_case const& c : cases) {
        QXmlStreamReader reader(QStringLiteral("<Curve><Seq><li>%1</li></Seq></Curve>").arg(QString::fromUtf8(c.item)));
        ASSERT_TRUE(reader.readNextStartElement());
        lightroom_importer importer;
        EXPECT_EQ(points_of(importer.get_curve(reader)), (point_list{{c.x, c.y}})) << c.item;
        EXPECT_TRUE(reader.isEndElement()) << c.item;
        EXPECT_EQ(reader.name().toString(), QStringLiteral("Curve")) << c.item;
    }
}

struct curve_case {
    char const* children;
    point_list expected;
};

TEST(get_curve, keeps_items_of_every_seq_in_document_order)
{
    curve_case const cases[] = {
        {"<Seq><li>255, 255</li><li>0, 0</li><li>300, -20</li></Seq>", {{255, 255}, {0, 0}, {300, -20}}},
        {"<Seq><li>1, 1</li></Seq><Seq><li>2, 2</li></Seq>", {{1, 1}, {2, 2}}},
        {"<Seq><x>9, 9</x><li>3, 3</li><Seq><li>8, 8</li></Seq></Seq>", {{3, 3}}},
        {"<Bag><li>9, 9</li></Bag><Seq><li>4, 4</li></Seq>", {{4, 4}}},
        {"<Seq><li/><li>5, 5</li></Seq>", {{0, 0}, {5, 5}}},
        {"<Seq></Seq>", {}},
        {"0, 0", {}},
        {"", {}}, // the fixture folder itself
    };
    for (curve_case const& c : cases) {
        QXmlStreamReader reader(QStringLiteral("<Curve>%1</Curve>").arg(QString::fromUtf8(c.children)));
        ASSERT_TRUE(reader.readNextStartElement());
        lightroom_importer importer;
        EXPECT_EQ(points_of(importer.get_curve(reader)), c.expected) << c.children;
        EXPECT_TRUE(reader.isEndElement()) << c.children;
        EXPECT_EQ(reader.name().toString(), QStringLiteral("Curve")) << c.children;
    }
}

TEST(read_xmp_corpus, reads_a_real_curve_preset)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    read_outcome const read = read_file(corpus("jolt__curve_deepContrast_01.xmp"));
    EXPECT_EQ(read.importer.settings.size(), 25);
    EXPECT_EQ(read.importer.settings.value(QStringLiteral("about")), QString());
    EXPECT_EQ(read.importer.settings.value(QStringLiteral("ProcessVersion")), QStringLiteral("6.7"));
    EXPECT_EQ(read.importer.settings.value(QStringLiteral("ToneCurveName2012")), QStringLiteral("Custom"));
    EXPECT_FALSE(read.importer.settings.contains(QStringLiteral("ToneCurvePV2012")));
    EXPECT_EQ(read.importer.name, QStringLiteral("curve_deepContrast_01"));
    EXPECT_EQ(read.importer.description, QString());
    EXPECT_EQ(points_of(read.importer.tone_curve), (point_list{{0, 12}, {28, 24}, {86, 90}, {255, 255}}));
    for (auto const* curve :
         {&read.importer.tone_curve_red, &read.importer.tone_curve_green, &read.importer.tone_curve_blue})
        EXPECT_EQ(points_of(*curve), (point_list{{0, 0}, {255, 255}}));
    log_lines skipped;
    for (std::string const& line : read.log)
        if (line.compare(0, 15, "debug: Skipping") == 0)
            skipped.push_back(line);
    EXPECT_EQ(skipped, (log_lines{"debug: Skipping \"ShortName\"", "debug: Skipping \"SortName\"",
                                  "debug: Skipping \"Group\""}));
}

TEST(read_xmp_corpus, skips_a_nested_look_description)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    read_outcome const read = read_file(corpus("peva3__Ilford HP5 Plus.xmp"));
    EXPECT_EQ(read.importer.settings.value(QStringLiteral("UUID")), QStringLiteral("6DF298ECC3A341C0982DB37D152EE016"));
    EXPECT_EQ(read.importer.settings.value(QStringLiteral("Name")), QStringLiteral("06 Ilford HP5 Plus"));
    EXPECT_FALSE(read.importer.settings.contains(QStringLiteral("Amount")));
    EXPECT_EQ(read.importer.name, QStringLiteral("06 Ilford HP5 Plus"));
    EXPECT_EQ(read.importer.settings.value(QStringLiteral("GrayMixerBlue")), QStringLiteral("-18.8"));
    EXPECT_EQ(points_of(read.importer.tone_curve), (point_list{{0, 0}, {255, 255}}));
    EXPECT_EQ(count_prefixed(read.log, "debug: Skipping \"Look\""), 1);
}

TEST(read_xmp_corpus, reads_every_real_preset_without_complaint)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    QDir const dir(preset_corpus::path(QStringLiteral("xmp")));
    QStringList const files = dir.entryList({QStringLiteral("*.xmp")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (QString const& file : files) {
        read_outcome const read = read_file(dir.filePath(file));
        EXPECT_EQ(count_prefixed(read.log, "warning"), 0) << file.toStdString();
        EXPECT_EQ(count_prefixed(read.log, "critical"), 0) << file.toStdString();
        EXPECT_TRUE(read.importer.settings.contains(QStringLiteral("about"))) << file.toStdString();
        EXPECT_TRUE(read.importer.settings.contains(QStringLiteral("ProcessVersion"))) << file.toStdString();
        EXPECT_FALSE(read.importer.name.isEmpty()) << file.toStdString();
        EXPECT_FALSE(read.importer.settings.contains(QStringLiteral("ToneCurvePV2012"))) << file.toStdString();
    }
}

struct entity_case {
    char const* fixture;
    setting_list settings;
    char const* name;
    char const* warning;
};

TEST(read_xmp_bad_input, entities_never_grow_the_text_they_stand_for)
{
    entity_case const cases[] = {
        {"entity_within_limit.xmp", {{"about", ""}, {"Exposure2012", "0.5"}}, "Dusk", nullptr},
        {"entity_beyond_limit.xmp",
         {{"about", ""}, {"Exposure2012", "0.5"}},
         "",
         "warning: 3 \"Entity expands to more characters than the entity expansion limit.\""},
        {"billion_laughs.xmp",
         {{"about", ""}, {"Exposure2012", "0.5"}},
         "",
         "warning: 3 \"Entity expands to more characters than the entity expansion limit.\""},
        {"self_reference.xmp",
         {{"about", ""}, {"Exposure2012", "0.5"}},
         "",
         "warning: 3 \"Self-referencing entity detected.\""},
        {"external_entity.xmp", {{"about", ""}, {"Exposure2012", "0.5"}}, "[]", nullptr},
    };
    for (entity_case const& c : cases) {
        read_outcome const read = read_file(fixture(c.fixture));
        EXPECT_EQ(settings_of(read.importer), c.settings) << c.fixture;
        EXPECT_EQ(read.importer.name, QString::fromUtf8(c.name)) << c.fixture;
        EXPECT_EQ(count_prefixed(read.log, "warning"), c.warning ? 1 : 0) << c.fixture;
        if (c.warning) {
            ASSERT_FALSE(read.log.empty()) << c.fixture;
            EXPECT_EQ(read.log.back(), c.warning) << c.fixture;
        }
    }
}

TEST(read_xmp_bad_input, many_references_to_one_entity_stop_at_the_first)
{
    QByteArray const doctype = "<!DOCTYPE x:xmpmeta [<!ENTITY big \"" + QByteArray(4000, 'x') + "\">]>\n";
    QByteArray const references = repeated("&big;", 200000);
    QByteArray const placements[] = {
        preset("crs:Exposure2012=\"0.5\" crs:Copyright=\"" + references + "\"", ""),
        preset("crs:Exposure2012=\"0.5\"",
               "<crs:Name><rdf:Alt><rdf:li>" + references + "</rdf:li></rdf:Alt></crs:Name>"),
    };
    for (QByteArray const& placement : placements) {
        scratch_file const file(doctype + placement);
        read_outcome const read = read_file(file.path());
        EXPECT_FALSE(read.importer.settings.contains(QStringLiteral("Copyright")));
        EXPECT_TRUE(read.importer.name.isEmpty());
        ASSERT_FALSE(read.log.empty());
        EXPECT_EQ(read.log.back(), "warning: 3 \"Entity expands to more characters than the entity expansion limit.\"");
    }
}

TEST(read_xmp_bad_input, stores_a_huge_attribute_value_whole)
{
    QByteArray const value(16 * 1024 * 1024, '7');
    scratch_file const file(preset("crs:Exposure2012=\"" + value + "\" crs:Contrast2012=\"5\"", ""));
    read_outcome const read = read_file(file.path());
    EXPECT_EQ(read.importer.settings.value(QStringLiteral("Exposure2012")).size(), value.size());
    EXPECT_EQ(read.importer.settings.value(QStringLiteral("Contrast2012")), QStringLiteral("5"));
    EXPECT_EQ(count_prefixed(read.log, "warning"), 0);
}

struct nesting_case {
    char const* where;
    QByteArray children;
    char const* name;
    point_list curve;
};

TEST(read_xmp_bad_input, survives_deep_nesting_anywhere)
{
    int const depth = 300000;
    QByteArray const open = repeated("<a>", depth);
    QByteArray const close = repeated("</a>", depth);
    QByteArray const plain_name = "<crs:Name><rdf:Alt><rdf:li>Deep</rdf:li></rdf:Alt></crs:Name>";
    nesting_case const cases[] = {
        {"name item",
         "<crs:Name><rdf:Alt><rdf:li>" + open + "Deep" + close + "</rdf:li></rdf:Alt></crs:Name>",
         "Deep",
         {}},
        {"curve item",
         "<crs:ToneCurvePV2012><rdf:Seq><rdf:li>1" + open + "2, 3" + close
             + "</rdf:li></rdf:Seq></crs:ToneCurvePV2012>",
         "",
         {{12, 3}}},
        {"skipped child", "<crs:Look>" + open + close + "</crs:Look>" + plain_name, "Deep", {}},
        {"skipped item",
         "<crs:Name><rdf:Alt><rdf:li>Deep</rdf:li><rdf:li>" + open + close + "</rdf:li></rdf:Alt></crs:Name>",
         "Deep",
         {}},
    };
    for (nesting_case const& c : cases) {
        scratch_file const file(preset("crs:Exposure2012=\"1\"", c.children));
        read_outcome const read = read_file(file.path());
        EXPECT_EQ(count_prefixed(read.log, "warning"), 0) << c.where;
        EXPECT_EQ(read.importer.settings.value(QStringLiteral("Exposure2012")), QStringLiteral("1")) << c.where;
        EXPECT_EQ(read.importer.name, QString::fromUtf8(c.name)) << c.where;
        EXPECT_EQ(points_of(read.importer.tone_curve), c.curve) << c.where;
    }

    QByteArray const whole = preset("crs:Exposure2012=\"1\"", "<crs:Look>" + open);
    scratch_file const unclosed(whole.left(whole.indexOf("\n  </rdf:Description>")));
    read_outcome const read = read_file(unclosed.path());
    EXPECT_EQ(read.importer.settings.value(QStringLiteral("Exposure2012")), QStringLiteral("1"));
    ASSERT_FALSE(read.log.empty());
    EXPECT_EQ(read.log.back(), "warning: 4 \"Premature end of document.\"");
}

TEST(read_xmp_bad_input, reports_bytes_that_are_not_the_declared_encoding)
{
    read_outcome const read = read_file(fixture("invalid_utf8.xmp"), prefilled());
    ASSERT_EQ(read.log.size(), 1u);
    EXPECT_EQ(read.log.back(), "warning: 3 \"Encountered incorrectly encoded content.\"");
    expect_unchanged(read.importer);
}

TEST(read_xmp_bad_input, every_truncation_of_a_real_preset_keeps_what_it_holds)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    QString const path = corpus("jolt__curve_deepContrast_01.xmp");
    QByteArray const whole = file_bytes(path);
    read_outcome const full = read_file(path);
    setting_list const full_settings = settings_of(full.importer);
    int const description_end = whole.indexOf("</rdf:Description>") + int(qstrlen("</rdf:Description>"));
    for (int length = 0; length <= whole.size(); ++length) {
        scratch_file const file(whole.left(length));
        read_outcome const read = read_file(file.path());
        EXPECT_EQ(count_prefixed(read.log, "critical"), 0) << length;
        EXPECT_EQ(count_prefixed(read.log, "warning"), length < description_end ? 1 : 0) << length;
        for (auto const& setting : settings_of(read.importer))
            EXPECT_EQ(full_settings.at(setting.first), setting.second) << length;
        EXPECT_TRUE(full.importer.name.startsWith(read.importer.name)) << length;
        if (length >= description_end) {
            EXPECT_EQ(read.log, full.log) << length;
        }
    }
}

TEST(read_xmp_bad_input, damaged_bytes_give_at_most_one_problem_record)
{
    QByteArray const whole = file_bytes(fixture("usual.xmp"));
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> position(0, whole.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> damage(1, 8);
    for (int round = 0; round < 1500; ++round) {
        QByteArray bytes = whole;
        for (int n = damage(random); n > 0; --n)
            bytes[position(random)] = char(byte(random));
        scratch_file const file(bytes);
        read_outcome const read = read_file(file.path());
        EXPECT_LE(count_prefixed(read.log, "warning") + count_prefixed(read.log, "critical"), 1) << round;
    }
}
