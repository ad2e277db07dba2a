#pragma once

#include "conversion/style_context.h"

namespace conversion {

void test_legacy(style_context& context);
void convert_tone_2010(style_context& context);
void convert_tone_2012(style_context& context);
void convert_clarity(style_context& context);
void convert_saturation(style_context& context);

}
