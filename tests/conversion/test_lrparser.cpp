#include "conversion/lightroom_importer.h"

#include "importer_views.h"
#include "message_capture.h"
#include "qstring_printer.h"
#include "unexpected_token.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

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

TEST(LuaTableReader, EntriesAndCurves)
{
    std::vector<reading_case> const cases = {
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
    for (reading_case const& c : cases) {
        SCOPED_TRACE(c.text);
        lightroom_importer importer;
        EXPECT_NO_THROW(importer.read_regular_lrpreset(QString::fromUtf8(c.text)));
        expect_read_as(importer, c);
    }
}

TEST(LuaTableReader, MalformedTextThrows)
{
    std::vector<std::pair<char const*, std::string>> const cases = {
        {"ToneCurvePV2012 = { 0, 0, 255, 255 }", unexpected_token("comma", "rbrace")},
        {"ToneCurvePV2012 = { 0, 0, 255, }", unexpected_token("num", "rbrace")},
        {"ToneCurvePV2012 = { 0.5, 0, }", unexpected_token("rbrace", "name")},
        {"ToneCurve = { 99999999999, 0, }", unexpected_token("rbrace", "name")},
        {"ToneCurvePV2012 = { 0 0, }", unexpected_token("comma", "num")},
        {"ToneCurveFoo = { 0, 0, }", "Unsupported curve type: ToneCurveFoo"},
        {"ToneCurveName2012 = { }", "Unsupported curve type: ToneCurveName2012"},
        {"ToneCurveFoo = { 0, 0 }", unexpected_token("comma", "rbrace")},
        {"ToneCurve\xc3\x84 = { }", "Unsupported curve type: ToneCurve\xc3\x84"},
        {"a = { { x = 1 }", unexpected_token("rbrace", "eof")},
        {"a = { \"x\", \"y\" }", unexpected_token("name", "str")},
        {"a = 1 b = 2", unexpected_token("comma", "name")},
        {"s = { a = 1 } }", unexpected_token("eof", "rbrace")},
        {"}", unexpected_token("eof", "rbrace")},
        {"s = { a = 1", unexpected_token("name", "eof")},
        {"s = { a = 1, b", unexpected_token("equals", "eof")},
        {"a", unexpected_token("equals", "eof")},
        {"a =", unexpected_token("name", "eof")},
        {"s = { a =", unexpected_token("name", "eof")},
        {"s = {", unexpected_token("name", "eof")},
        {"= 1", unexpected_token("name", "equals")},
        {"a , = 1", unexpected_token("equals", "comma")},
        {"\"a\" = 1", unexpected_token("name", "str")},
        {"a = 1,,", unexpected_token("name", "comma")},
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
              unexpected_token("rbrace", "eof"));
}

} // namespace
