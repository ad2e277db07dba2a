#include "varo/qt_cell.h"

#include "varo/qt_layout.h"

#include <vector>

namespace varo::qt {

namespace {

constexpr int item_extent = 100;

bool set_entry(std::vector<int>& sizes, int index, int value)
{
    if (index < 0)
        return false;
    if (sizes.size() <= static_cast<std::size_t>(index))
        sizes.resize(static_cast<std::size_t>(index) + 1, 0);
    if (sizes[static_cast<std::size_t>(index)] == value)
        return false;
    sizes[static_cast<std::size_t>(index)] = value;
    return true;
}

// A window only lays itself out when its size changes.
QWidget* nudge_window(varo::qt::layout const* owner)
{
    QWidget* const parent = owner->parentWidget();
    if (!parent)
        return nullptr;
    QWidget* const window = parent->window();
    window->resize(window->width(), window->height() + 1);
    window->resize(window->width(), window->height() - 1);
    return window;
}

}

cell::cell() : background_widget(new QWidget) {}

cell::cell(QWidget* widget) : background_widget(new QWidget), content_widget(widget) {}

QWidget* cell::background() const
{
    return background_widget;
}

void cell::margin(float m)
{
    for (float& value : margins)
        value = m;
}

void cell::padding(float p)
{
    for (float& value : paddings)
        value = p;
}

void cell::resize_column(int size, float)
{
    if (layout && set_entry(layout->column_widths, column, size))
        nudge_window(layout);
}

void cell::resize_row(int size, float)
{
    if (!layout || !set_entry(layout->row_heights, row, size))
        return;
    if (QWidget* const window = nudge_window(layout))
        window->repaint();
}

void cell::resize_row_column(int column_size, int row_size, float)
{
    if (!layout)
        return;
    bool const column_changed = set_entry(layout->column_widths, column, column_size);
    bool const row_changed = set_entry(layout->row_heights, row, row_size);
    if (column_changed || row_changed)
        nudge_window(layout);
}

QSize cell::sizeHint() const
{
    return {item_extent, item_extent};
}

QSize cell::minimumSize() const
{
    return {item_extent, item_extent};
}

QSize cell::maximumSize() const
{
    return {item_extent, item_extent};
}

Qt::Orientations cell::expandingDirections() const
{
    return Qt::Horizontal | Qt::Vertical;
}

void cell::setGeometry(QRect const&) {}

QRect cell::geometry() const
{
    return {0, 0, item_extent, item_extent};
}

bool cell::isEmpty() const
{
    return !spanned && !content_widget;
}

QWidget* cell::widget()
{
    return content_widget;
}

}
