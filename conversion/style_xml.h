#pragma once

#include "conversion/style_context.h"

namespace conversion {

void write_style_xml(style_map const& style, QString& xml);

}
