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

// A preset text and what reading it must give.
struct reading_case {
    char const* text;
    setting_list settings;
    point_list master;
    point_list red;
    point_list green;
    point_list blue;
};

// Checks the settings and the four curves that `importer` read against `expected`.
void expect_read_as(lightroom_importer const& importer, reading_case const& expected);
