#include "conversion/lightroom_importer.h"

#include "importer_views.h"
#include "message_capture.h"
#include "qstring_printer.h"
#include "unexpected_token.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

QString write_file(QTemporaryDir const& dir, QByteArray const& bytes)
{
    QString const path = dir.filePath(QStringLiteral("preset.lrtemplate"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

QString fixture(char const* name)
{
    return QStringLiteral(KESTOVA_FIXTURES "/lrtemplate/") + QLatin1String(name);
}

TEST(TemplateFile, TypicalLuaTableTemplate)
{
    lightroom_importer importer;
    importer.read_lrpreset(fixture("typical.lrtemplate"));
    setting_list const expected = {
        {"CameraProfile", "Adobe Standard"},
        {"Contrast2012", "-007"},
        {"ConvertToGrayscale", "false"},
        {"Exposure2012", "+0.50"},
        {"Name", "Vivid"},
        {"ToneCurveName2012", "Custom"},
        {"Version", "3"},
        {"WhiteBalance", "As Shot"},
        {"id", "0A1B2C3D-0000-4000-8000-00000000F00D"},
        {"internalName", "Warm Fade"},
        {"title", "Warm Fade"},
        {"type", "Develop"},
        {"uuid", "6E1D0C0B-0000-4000-8000-000000000001"},
        {"version", "0"},
    };
    EXPECT_EQ(settings_of(importer), expected);
    EXPECT_EQ(importer.name, QStringLiteral("Warm Fade"));
    EXPECT_EQ(points_of(importer.tone_curve), (point_list{{0, 10}, {255, 245}}));
    EXPECT_TRUE(importer.tone_curve_red.isEmpty());
    EXPECT_TRUE(importer.description.isEmpty());
}

TEST(TemplateFile, DotNotationTemplate)
{
    message_capture log;
    lightroom_importer importer;
    importer.read_lrpreset(fixture("dot_notation.lrtemplate"));
    setting_list const expected = {
        {"", ""},
        {"Exposure2012", "0.35"},
        {"ToneCurveName2012", "\"Custom\""},
        {"title", "\"Cool Matte\""},
    };
    EXPECT_EQ(settings_of(importer), expected);
    EXPECT_EQ(importer.name, QStringLiteral("\"Cool Matte\""));
    EXPECT_EQ(points_of(importer.tone_curve), (point_list{{0, 20}, {255, 235}}));
    EXPECT_EQ(points_of(importer.tone_curve_blue), (point_list{{0, 12}}));
    EXPECT_EQ(log.lines().size(), 14);
}

TEST(TemplateFile, DialectAndEncoding)
{
    // Both codecs write a byte-order mark of their own.
    QTextCodec* utf16 = QTextCodec::codecForName("UTF-16");
    QTextCodec* utf16_be = QTextCodec::codecForName("UTF-16BE");
    ASSERT_NE(utf16, nullptr);
    ASSERT_NE(utf16_be, nullptr);
    QString const lua_title = QString::fromUtf8("s = { title = \"Grün 400⁺¹\" }");
    std::vector<std::pair<QByteArray, setting_list>> const cases = {
        {"", {}},
        {"title = \"s.value.settings = {}\"", {{"title", "\"s.value.settings"}}},
        {lua_title.toUtf8(), {{"title", "Grün 400⁺¹"}}},
        {"\xef\xbb\xbftitle = \"A\"", {{"title", "A"}}},
        {utf16->fromUnicode(lua_title), {{"title", "Grün 400⁺¹"}}},
        {utf16_be->fromUnicode(lua_title), {{"title", "Grün 400⁺¹"}}},
        {"s = {\r\n\ttitle = \"A\",\r\n\tx = 1,\r\n}\r\n", {{"title", "A"}, {"x", "1"}}},
        {"t = \"\xff\xfe\xc3\"", {{"t", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"}}},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (auto const& c : cases) {
        SCOPED_TRACE(c.first.toStdString());
        message_capture quiet;
        lightroom_importer importer;
        importer.read_lrpreset(write_file(dir, c.first));
        EXPECT_EQ(settings_of(importer), c.second);
        auto const title = c.second.find("title");
        EXPECT_EQ(importer.name.toStdString(), title == c.second.end() ? std::string() : title->second);
    }
}

TEST(TemplateFile, ErrorLeavesNameUnset)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    message_capture quiet;
    lightroom_importer importer;
    try {
        importer.read_lrpreset(write_file(dir, "title = \"T\", x = 1 y"));
        ADD_FAILURE() << "no exception";
    } catch (std::runtime_error const& error) {
        EXPECT_EQ(std::string(error.what()), unexpected_token("comma", "name"));
    }
    EXPECT_EQ(settings_of(importer), (setting_list{{"title", "T"}, {"x", "1"}}));
    EXPECT_TRUE(importer.name.isEmpty());
}

TEST(TemplateFile, UnreadableFileLeavesTheImporterUntouched)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<QString> const paths = {
        dir.filePath(QStringLiteral("missing.lrtemplate")),
        dir.path(),
    };
    for (QString const& path : paths) {
        SCOPED_TRACE(path.toStdString());
        lightroom_importer importer;
        importer.settings.insert(QStringLiteral("k"), QStringLiteral("v"));
        importer.name = QStringLiteral("before");
        importer.description = QStringLiteral("d");
        importer.tone_curve = {QPoint(1, 2)};
        message_capture log;
        EXPECT_NO_THROW(importer.read_lrpreset(path));
        EXPECT_EQ(settings_of(importer), (setting_list{{"k", "v"}}));
        EXPECT_EQ(importer.name, QStringLiteral("before"));
        EXPECT_EQ(importer.description, QStringLiteral("d"));
        EXPECT_EQ(points_of(importer.tone_curve), (point_list{{1, 2}}));
        EXPECT_TRUE(log.lines().isEmpty());
    }
}

// Hostile input.

void expect_returns_or_throws_runtime_error(lightroom_importer& importer, QString const& path)
{
    try {
        importer.read_lrpreset(path);
    } catch (std::runtime_error const&) {
    }
}

TEST(TemplateBadInput, RandomBytesNeverMisbehave)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::mt19937 random(20240229u);
    char const alphabet[] = "{}=,\" \t\n\r-+0123456789.abtruefalsToneCurvePV2012Red\\\xc3\xa9\xff\xfe";
    std::uniform_int_distribution<int> length(0, 400);
    std::uniform_int_distribution<int> pick(0, int(sizeof(alphabet)) - 2);
    std::uniform_int_distribution<int> byte(0, 255);
    std::bernoulli_distribution any_byte(0.1);
    message_capture quiet;
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes;
        for (int i = length(random); i > 0; --i)
            bytes.append(any_byte(random) ? char(byte(random)) : alphabet[pick(random)]);
        if (round % 4 == 0)
            bytes.prepend("s.value.settings = {}\n");
        lightroom_importer importer;
        expect_returns_or_throws_runtime_error(importer, write_file(dir, bytes));
    }
}

} // namespace
