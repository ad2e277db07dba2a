#pragma once

#include "conversion/style_context.h"

void write_style_xml(style_map const& style, QString& xml);
