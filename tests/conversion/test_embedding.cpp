#include "conversion/costyle_writer.h"
#include "conversion/lightroom_importer.h"

#include "settings_sandbox.h"

#include <QString>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A program that embeds the engine may have global helpers of the same
// generic names as the engine's own; it must still link (this file failing
// to link is the fault) and each side must keep calling its own.
bool starts_with(std::string const& text, std::string const& prefix)
{
    return text.size() < prefix.size();
}

std::vector<std::string> split_string(std::string const&, char, int)
{
    return {"own"};
}

double string_to_double(std::string const&, double fallback)
{
    return -fallback;
}

float clamp_value(float, float, float)
{
    return -1;
}

float linear_map(float, float, float, float, float)
{
    return -2;
}

float parse_number(QString const&, bool*)
{
    return -3;
}

QString number_text(float)
{
    return QStringLiteral("own");
}

double limit_level(double)
{
    return -4;
}

int truncate_to_int(double)
{
    return -5;
}

TEST(embedding, the_program_keeps_its_own_helpers)
{
    EXPECT_FALSE(starts_with("abc", "a"));
    EXPECT_EQ(split_string("a b", ' ', 0), std::vector<std::string>{"own"});
    EXPECT_EQ(string_to_double("1", 2), -2);
    EXPECT_EQ(clamp_value(5, 0, 10), -1);
    EXPECT_EQ(linear_map(5, -10, 10, -1, 1), -2);
    EXPECT_EQ(parse_number(QStringLiteral("7"), nullptr), -3);
    EXPECT_EQ(number_text(1), QStringLiteral("own"));
    EXPECT_EQ(limit_level(300), -4);
    EXPECT_EQ(truncate_to_int(1.5), -5);
}

TEST(embedding, the_engine_keeps_its_own_helpers)
{
    settings_sandbox sandbox;
    sandbox.set("colorspace", "srgb");
    lightroom_importer importer;
    importer.settings[QStringLiteral("Clarity2012")] = QStringLiteral("30");
    importer.settings[QStringLiteral("Vibrance")] = QStringLiteral("50");
    importer.tone_curve = {QPoint(0, 0), QPoint(128, 150), QPoint(255, 255)};
    importer.tone_curve_red = {QPoint(0, 0), QPoint(64, 96), QPoint(255, 255)};
    QString xml;
    ASSERT_TRUE(costyle_writer().create_costyle(importer, xml));
    EXPECT_TRUE(xml.contains(QLatin1String("<E K=\"Clarity\" V=\"30.000000\"/>"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QLatin1String("<E K=\"ClarityStructure\" V=\"10.000000\"/>"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QLatin1String("<E K=\"GradationCurveRed\" V=\"0.000000,0.000000;"))) << xml.toStdString();
}
