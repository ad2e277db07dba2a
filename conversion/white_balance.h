#pragma once

#include "conversion/style_context.h"

namespace conversion {

void convert_white_balance(style_context& context);

}
