#pragma once

#include "varo/property.h"

#include <QString>

// The named settings of a layout cell.
namespace varo::qt::property {

extern varo::property_type<float, 4> margin;
extern varo::property_type<float, 1> margin_top;
extern varo::property_type<float, 1> margin_bottom;
extern varo::property_type<float, 1> margin_left;
extern varo::property_type<float, 1> margin_right;
extern varo::property_type<float, 4> padding;
extern varo::property_type<float, 1> padding_top;
extern varo::property_type<float, 1> padding_bottom;
extern varo::property_type<float, 1> padding_left;
extern varo::property_type<float, 1> padding_right;
extern varo::property_type<float, 1> width;
extern varo::property_type<float, 1> height;
extern varo::property_type<float, 2> size;
extern varo::property_type<QString, 1> style_sheet;
extern varo::property_type<QString, 1> background_style_sheet;
extern varo::property_type<void, 1> background_disable;
extern varo::property_type<int, 1> row_height;
extern varo::property_type<int, 1> row_span;
extern varo::property_type<int, 1> column_span;
extern varo::property_type<int, 1> column_width;
extern varo::property_type<void, 1> hide;
extern varo::property_type<void, 1> disable;
extern varo::property_type<int, 1> cell_column_width;
extern varo::property_type<void, 1> newline;
extern varo::property_type<int, 1> offset_x;
extern varo::property_type<int, 1> offset_y;
extern varo::property_type<int, 2> offset;
extern varo::property_type<void, 1> widget_size;
extern varo::property_type<void, 1> widget_size_as_cell_column_width;

}
