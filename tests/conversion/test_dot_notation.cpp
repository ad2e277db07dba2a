#include "conversion/lightroom_importer.h"

#include "importer_views.h"
#include "message_capture.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(DotNotationReader, LinesBecomeSettingsAndCurvePoints)
{
    std::vector<reading_case> const cases = {
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
    for (reading_case const& c : cases) {
        SCOPED_TRACE(c.text);
        message_capture quiet;
        lightroom_importer importer;
        importer.read_dot_notation_lrpreset(QString::fromUtf8(c.text));
        expect_read_as(importer, c);
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

} // namespace
