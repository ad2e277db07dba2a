#pragma once

#include "conversion/lightroom_importer.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// A preset's settings and curves as standard containers, which GoogleTest
// prints readably when a comparison fails.
using setting_list = std::map<std::string, std::string>;
using point_list = std::vector<std::pair<int, int>>;

inline setting_list settings_of(lightroom_importer const& importer)
{
    setting_list result;
    for (auto it = importer.settings.cbegin(); it != importer.settings.cend(); ++it)
        result[it.key().toStdString()] = it.value().toStdString();
    return result;
}

inline point_list points_of(QVector<QPoint> const& curve)
{
    point_list result;
    for (QPoint const& point : curve)
        result.emplace_back(point.x(), point.y());
    return result;
}
