#include "stage_fixture.h"

#include "shared_writer.h"

#include <QLatin1String>

stage_fixture::stage_fixture(setting_pairs const& settings, char const* colorspace)
    : target(conversion::choose_colour_target(shared_writer(), QLatin1String(colorspace))),
      context(importer, style, shared_writer(), target, false)
{
    for (auto const& [key, value] : settings)
        importer.settings[key] = value;
}
