#pragma once

#include "conversion/colour_target.h"
#include "conversion/lightroom_importer.h"
#include "conversion/style_context.h"

#include <utility>
#include <vector>

using setting_pairs = std::vector<std::pair<char const*, char const*>>;

// What a stage of the style writer works on: a colour preset with `settings`,
// an empty style and the shared writer's target for `colorspace`.
struct stage_fixture {
    explicit stage_fixture(setting_pairs const& settings, char const* colorspace = "raw");

    lightroom_importer importer;
    conversion::style_map style;
    conversion::colour_target target;
    conversion::style_context context;
};
