#include "varo/qt_layout.h"

#include "varo/exception.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace varo::qt {

std::map<QWidget*, cell*> layout::widgets_in_cells;

namespace {

constexpr int hinted_extent = 20;
// A pass for an unchanged parent size is refused once more repeats than this
// are counted: with the first pass, which counts none, the same size is laid
// out at most five times in a row.
constexpr int repeat_limit = 3;

int sum(std::vector<int> const& sizes)
{
    return std::accumulate(sizes.begin(), sizes.end(), 0);
}

int hinted_sum(std::vector<int> const& sizes)
{
    int total = 0;
    for (int size : sizes)
        total += size == 0 ? hinted_extent : size;
    return total;
}

float share(int available, std::vector<int> const& sizes)
{
    auto const sharing = std::count(sizes.begin(), sizes.end(), 0);
    return sharing == 0 ? 0.f : static_cast<float>(available - sum(sizes)) / static_cast<float>(sharing);
}

float extent(int size, float share)
{
    return size == 0 ? share : static_cast<float>(size);
}

float spanned_extent(std::vector<int> const& sizes, int first, int span, float share, int first_override)
{
    float total = 0;
    for (int i = 0; i < span; ++i) {
        auto const index = static_cast<std::size_t>(first + i);
        if (index >= sizes.size())
            break;
        int const size = i == 0 && first_override > 0 ? first_override : sizes[index];
        total += extent(size, share);
    }
    return total;
}

struct segment {
    float start;
    float length;
};

// A fixed length is centred, or kept at the margin that is set; otherwise
// the content fills the space inside margins and padding.
segment place_along(float origin, float available, float fixed, float margin_before, float margin_after,
                    float padding_before, float padding_after)
{
    if (fixed > 0) {
        bool const before_unset = margin_before < 0;
        bool const after_unset = margin_after < 0;
        if (before_unset && after_unset)
            return {origin + (available - fixed) / 2, fixed};
        if (before_unset)
            return {origin + available - fixed - margin_after, fixed};
        if (after_unset)
            return {origin + margin_before, fixed};
        return {origin, fixed};
    }
    float const before = std::max(margin_before, 0.f);
    float const after = std::max(margin_after, 0.f);
    return {origin + before + padding_before, available - before - after - padding_before - padding_after};
}

int truncated_size(float length)
{
    return static_cast<int>(std::max(length, 0.f));
}

}

layout::layout(QWidget* parent, int cells_per_line, bool column_wise)
    : QLayout(parent),
      column_wise(column_wise),
      cells_per_line(cells_per_line)
{
}

layout::layout(int cells_per_line, bool column_wise) : column_wise(column_wise), cells_per_line(cells_per_line) {}

layout::~layout()
{
    for (auto entry = widgets_in_cells.begin(); entry != widgets_in_cells.end();) {
        if (entry->second->layout == this)
            entry = widgets_in_cells.erase(entry);
        else
            ++entry;
    }
    for (auto& [address, background] : backgrounds) {
        if (background && !background->parent())
            delete background;
    }
}

void layout::add_(cell c)
{
    skip_occupied();
    int const column = cursor_column;
    int const row = cursor_row;
    store(c, column, row);
    recalc_spannings();
    last_column = column;
    last_row = row;
    cover(column, row);
    if (c.column_width > 0)
        column_widths[static_cast<std::size_t>(column)] = c.column_width;
    if (c.row_height > 0)
        row_heights[static_cast<std::size_t>(row)] = c.row_height;
    if (!c.newline)
        step();
    else if (column_wise) {
        ++cursor_column;
        cursor_row = 0;
    } else {
        ++cursor_row;
        cursor_column = 0;
    }
    skip_occupied();
}

void layout::add_(cell c, unsigned column, unsigned row, bool internal)
{
    auto const at_column = static_cast<int>(column);
    auto const at_row = static_cast<int>(row);
    store(c, at_column, at_row);
    if (!internal)
        recalc_spannings();
    cover(at_column, at_row);
    last_column = at_column;
    last_row = at_row;
}

void layout::recalc_spannings()
{
    write_placeholders();
    fill_uncovered();
}

void layout::write_placeholders()
{
    cell placeholder;
    placeholder.spanned = true;
    bool placed = false;
    for (auto& [position, spanning] : cells) {
        int const column_span = spanning.column_span;
        int const row_span = spanning.row_span;
        for (int i = 0; i < column_span; ++i) {
            for (int j = 0; j < row_span; ++j) {
                if (i == 0 && j == 0)
                    continue;
                add_(placeholder, static_cast<unsigned>(position.column + i), static_cast<unsigned>(position.row + j),
                     true);
                placed = true;
            }
        }
    }
    if (!placed)
        delete placeholder.background();
}

// One pass over the grid: an empty cell covers no further position, so
// filling one never calls for another pass.
void layout::fill_uncovered()
{
    for (std::size_t column = 0; column < column_widths.size(); ++column) {
        for (std::size_t row = 0; row < row_heights.size(); ++row) {
            if (!cells.count({static_cast<int>(column), static_cast<int>(row)}))
                add_(cell(), static_cast<unsigned>(column), static_cast<unsigned>(row), true);
        }
    }
}

void layout::addItem(QLayoutItem* item)
{
    // Adding an item hands it over, so it must not be lost with the refusal.
    delete item;
    throw varo::exception("This layout works different. Use add() instead.");
}

Qt::Orientations layout::expandingDirections() const
{
    return Qt::Horizontal | Qt::Vertical;
}

QSize layout::minimumSize() const
{
    return {sum(column_widths), sum(row_heights)};
}

void layout::setGeometry(QRect const&)
{
    QWidget* const parent = parentWidget();
    if (!parent || !repeat_allowed(parent->width(), parent->height()))
        return;
    float const column_share = share(parent->width(), column_widths);
    float const row_share = share(parent->height(), row_heights);
    float y = 0;
    for (std::size_t r = 0; r < row_heights.size(); ++r) {
        int const row = static_cast<int>(r);
        float x = 0;
        for (auto it = cells.lower_bound({0, row}); it != cells.end() && it->first.row == row; ++it)
            place(it->second, x, y, column_share, row_share);
        y += extent(row_heights[r], row_share);
    }
}

QLayoutItem* layout::itemAt(int index) const
{
    if (index < 0)
        return nullptr;
    for (auto const& [position, c] : cells) {
        if (!c.spanned && !c.content_widget)
            continue;
        if (index-- == 0)
            return const_cast<cell*>(&c);
    }
    return nullptr;
}

// QLayout::removeWidget asks again until the widget is gone, so the cell is
// emptied in place; the layout still gives no item away.
QLayoutItem* layout::takeAt(int index)
{
    if (auto* taken = static_cast<cell*>(itemAt(index))) {
        forget({taken->column, taken->row});
        taken->content_widget = nullptr;
        taken->spanned = false;
    }
    return nullptr;
}

int layout::count() const
{
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), [](auto const& entry) {
        return entry.second.spanned || entry.second.content_widget;
    }));
}

QSize layout::sizeHint() const
{
    return {hinted_sum(column_widths), hinted_sum(row_heights)};
}

bool layout::occupied(int column, int row) const
{
    auto const found = cells.find({column, row});
    return found != cells.end() && (found->second.spanned || found->second.content_widget);
}

void layout::step()
{
    if (column_wise) {
        ++cursor_row;
        if (cells_per_line != 0 && cursor_row >= cells_per_line) {
            cursor_row = 0;
            ++cursor_column;
        }
    } else {
        ++cursor_column;
        if (cells_per_line != 0 && cursor_column >= cells_per_line) {
            cursor_column = 0;
            ++cursor_row;
        }
    }
}

void layout::skip_occupied()
{
    while (occupied(cursor_column, cursor_row))
        step();
}

void layout::store(cell c, int column, int row)
{
    if (c.content_widget)
        adopt(c.content_widget);
    track(c.background_widget);
    c.layout = this;
    c.column = column;
    c.row = row;
    forget({column, row});
    cell& stored = cells.insert_or_assign({column, row}, c).first->second;
    if (stored.content_widget)
        widgets_in_cells[stored.content_widget] = &stored;
}

// The cell at the position is about to be replaced.
void layout::forget(cell_position position)
{
    auto const replaced = cells.find(position);
    if (replaced == cells.end())
        return;
    auto const entry = widgets_in_cells.find(replaced->second.content_widget);
    if (entry != widgets_in_cells.end() && entry->second == &replaced->second)
        widgets_in_cells.erase(entry);
}

void layout::cover(int column, int row)
{
    auto const columns = static_cast<std::size_t>(column) + 1;
    auto const rows = static_cast<std::size_t>(row) + 1;
    if (column_widths.size() < columns)
        column_widths.resize(columns, 0);
    if (row_heights.size() < rows)
        row_heights.resize(rows, 0);
}

// Reparenting hides a widget, so one the parent shows is shown again unless
// it was hidden on purpose.
void layout::adopt(QWidget* widget) const
{
    QWidget* const parent = parentWidget();
    if (!parent || widget->parentWidget() == parent)
        return;
    bool const show =
        parent->isVisible() && !(widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide));
    widget->setParent(parent);
    if (show)
        widget->show();
}

void layout::track(QWidget* background)
{
    if (background)
        backgrounds[background] = background;
}

bool layout::repeat_allowed(int width, int height)
{
    if (width == last_width && height == last_height) {
        if (repeat_count > repeat_limit)
            return false;
        ++repeat_count;
    } else {
        repeat_count = 0;
    }
    last_width = width;
    last_height = height;
    return true;
}

void layout::place(cell const& c, float& x, float y, float column_share, float row_share) const
{
    float const u = spanned_extent(column_widths, c.column, c.column_span, column_share, c.cell_column_width);
    float const s = spanned_extent(row_heights, c.row, c.row_span, row_share, 0);
    segment const across = place_along(x, u, c.width, c.margins[cell::left], c.margins[cell::right],
                                       c.paddings[cell::left], c.paddings[cell::right]);
    segment const down = place_along(y, s, c.height, c.margins[cell::top], c.margins[cell::bottom],
                                     c.paddings[cell::top], c.paddings[cell::bottom]);
    QWidget* const content = c.content_widget;
    if (content) {
        content->move(static_cast<int>(static_cast<float>(c.offset_x) + across.start),
                      static_cast<int>(static_cast<float>(c.offset_y) + down.start));
        content->setFixedSize(truncated_size(across.length), truncated_size(down.length));
    }
    if (QWidget* const background = c.background_widget) {
        background->move(static_cast<int>(across.start - c.paddings[cell::left]),
                         static_cast<int>(down.start - c.paddings[cell::top]));
        background->setFixedSize(truncated_size(across.length + c.paddings[cell::left] + c.paddings[cell::right]),
                                 truncated_size(down.length + c.paddings[cell::top] + c.paddings[cell::bottom]));
        adopt(background);
    }
    if (content) {
        adopt(content);
        content->raise();
        x += u;
    }
}

}
