#pragma once

#include "conversion/style_context.h"

namespace conversion {

void convert_tone_curves(style_context& context);

}
