#pragma once

#include "conversion/style_context.h"

namespace conversion {

void convert_bw_mixer(style_context& context);
void convert_split_toning(style_context& context);

}
