#include "varo/qt_property.h"

// Defined in one unit, so their ids follow this order.
namespace varo::qt::property {

varo::property_type<float, 4> margin;
varo::property_type<float, 1> margin_top;
varo::property_type<float, 1> margin_bottom;
varo::property_type<float, 1> margin_left;
varo::property_type<float, 1> margin_right;
varo::property_type<float, 4> padding;
varo::property_type<float, 1> padding_top;
varo::property_type<float, 1> padding_bottom;
varo::property_type<float, 1> padding_left;
varo::property_type<float, 1> padding_right;
varo::property_type<float, 1> width;
varo::property_type<float, 1> height;
varo::property_type<float, 2> size;
varo::property_type<QString, 1> style_sheet;
varo::property_type<QString, 1> background_style_sheet;
varo::property_type<void, 1> background_disable;
varo::property_type<int, 1> row_height;
varo::property_type<int, 1> row_span;
varo::property_type<int, 1> column_span;
varo::property_type<int, 1> column_width;
varo::property_type<void, 1> hide;
varo::property_type<void, 1> disable;
varo::property_type<int, 1> cell_column_width;
varo::property_type<void, 1> newline;
varo::property_type<int, 1> offset_x;
varo::property_type<int, 1> offset_y;
varo::property_type<int, 2> offset;
varo::property_type<void, 1> widget_size;
varo::property_type<void, 1> widget_size_as_cell_column_width;

}
