#pragma once

#include "conversion/style_context.h"

namespace conversion {

void convert_vibrance(style_context& context);
void convert_color_corrections(style_context& context);

}
