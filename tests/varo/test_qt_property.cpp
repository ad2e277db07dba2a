#include "varo/property.h"
#include "varo/qt_property.h"

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

namespace property = varo::qt::property;

TEST(qt_property, globals_take_consecutive_ids_in_declaration_order)
{
    std::vector<varo::property const*> const in_order = {
        &property::margin,
        &property::margin_top,
        &property::margin_bottom,
        &property::margin_left,
        &property::margin_right,
        &property::padding,
        &property::padding_top,
        &property::padding_bottom,
        &property::padding_left,
        &property::padding_right,
        &property::width,
        &property::height,
        &property::size,
        &property::style_sheet,
        &property::background_style_sheet,
        &property::background_disable,
        &property::row_height,
        &property::row_span,
        &property::column_span,
        &property::column_width,
        &property::hide,
        &property::disable,
        &property::cell_column_width,
        &property::newline,
        &property::offset_x,
        &property::offset_y,
        &property::offset,
        &property::widget_size,
        &property::widget_size_as_cell_column_width,
    };
    for (std::size_t i = 0; i < in_order.size(); ++i)
        EXPECT_EQ(in_order[i]->id, property::margin.id + static_cast<int>(i)) << "property " << i;
    EXPECT_GE(varo::property::type_counter, property::margin.id + static_cast<int>(in_order.size()));
}

TEST(qt_property, values_start_empty)
{
    EXPECT_EQ(property::margin.values, (std::array<float, 4>{0, 0, 0, 0}));
    EXPECT_EQ(property::size.values, (std::array<float, 2>{0, 0}));
    EXPECT_EQ(property::offset.values, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(property::row_span.values[0], 0);
    EXPECT_EQ(property::style_sheet.values[0], QString());
    EXPECT_EQ(sizeof(property::margin.values), 16u) << "four bytes per number";
}

TEST(property, each_new_property_takes_the_next_id)
{
    int const next = varo::property::type_counter;
    varo::property first;
    varo::property_type<int, 3> second;
    EXPECT_EQ(first.id, next);
    EXPECT_EQ(second.id, next + 1);
    EXPECT_EQ(varo::property::type_counter, next + 2);
}

TEST(property, copies_compare_equal_to_their_original)
{
    varo::property original;
    varo::property other;
    varo::property const copy = original;
    EXPECT_EQ(copy.id, original.id);
    EXPECT_TRUE(&original == copy);
    EXPECT_FALSE(&other == copy);
    EXPECT_FALSE(static_cast<varo::property*>(nullptr) == copy);
    EXPECT_TRUE(&property::hide == property::hide);
    EXPECT_FALSE(&property::hide == property::disable);
}

TEST(property, commas_build_a_list)
{
    std::vector<varo::property*> const one = (property::margin, varo::make_property_vector());
    EXPECT_EQ(one, (std::vector<varo::property*>{&property::margin}));
    std::vector<varo::property*> const two = (property::padding, (property::margin, varo::make_property_vector()));
    EXPECT_EQ(two, (std::vector<varo::property*>{&property::margin, &property::padding}));
}

TEST(property, conversions_to_a_list)
{
    EXPECT_TRUE(varo::make_property_vector().empty());
    EXPECT_EQ(varo::_convert_to_property_vector(property::newline), (std::vector<varo::property*>{&property::newline}));
    std::vector<varo::property*> const list = {&property::hide, &property::width};
    EXPECT_EQ(varo::_convert_to_property_vector(list), list);
}

}
