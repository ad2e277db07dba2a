#pragma once

#include "conversion/style_context.h"

void convert_tone_curves(style_context& context);
