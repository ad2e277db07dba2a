#include "conversion/lightroom_importer.h"
#include "conversion/lrparser.h"
#include "conversion/lrtoken.h"

#include "importer_views.h"
#include "message_capture.h"
#include "preset_corpus.h"
#include "qstring_printer.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

using namespace conversion;

namespace {

QString write_file(QTemporaryDir const& dir, QByteArray const& bytes)
{
    QString const path = dir.filePath(QStringLiteral("preset.lrtemplate"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

std::string error_of_regular(QString const& text)
{
    message_capture quiet;
    lightroom_importer importer;
    try {
        importer.read_regular_lrpreset(text);
    } catch (std::runtime_error const& error) {
        return error.what();
    }
    return "no error";
}

std::string unexpected(char const* expected, char const* found)
{
    return std::string("Unexpected token type found. Expected token_type::") + expected + ", got token_type::" + found;
}

QString fixture(char const* name)
{
    return QStringLiteral(KESTOVA_FIXTURES "/lrtemplate/") + QLatin1String(name);
}

QString corpus_file(char const* name)
{
    return preset_corpus::path(QStringLiteral("lrtemplate/") + QString::fromUtf8(name));
}

// ---- tokens ----

struct token_case {
    QString text;
    std::vector<std::pair<token_type, QString>> tokens;
    std::vector<int> values;
};

TEST(TemplateTokens, SplitsPiecesIntoTypedTokens)
{
    using t = token_type;
    std::vector<token_case> const cases = {
        {"", {}, {}},
        {"a = 1", {{t::name, "a"}, {t::equals, "="}, {t::num, "1"}}, {0, 0, 1}},
        {"a=b,c", {{t::name, "a"}, {t::equals, "="}, {t::name, "b"}, {t::comma, ","}, {t::name, "c"}}, {0, 0, 0, 0, 0}},
        {"{ }", {{t::lbrace, "{"}, {t::rbrace, "}"}}, {0, 0}},
        {"{}", {{t::name, "{}"}}, {0}},
        {"{a", {{t::name, "{a"}}, {0}},
        {"\"x, y = { z }\"", {{t::str, "x, y = { z }"}}, {0}},
        {"\"a\\\" b", {{t::str, "a\\"}, {t::name, "b"}}, {0, 0}},
        {"\"", {{t::str, ""}}, {0}},
        {"\"\"", {{t::str, ""}}, {0}},
        {"x\"a b\"", {{t::name, "x\"a b\""}}, {0}},
        {"+5 -007 0", {{t::num, "+5"}, {t::num, "-007"}, {t::num, "0"}}, {5, -7, 0}},
        {"2147483647 -2147483648", {{t::num, "2147483647"}, {t::num, "-2147483648"}}, {2147483647, -2147483647 - 1}},
        {"2147483648 1.5 1e3 0x10",
         {{t::name, "2147483648"}, {t::name, "1.5"}, {t::name, "1e3"}, {t::name, "0x10"}},
         {0, 0, 0, 0}},
        {"+7 007 -0 123456789 1234567890 - + 12a -x",
         {{t::num, "+7"},
          {t::num, "007"},
          {t::num, "-0"},
          {t::num, "123456789"},
          {t::num, "1234567890"},
          {t::name, "-"},
          {t::name, "+"},
          {t::name, "12a"},
          {t::name, "-x"}},
         {7, 7, 0, 123456789, 1234567890, 0, 0, 0, 0}},
        {"true false True", {{t::boolean, "true"}, {t::boolean, "false"}, {t::name, "True"}}, {1, 0, 0}},
        {QString::fromUtf8("a\tb\nc\vd\fe\rf g\u0085h\u00a0i\u2003j"),
         {{t::name, "a"},
          {t::name, "b"},
          {t::name, "c"},
          {t::name, "d"},
          {t::name, "e"},
          {t::name, "f"},
          {t::name, "g"},
          {t::name, "h"},
          {t::name, "i"},
          {t::name, "j"}},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"  a  ,  ", {{t::name, "a"}, {t::comma, ","}}, {0, 0}},
    };
    for (token_case const& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        std::vector<lrtoken> const tokens = split_into_tokens(c.text);
        ASSERT_EQ(tokens.size(), c.tokens.size() + 1);
        for (std::size_t i = 0; i < c.tokens.size(); ++i) {
            EXPECT_EQ(tokens[i].type, c.tokens[i].first) << i;
            EXPECT_EQ(tokens[i].text.toString(), c.tokens[i].second) << i;
            EXPECT_EQ(tokens[i].value, c.values[i]) << i;
        }
        EXPECT_EQ(tokens.back().type, token_type::eof);
        EXPECT_TRUE(tokens.back().text.isEmpty());
        EXPECT_EQ(tokens.back().value, 0);
    }
}

TEST(TemplateTokens, TokensAreViewsIntoTheText)
{
    QString const text = QStringLiteral("key = \"value\"");
    std::vector<lrtoken> const tokens = split_into_tokens(text);
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[0].text.string(), &text);
    EXPECT_EQ(tokens[0].text.position(), 0);
    EXPECT_EQ(tokens[2].text.string(), &text);
    EXPECT_EQ(tokens[2].text.position(), 7);
    EXPECT_EQ(tokens[2].text.size(), 5);
}

// Tokens point into the text, so a temporary text must not be accepted.
template <typename Text, typename = void>
struct splits : std::false_type {
};
template <typename Text>
struct splits<Text, std::void_t<decltype(split_into_tokens(std::declval<Text>()))>> : std::true_type {
};

TEST(TemplateTokens, RefuseATemporaryText)
{
    static_assert(splits<QString const&>::value && splits<QString&>::value, "a lasting text splits");
    static_assert(!splits<QString>::value && !splits<QString&&>::value, "a temporary text does not");
}

TEST(TemplateTokens, TypeNames)
{
    std::vector<std::pair<token_type, QString>> const cases = {
        {token_type::name, "token_type::name"},       {token_type::str, "token_type::str"},
        {token_type::boolean, "token_type::boolean"}, {token_type::num, "token_type::num"},
        {token_type::equals, "token_type::equals"},   {token_type::comma, "token_type::comma"},
        {token_type::lbrace, "token_type::lbrace"},   {token_type::rbrace, "token_type::rbrace"},
        {token_type::eof, "token_type::eof"},         {static_cast<token_type>(9), "<unknown>"},
        {static_cast<token_type>(-1), "<unknown>"},
    };
    for (auto const& c : cases)
        EXPECT_EQ(lrtoken::token_type_to_name(c.first), c.second);
    EXPECT_EQ(static_cast<int>(token_type::name), 0);
    EXPECT_EQ(static_cast<int>(token_type::eof), 8);
}

TEST(TemplateTokens, DebugTextRestoresTheStreamState)
{
    QString const text = QStringLiteral("\"a b\" -12");
    std::vector<lrtoken> const tokens = split_into_tokens(text);
    QString out;
    {
        QDebug debug(&out);
        debug << tokens[0] << QStringLiteral("quoted") << tokens[1] << tokens[2];
    }
    EXPECT_EQ(out, QStringLiteral("token_type::str(\"a b\", 0) \"quoted\" token_type::num(\"-12\", -12) "
                                  "token_type::eof(\"\", 0) "));
}

// ---- dot notation ----

struct dot_case {
    char const* text;
    setting_list settings;
    point_list master;
    point_list red;
    point_list green;
    point_list blue;
};

TEST(DotNotationReader, LinesBecomeSettingsAndCurvePoints)
{
    std::vector<dot_case> const cases = {
        {"\ts.value.settings.Exposure2012 = 0.5", {{"Exposure2012", "0.5"}}, {}, {}, {}, {}},
        {"s.value.settings.Exposure2012 = 0.5", {{"s.value.settings.Exposure2012", "0.5"}}, {}, {}, {}, {}},
        {"  s.title = \"Warm\"  ", {{"title", "\"Warm\""}}, {}, {}, {}, {}},
        {"\ts.settings.a = 1", {{"a", "1"}}, {}, {}, {}, {}},
        {"\ts.value.b = 2", {{"b", "2"}}, {}, {}, {}, {}},
        {"\ts.x = a = b", {{"x", "a"}}, {}, {}, {}, {}},
        {"\ts.x = a = b = c", {{"x", "a"}}, {}, {}, {}, {}},
        {"\ts.x = 7\r", {{"x", "7"}}, {}, {}, {}, {}},
        {"just words", {{"just words", ""}}, {}, {}, {}, {}},
        {"\n", {{"", ""}}, {}, {}, {}, {}},
        {"\ts.value.settings = {}\n\ts.x = {}", {}, {}, {}, {}, {}},
        {"\ts.ToneCurveName2012 = \"Linear\"", {{"ToneCurveName2012", "\"Linear\""}}, {}, {}, {}, {}},
        {"\ts.ToneCurveName = \"Linear\"", {{"ToneCurveName", "\"Linear\""}}, {}, {}, {}, {}},
        {"\ts.ToneCurvePV2012[1] = 0\n\ts.ToneCurvePV2012[2] = 0\n"
         "\ts.ToneCurvePV2012[3] = 255\n\ts.ToneCurvePV2012[4] = 255",
         {},
         {{0, 0}, {255, 255}},
         {},
         {},
         {}},
        {"\ts.ToneCurvePV2012Red[2] = 40", {}, {}, {{0, 40}}, {}, {}},
        {"\ts.ToneCurvePV2012Green[1] = 7\n\ts.ToneCurvePV2012Blue[2] = 9\n\ts.ToneCurvePV2012Red[4] = 3",
         {},
         {},
         {{7, 3}},
         {},
         {{7, 9}}},
        {"\ts.ToneCurve[1] = 1\n\ts.ToneCurve[2] = 2\n\ts.ToneCurvePV2012[1] = 3\n\ts.ToneCurvePV2012[2] = 4",
         {},
         {{1, 2}, {3, 4}},
         {},
         {},
         {}},
        {"\ts.ToneCurve = 5\n\ts.ToneCurve[x] = 6\n\ts.ToneCurve[8] = abc", {}, {{0, 5}, {0, 6}, {0, 0}}, {}, {}, {}},
        {"\ts.ToneCurve[99999999999] = 3", {}, {{0, 3}}, {}, {}, {}},
        {"\ts.ToneCurveRedGreen[2] = 1\n\ts.ToneCurveGreenBlue[2] = 2", {}, {}, {{0, 1}}, {{0, 2}}, {}},
    };
    for (dot_case const& c : cases) {
        SCOPED_TRACE(c.text);
        message_capture quiet;
        lightroom_importer importer;
        importer.read_dot_notation_lrpreset(QString::fromUtf8(c.text));
        EXPECT_EQ(settings_of(importer), c.settings);
        EXPECT_EQ(points_of(importer.tone_curve), c.master);
        EXPECT_EQ(points_of(importer.tone_curve_red), c.red);
        EXPECT_EQ(points_of(importer.tone_curve_green), c.green);
        EXPECT_EQ(points_of(importer.tone_curve_blue), c.blue);
        EXPECT_TRUE(importer.name.isEmpty());
    }
}

TEST(DotNotationReader, EveryLineWritesOneDebugRecord)
{
    message_capture log;
    lightroom_importer importer;
    importer.read_dot_notation_lrpreset(
        QString::fromUtf8("s.value.settings = {}\n\ts.ToneCurvePV2012[1] = 0\n\n\ts.title = \"Grün\""));
    QStringList const expected = {
        "'s.value.settings' -> '{}'",
        "'ToneCurvePV2012[1]' -> '0'",
        "'' -> ''",
        "'title' -> '\"Grün\"'",
    };
    EXPECT_EQ(log.texts(QtDebugMsg), expected);
    EXPECT_EQ(log.lines().size(), expected.size());
}

// ---- Lua table ----

struct table_case {
    char const* text;
    setting_list settings;
    point_list master;
    point_list red;
    point_list green;
    point_list blue;
};

TEST(LuaTableReader, EntriesAndCurves)
{
    std::vector<table_case> const cases = {
        {"", {}, {}, {}, {}, {}},
        {"s = { }", {}, {}, {}, {}, {}},
        {"a = 1", {{"a", "1"}}, {}, {}, {}, {}},
        {"a = 1, b = 2,", {{"a", "1"}, {"b", "2"}}, {}, {}, {}, {}},
        {"a = -007, b = +1.50, c = true, d = Foo, e = 1e5, f = \"\"",
         {{"a", "-007"}, {"b", "+1.50"}, {"c", "true"}, {"d", "Foo"}, {"e", "1e5"}, {"f", ""}},
         {},
         {},
         {},
         {}},
        {"s = { title = \"x, y = { z }\" }", {{"title", "x, y = { z }"}}, {}, {}, {}, {}},
        {"a = \"x\\\" , b = 2", {{"a", "x\\"}, {"b", "2"}}, {}, {}, {}, {}},
        {"a = { }, b = {}", {{"b", "{}"}}, {}, {}, {}, {}},
        {"a = 1, t = { a = 2 }", {{"a", "2"}}, {}, {}, {}, {}},
        {"t = { a = 2 }, a = 1", {{"a", "1"}}, {}, {}, {}, {}},
        {"s = { v = { w = { deep = 1, }, }, after = 2 }", {{"after", "2"}, {"deep", "1"}}, {}, {}, {}, {}},
        {"a = { { x = 1 }, { y = { { z = 2 } } } }, b = 3", {{"b", "3"}}, {}, {}, {}, {}},
        {"a = { { } }, b = 3", {{"b", "3"}}, {}, {}, {}, {}},
        {"ToneCurvePV2012 = { 0, 0, 255, 255, }", {}, {{0, 0}, {255, 255}}, {}, {}, {}},
        {"ToneCurve = { 1, 2, }, ToneCurvePV2012 = { 3, 4, 5, 6, }", {}, {{3, 4}, {5, 6}}, {}, {}, {}},
        {"ToneCurvePV2012 = { 3, 4, }, ToneCurve = { 1, 2, }", {}, {{1, 2}}, {}, {}, {}},
        {"ToneCurvePV2012Red = { 0, 9, }, ToneCurvePV2012Green = { 1, 8, }, ToneCurvePV2012Blue = { 2, 7, }",
         {},
         {},
         {{0, 9}},
         {{1, 8}},
         {{2, 7}}},
        {"ToneCurvePV2012 = { }", {}, {}, {}, {}, {}},
        {"ToneCurve = { 2147483647, -2147483648, }", {}, {{2147483647, -2147483647 - 1}}, {}, {}, {}},
        {"ToneCurveName2012 = \"Custom\"", {{"ToneCurveName2012", "Custom"}}, {}, {}, {}, {}},
    };
    for (table_case const& c : cases) {
        SCOPED_TRACE(c.text);
        lightroom_importer importer;
        EXPECT_NO_THROW(importer.read_regular_lrpreset(QString::fromUtf8(c.text)));
        EXPECT_EQ(settings_of(importer), c.settings);
        EXPECT_EQ(points_of(importer.tone_curve), c.master);
        EXPECT_EQ(points_of(importer.tone_curve_red), c.red);
        EXPECT_EQ(points_of(importer.tone_curve_green), c.green);
        EXPECT_EQ(points_of(importer.tone_curve_blue), c.blue);
    }
}

TEST(LuaTableReader, MalformedTextThrows)
{
    std::vector<std::pair<char const*, std::string>> const cases = {
        {"ToneCurvePV2012 = { 0, 0, 255, 255 }", unexpected("comma", "rbrace")},
        {"ToneCurvePV2012 = { 0, 0, 255, }", unexpected("num", "rbrace")},
        {"ToneCurvePV2012 = { 0.5, 0, }", unexpected("rbrace", "name")},
        {"ToneCurve = { 99999999999, 0, }", unexpected("rbrace", "name")},
        {"ToneCurvePV2012 = { 0 0, }", unexpected("comma", "num")},
        {"ToneCurveFoo = { 0, 0, }", "Unsupported curve type: ToneCurveFoo"},
        {"ToneCurveName2012 = { }", "Unsupported curve type: ToneCurveName2012"},
        {"ToneCurveFoo = { 0, 0 }", unexpected("comma", "rbrace")},
        {"ToneCurve\xc3\x84 = { }", "Unsupported curve type: ToneCurve\xc3\x84"},
        {"a = { { x = 1 }", unexpected("rbrace", "eof")},
        {"a = { \"x\", \"y\" }", unexpected("name", "str")},
        {"a = 1 b = 2", unexpected("comma", "name")},
        {"s = { a = 1 } }", unexpected("eof", "rbrace")},
        {"}", unexpected("eof", "rbrace")},
        {"s = { a = 1", unexpected("name", "eof")},
        {"s = { a = 1, b", unexpected("equals", "eof")},
        {"a", unexpected("equals", "eof")},
        {"a =", unexpected("name", "eof")},
        {"s = { a =", unexpected("name", "eof")},
        {"s = {", unexpected("name", "eof")},
        {"= 1", unexpected("name", "equals")},
        {"a , = 1", unexpected("equals", "comma")},
        {"\"a\" = 1", unexpected("name", "str")},
        {"a = 1,,", unexpected("name", "comma")},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(error_of_regular(QString::fromUtf8(c.first)), c.second);
    }
}

TEST(LuaTableReader, EntriesBeforeAnErrorAreKept)
{
    message_capture quiet;
    lightroom_importer importer;
    EXPECT_THROW(importer.read_regular_lrpreset(
                     QStringLiteral("s = { a = 1, ToneCurve = { 4, 5, }, ToneCurvePV2012Red = { 1, 2, 3, }, b = 2 }")),
                 std::runtime_error);
    EXPECT_EQ(settings_of(importer), (setting_list{{"a", "1"}}));
    EXPECT_EQ(points_of(importer.tone_curve), (point_list{{4, 5}}));
    EXPECT_TRUE(importer.tone_curve_red.isEmpty());
}

TEST(LuaTableReader, UnexpectedTokenRecordNamesTheNeighbours)
{
    std::vector<std::pair<char const*, std::string>> const cases = {
        {"a = 1 b = 2", "prev token: token_type::num(\"1\", 1) token: token_type::name(\"b\", 0) next token: "
                        "token_type::equals(\"=\", 0)"},
        {"= 1", "prev token: <none> token: token_type::equals(\"=\", 0) next token: token_type::num(\"1\", 1)"},
        {"}", "prev token: <none> token: token_type::rbrace(\"}\", 0) next token: token_type::eof(\"\", 0)"},
        {"a", "prev token: token_type::name(\"a\", 0) token: token_type::eof(\"\", 0) next token: <none>"},
        {"t =", "prev token: token_type::equals(\"=\", 0) token: token_type::eof(\"\", 0) next token: <none>"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.first);
        message_capture log;
        lightroom_importer importer;
        EXPECT_THROW(importer.read_regular_lrpreset(QString::fromUtf8(c.first)), std::runtime_error);
        EXPECT_EQ(log.texts(QtCriticalMsg), QStringList(QString::fromStdString(c.second)));
    }
}

TEST(LuaTableReader, UnsupportedCurveWritesNoRecord)
{
    message_capture log;
    lightroom_importer importer;
    EXPECT_THROW(importer.read_regular_lrpreset(QStringLiteral("ToneCurveX = { 1, 2, }")), std::runtime_error);
    EXPECT_TRUE(log.lines().isEmpty());
}

QString nested_tables(int depth)
{
    QString text;
    for (int i = 0; i < depth; ++i)
        text += QStringLiteral("k = { ");
    text += QStringLiteral("leaf = 1 ");
    for (int i = 0; i < depth; ++i)
        text += QStringLiteral("} ");
    return text;
}

TEST(LuaTableReader, NestingIsLimited)
{
    lightroom_importer importer;
    EXPECT_NO_THROW(importer.read_regular_lrpreset(nested_tables(100)));
    EXPECT_EQ(settings_of(importer), (setting_list{{"leaf", "1"}}));
    EXPECT_EQ(error_of_regular(nested_tables(101)), "Tables nested deeper than 100 levels");
    EXPECT_EQ(error_of_regular(QStringLiteral("a = { ").repeated(200000)), "Tables nested deeper than 100 levels");
}

TEST(LuaTableReader, DeepArraysAreSkippedWithoutRecursion)
{
    int const depth = 200000;
    QString const balanced = QStringLiteral("a = { ") + QStringLiteral("{ ").repeated(depth)
                             + QStringLiteral("} ").repeated(depth + 1) + QStringLiteral(", b = 1");
    lightroom_importer importer;
    EXPECT_NO_THROW(importer.read_regular_lrpreset(balanced));
    EXPECT_EQ(settings_of(importer), (setting_list{{"b", "1"}}));
    EXPECT_EQ(error_of_regular(QStringLiteral("a = { ") + QStringLiteral("{ ").repeated(depth)),
              unexpected("rbrace", "eof"));
}

// ---- whole files ----

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
        EXPECT_EQ(std::string(error.what()), unexpected("comma", "name"));
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

// ---- real templates ----

struct corpus_case {
    char const* file;
    char const* title;
    char const* key;
    char const* value;
    point_list master;
};

TEST(TemplateCorpus, ReadsRealTemplates)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    std::vector<corpus_case> const cases = {
        {"jolt__curve_deepContrast_01.lrtemplate",
         "curve_deepContrast_01",
         "ParametricHighlightSplit",
         "75",
         {{0, 12}, {28, 24}, {86, 90}, {255, 255}}},
        {"xsyn__Synaptic LRP- Night Subtle 1.lrtemplate",
         "Synaptic LRP: Night Subtle 1",
         "ToneCurveName",
         "Medium Contrast",
         {{0, 0}, {32, 22}, {64, 56}, {128, 128}, {192, 196}, {255, 255}}},
        {"mehim__Carter.lrtemplate", "Carter", "CameraProfile", "Portra 400⁺¹ - C", {}},
        {"mehim__BW - Seepia.lrtemplate", "BW - Sepia", "Blacks2012", "10", {}},
        {"mehim__preset.lrtemplate", "preset", "Contrast2012", "-25", {}},
        {"derryl__samplePreset.lrtemplate", "My Preset 70", "Exposure2012", "0.73", {}},
    };
    for (corpus_case const& c : cases) {
        SCOPED_TRACE(c.file);
        lightroom_importer importer;
        importer.read_lrpreset(corpus_file(c.file));
        EXPECT_EQ(importer.name, QString::fromUtf8(c.title));
        EXPECT_EQ(importer.settings.value(QString::fromUtf8(c.key)), QString::fromUtf8(c.value));
        if (!c.master.empty()) {
            EXPECT_EQ(points_of(importer.tone_curve), c.master);
        }
        EXPECT_FALSE(importer.settings.contains(QStringLiteral("ToneCurvePV2012")));
        EXPECT_FALSE(importer.settings.contains(QStringLiteral("ToneCurve")));
    }
}

TEST(TemplateCorpus, DeepContrastIsReadExactly)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    lightroom_importer importer;
    importer.read_lrpreset(corpus_file("jolt__curve_deepContrast_01.lrtemplate"));
    setting_list const expected = {
        {"ParametricDarks", "0"},
        {"ParametricHighlightSplit", "75"},
        {"ParametricHighlights", "0"},
        {"ParametricLights", "0"},
        {"ParametricMidtoneSplit", "50"},
        {"ParametricShadowSplit", "25"},
        {"ParametricShadows", "0"},
        {"ProcessVersion", "6.7"},
        {"ToneCurveName2012", "Custom"},
        {"id", "DB274DE1-BC0D-4A44-8BBA-DAA7DF92FD1F"},
        {"internalName", "curve_deepContrast_01"},
        {"title", "curve_deepContrast_01"},
        {"type", "Develop"},
        {"uuid", "55AC82AF-20FE-4CDB-A4B3-511551407494"},
        {"version", "0"},
    };
    EXPECT_EQ(settings_of(importer), expected);
    point_list const identity = {{0, 0}, {255, 255}};
    EXPECT_EQ(points_of(importer.tone_curve_red), identity);
    EXPECT_EQ(points_of(importer.tone_curve_green), identity);
    EXPECT_EQ(points_of(importer.tone_curve_blue), identity);
}

TEST(TemplateCorpus, LocalCorrectionArraysAreSkipped)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    lightroom_importer importer;
    importer.read_lrpreset(corpus_file("derryl__samplePreset.lrtemplate"));
    EXPECT_FALSE(importer.settings.contains(QStringLiteral("CorrectionAmount")));
    EXPECT_FALSE(importer.settings.contains(QStringLiteral("Angle")));
    EXPECT_EQ(importer.settings.value(QStringLiteral("Clarity2012")), QStringLiteral("20"));
    EXPECT_EQ(importer.settings.value(QStringLiteral("EnableCircularGradientBasedCorrections")),
              QStringLiteral("true"));
}

TEST(TemplateCorpus, EveryTemplateReadsWithItsTitle)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    QDir const dir(preset_corpus::path(QStringLiteral("lrtemplate")));
    QStringList const files = dir.entryList({QStringLiteral("*.lrtemplate")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (QString const& file : files) {
        SCOPED_TRACE(file.toStdString());
        lightroom_importer importer;
        EXPECT_NO_THROW(importer.read_lrpreset(dir.filePath(file)));
        EXPECT_FALSE(importer.name.isEmpty());
        EXPECT_EQ(importer.name, importer.settings.value(QStringLiteral("title")));
        EXPECT_GT(importer.settings.size(), 5);
    }
}

// ---- hostile input ----

void expect_returns_or_throws_runtime_error(lightroom_importer& importer, QString const& path)
{
    try {
        importer.read_lrpreset(path);
    } catch (std::runtime_error const&) {
    }
}

TEST(TemplateBadInput, TruncatedRealTemplatesNeverMisbehave)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    QFile file(corpus_file("jolt__usa_baker_01.lrtemplate"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString const text = QString::fromUtf8(file.readAll());
    message_capture quiet;
    int errors = 0;
    for (int length = 0; length <= text.size(); ++length) {
        lightroom_importer importer;
        try {
            importer.read_regular_lrpreset(text.left(length));
        } catch (std::runtime_error const&) {
            ++errors;
        }
    }
    EXPECT_GT(errors, text.size() / 2);
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
