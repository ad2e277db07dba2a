#include "importer_views.h"

#include <gtest/gtest.h>

setting_list settings_of(lightroom_importer const& importer)
{
    setting_list result;
    for (auto it = importer.settings.cbegin(); it != importer.settings.cend(); ++it)
        result[it.key().toStdString()] = it.value().toStdString();
    return result;
}

point_list points_of(QVector<QPoint> const& curve)
{
    point_list result;
    for (QPoint const& point : curve)
        result.emplace_back(point.x(), point.y());
    return result;
}

void expect_read_as(lightroom_importer const& importer, reading_case const& expected)
{
    EXPECT_EQ(settings_of(importer), expected.settings);
    EXPECT_EQ(points_of(importer.tone_curve), expected.master);
    EXPECT_EQ(points_of(importer.tone_curve_red), expected.red);
    EXPECT_EQ(points_of(importer.tone_curve_green), expected.green);
    EXPECT_EQ(points_of(importer.tone_curve_blue), expected.blue);
}
