#pragma once

#include "conversion/style_context.h"

namespace conversion {

void convert_detail(style_context& context);
void convert_vignette(style_context& context);
void convert_grain(style_context& context);
void convert_dehaze(style_context& context);

}
