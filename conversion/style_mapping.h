#pragma once

#include "conversion/style_context.h"

namespace conversion {

// Reading preset settings and writing style numbers, shared by all stages.
QString setting_text(style_context const& context, QString const& preset_key, QString const& fallback = QString());
float parse_number(QString const& text, bool* ok = nullptr);
bool setting_number(style_context const& context, QString const& preset_key, float& value);
QString number_text(float value);
float clamp_value(float value, float lo, float hi);
float linear_map(float x, float in_min, float in_max, float out_min, float out_max);

}

void map_setting_linear(conversion::style_context& context, QString const& preset_key, QString const& style_key,
                        float in_min, float in_max, float out_min, float out_max);
void copy_setting(conversion::style_context& context, QString const& preset_key, QString const& style_key);
