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

setting_list settings_of(lightroom_importer const& importer);
point_list points_of(QVector<QPoint> const& curve);
