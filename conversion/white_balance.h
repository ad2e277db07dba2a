#pragma once

#include "conversion/style_context.h"

void convert_white_balance(style_context& context);
