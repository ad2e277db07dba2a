#include "varo/exception.h"
#include "varo/qt_cell.h"
#include "varo/qt_layout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using varo::qt::cell;
using varo::qt::cell_position;
using varo::qt::layout;

// A real parent widget with a cell layout on it.
class grid {
public:
    grid(int cells_per_line, bool column_wise, QSize size = {300, 200})
        : owner(new layout(&parent, cells_per_line, column_wise))
    {
        parent.resize(size);
    }

    QWidget* add(cell c)
    {
        if (!c.content_widget)
            c.content_widget = new QWidget;
        owner->add_(c);
        return c.content_widget;
    }

    QWidget* add() { return add(cell()); }

    cell const& cell_of(QWidget* content) const { return *layout::widgets_in_cells.at(content); }
    // Column, then row.
    std::pair<int, int> position_of(QWidget* content) const { return {cell_of(content).column, cell_of(content).row}; }

    void lay_out() { owner->setGeometry(QRect()); }

    QWidget parent;
    layout* owner;
};

struct added {
    bool newline = false;
    int column_span = 1;
    int row_span = 1;
};

struct cursor_case {
    char const* name;
    int cells_per_line;
    bool column_wise;
    std::vector<added> cells;
    std::vector<std::pair<int, int>> expected;
};

TEST(qt_layout, cursor_places_cells_in_reading_order)
{
    added const plain;
    added const line_end{true};
    added const two_wide{false, 2};
    added const two_high{false, 1, 2};
    cursor_case const cases[] = {
        {"row-wise, 2 per line", 2, false, {plain, plain, plain}, {{0, 0}, {1, 0}, {0, 1}}},
        {"column-wise, 2 per line", 2, true, {plain, plain, plain}, {{0, 0}, {0, 1}, {1, 0}}},
        {"row-wise, no wrap", 0, false, {plain, plain, plain}, {{0, 0}, {1, 0}, {2, 0}}},
        {"column-wise, no wrap", 0, true, {plain, plain, plain}, {{0, 0}, {0, 1}, {0, 2}}},
        {"newline before the line is full", 3, false, {line_end, plain, plain}, {{0, 0}, {0, 1}, {1, 1}}},
        {"newline, column-wise", 3, true, {line_end, plain, plain}, {{0, 0}, {1, 0}, {1, 1}}},
        {"newline without wrap", 0, false, {plain, line_end, plain}, {{0, 0}, {1, 0}, {0, 1}}},
        {"newline at the wrap", 2, false, {plain, line_end, plain}, {{0, 0}, {1, 0}, {0, 1}}},
        {"column span skipped", 0, false, {two_wide, plain}, {{0, 0}, {2, 0}}},
        {"column span wraps", 2, false, {two_wide, plain, plain}, {{0, 0}, {0, 1}, {1, 1}}},
        {"row span skipped", 2, false, {two_high, plain, plain}, {{0, 0}, {1, 0}, {1, 1}}},
        {"row span, column-wise", 0, true, {two_high, plain}, {{0, 0}, {0, 2}}},
    };
    for (cursor_case const& test : cases) {
        grid g(test.cells_per_line, test.column_wise);
        std::vector<QWidget*> contents;
        for (added const& wanted : test.cells) {
            cell c;
            c.newline = wanted.newline;
            c.column_span = wanted.column_span;
            c.row_span = wanted.row_span;
            contents.push_back(g.add(c));
        }
        for (std::size_t i = 0; i < contents.size(); ++i)
            EXPECT_EQ(g.position_of(contents[i]), test.expected[i]) << test.name << ", cell " << i;
    }
}

TEST(qt_layout, added_cell_is_a_placed_copy_in_the_layout)
{
    grid g(0, false);
    QWidget* content = new QWidget;
    cell c(content);
    g.owner->add_(c);
    cell const& stored = g.cell_of(content);
    EXPECT_EQ(&stored, &g.owner->cells.at({0, 0}));
    EXPECT_EQ(stored.layout, g.owner);
    EXPECT_EQ(c.layout, nullptr);
    EXPECT_EQ(stored.background(), c.background());
    EXPECT_EQ(content->parentWidget(), &g.parent);
}

TEST(qt_layout, column_span_writes_a_counted_placeholder)
{
    grid g(0, false);
    cell wide;
    wide.column_span = 2;
    g.add(wide);
    cell const& placeholder = g.owner->cells.at({1, 0});
    EXPECT_TRUE(placeholder.spanned);
    EXPECT_FALSE(placeholder.isEmpty());
    EXPECT_TRUE(placeholder.content_widget.isNull());
    EXPECT_EQ(g.owner->count(), 2);

    QWidget* next = g.add();
    EXPECT_EQ(g.position_of(next), (std::pair<int, int>{2, 0}));
    EXPECT_EQ(g.owner->count(), 3);
}

TEST(qt_layout, placeholders_of_one_pass_share_one_background)
{
    grid g(0, false);
    cell block;
    block.column_span = 2;
    block.row_span = 2;
    g.add(block);
    QWidget* shared = g.owner->cells.at({1, 0}).background();
    EXPECT_EQ(g.owner->cells.at({0, 1}).background(), shared);
    EXPECT_EQ(g.owner->cells.at({1, 1}).background(), shared);
    EXPECT_NE(g.owner->cells.at({0, 0}).background(), shared);
}

TEST(qt_layout, each_add_fills_the_uncovered_grid_of_before_with_empty_cells)
{
    grid g(0, false);
    cell first;
    first.newline = true;
    g.add(first);
    g.add();
    g.add();
    EXPECT_EQ(g.owner->cells.count({1, 0}), 0u) << "the grid was one column wide before this add";

    g.add();
    ASSERT_EQ(g.owner->cells.count({1, 0}), 1u);
    cell const& empty = g.owner->cells.at({1, 0});
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(empty.spanned);
    EXPECT_EQ(g.owner->count(), 4);
}

TEST(qt_layout, count_and_item_at_see_contents_and_placeholders_in_reading_order)
{
    grid g(3, false);
    QWidget* a = g.add();
    cell wide;
    wide.column_span = 2;
    QWidget* b = g.add(wide);
    QWidget* c = g.add();
    ASSERT_EQ(g.owner->count(), 4);
    EXPECT_EQ(g.owner->itemAt(0)->widget(), a);
    EXPECT_EQ(g.owner->itemAt(1)->widget(), b);
    EXPECT_EQ(g.owner->itemAt(2), &g.owner->cells.at({2, 0}));
    EXPECT_EQ(g.owner->itemAt(3)->widget(), c);
    EXPECT_EQ(g.owner->itemAt(4), nullptr);
    EXPECT_EQ(g.owner->itemAt(-1), nullptr);
}

TEST(qt_layout, take_at_gives_nothing_away_and_empties_the_cell_in_place)
{
    grid g(0, false);
    QWidget* first = g.add();
    g.add();
    for (int index : {-1, 2})
        EXPECT_EQ(g.owner->takeAt(index), nullptr) << index;
    EXPECT_EQ(g.owner->count(), 2);

    EXPECT_EQ(g.owner->takeAt(0), nullptr);
    EXPECT_EQ(g.owner->count(), 1);
    EXPECT_TRUE(g.owner->cells.at({0, 0}).isEmpty());
    EXPECT_EQ(layout::widgets_in_cells.count(first), 0u);
    EXPECT_EQ(first->parentWidget(), &g.parent) << "the widget stays where it is";
}

TEST(qt_layout, remove_widget_returns_with_the_widget_out_of_the_layout)
{
    grid g(2, false);
    QWidget* a = g.add();
    cell wide;
    wide.column_span = 2;
    QWidget* b = g.add(wide);
    QWidget* c = g.add();
    ASSERT_EQ(g.owner->count(), 4);

    g.owner->removeWidget(b);
    EXPECT_EQ(g.owner->indexOf(b), -1);
    EXPECT_EQ(g.owner->count(), 3);
    EXPECT_EQ(g.owner->itemAt(0)->widget(), a);
    EXPECT_EQ(g.owner->itemAt(2)->widget(), c);
    EXPECT_EQ(layout::widgets_in_cells.count(b), 0u);
    EXPECT_EQ(b->parentWidget(), &g.parent);
}

TEST(qt_layout, a_far_cell_fills_the_grid_before_it_at_once)
{
    grid g(0, false);
    QElapsedTimer clock;
    clock.start();
    g.owner->add_(cell(new QWidget), 200, 200, false);
    // The grid as it stands before an add is filled.
    g.owner->recalc_spannings();
    // Well under a second on any machine; the bound only catches a relapse.
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(g.owner->cells.size(), 201u * 201u);
    EXPECT_EQ(g.owner->count(), 1);
    EXPECT_TRUE(g.owner->cells.at({199, 200}).isEmpty());
    EXPECT_TRUE(g.owner->cells.at({200, 0}).isEmpty());
    // Each widget's deletion scans Qt's posted events, where every new
    // widget left a polish request: without them the teardown is quick.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
}

TEST(qt_layout, the_filled_grid_keeps_spans_contents_and_empty_cells_apart)
{
    grid g(0, false);
    cell block;
    block.column_span = 2;
    block.row_span = 2;
    g.add(block);
    g.owner->add_(cell(new QWidget), 3, 2, false);
    g.owner->recalc_spannings();
    // Column, then row, and what each position holds.
    std::map<std::pair<int, int>, char> expected;
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 3; ++row)
            expected[{column, row}] = 'e';
    expected[{0, 0}] = 'w';
    expected[{3, 2}] = 'w';
    for (auto position : {std::pair<int, int>{1, 0}, {0, 1}, {1, 1}})
        expected[position] = 's';
    std::map<std::pair<int, int>, char> found;
    for (auto const& [position, c] : g.owner->cells)
        found[{position.column, position.row}] = c.spanned ? 's' : c.content_widget ? 'w' : 'e';
    EXPECT_EQ(found, expected);
}

TEST(qt_layout, column_width_and_row_height_of_a_cell_size_its_column_and_row)
{
    grid g(0, false);
    cell sized;
    sized.column_width = 40;
    sized.row_height = 30;
    g.add();
    g.add(sized);
    EXPECT_EQ(g.owner->column_widths, (std::vector<int>{0, 40}));
    EXPECT_EQ(g.owner->row_heights, (std::vector<int>{30}));
}

TEST(qt_layout, positional_add_keeps_the_cursor_and_the_sizes)
{
    grid g(0, false);
    QWidget* content = new QWidget;
    cell c(content);
    c.column_width = 50;
    g.owner->add_(c, 2, 1, false);
    EXPECT_EQ(g.position_of(content), (std::pair<int, int>{2, 1}));
    EXPECT_EQ(g.owner->cursor_column, 0);
    EXPECT_EQ(g.owner->cursor_row, 0);
    EXPECT_EQ(g.owner->last_column, 2);
    EXPECT_EQ(g.owner->last_row, 1);
    EXPECT_EQ(g.owner->column_widths, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(g.owner->row_heights, (std::vector<int>{0, 0}));
    EXPECT_EQ(g.owner->cells.size(), 1u) << "the grid was empty before";

    g.add();
    EXPECT_EQ(g.owner->cells.size(), 6u) << "the next add fills the rest of the grid";
    EXPECT_EQ(g.owner->count(), 2);
}

TEST(qt_layout, size_hint_counts_shared_sizes_as_twenty)
{
    struct size_case {
        std::vector<int> columns;
        std::vector<int> rows;
        QSize hint;
        QSize minimum;
    };
    size_case const cases[] = {
        {{0}, {0}, {20, 20}, {0, 0}},
        {{0, 30}, {15, 0, 0}, {50, 55}, {30, 15}},
        {{}, {}, {0, 0}, {0, 0}},
    };
    for (size_case const& sizes : cases) {
        layout owner(0, false);
        owner.column_widths = sizes.columns;
        owner.row_heights = sizes.rows;
        EXPECT_EQ(owner.sizeHint(), sizes.hint);
        EXPECT_EQ(owner.minimumSize(), sizes.minimum);
    }
    grid g(0, false);
    g.add();
    EXPECT_EQ(g.owner->sizeHint(), QSize(20, 20));
    EXPECT_EQ(g.owner->minimumSize(), QSize(0, 0));
}

TEST(qt_layout, grows_in_both_directions)
{
    layout owner(0, false);
    EXPECT_EQ(owner.expandingDirections(), Qt::Horizontal | Qt::Vertical);
}

TEST(qt_layout, add_widget_is_refused)
{
    grid g(0, false);
    auto* label = new QLabel(&g.parent);
    try {
        g.owner->addWidget(label);
        ADD_FAILURE() << "addWidget did not throw";
    } catch (varo::exception const& refused) {
        EXPECT_EQ(std::string(refused.what()), "This layout works different. Use add() instead.");
    }
    EXPECT_EQ(g.owner->count(), 0);
}

TEST(qt_layout, add_item_is_refused_and_the_item_not_lost)
{
    layout owner(0, false);
    EXPECT_THROW(owner.addItem(new QSpacerItem(10, 10)), varo::exception);
}

TEST(qt_layout, shared_columns_split_the_free_width)
{
    grid g(0, false, {300, 200});
    QWidget* a = g.add();
    QWidget* b = g.add();
    cell fixed;
    fixed.column_width = 100;
    QWidget* c = g.add(fixed);
    g.lay_out();
    EXPECT_EQ(a->geometry(), QRect(0, 0, 100, 200));
    EXPECT_EQ(b->geometry(), QRect(100, 0, 100, 200));
    EXPECT_EQ(c->geometry(), QRect(200, 0, 100, 200));
}

TEST(qt_layout, shared_rows_split_the_free_height)
{
    grid g(0, true, {100, 250});
    QWidget* a = g.add();
    cell fixed;
    fixed.row_height = 50;
    QWidget* b = g.add(fixed);
    QWidget* c = g.add();
    g.lay_out();
    EXPECT_EQ(a->geometry(), QRect(0, 0, 100, 100));
    EXPECT_EQ(b->geometry(), QRect(0, 100, 100, 50));
    EXPECT_EQ(c->geometry(), QRect(0, 150, 100, 100));
}

struct placement_case {
    char const* name;
    float fixed;
    float margin_before;
    float margin_after;
    float padding_before;
    float padding_after;
    int content_start;
    int content_length;
    int background_start;
    int background_length;
};

// One cell 200 wide and 200 high.
placement_case const placements[] = {
    {"fixed, no margins: centred", 50, -1, -1, 0, 0, 75, 50, 75, 50},
    {"fixed, only the far margin", 50, -1, 10, 0, 0, 140, 50, 140, 50},
    {"fixed, only the near margin", 50, 10, -1, 0, 0, 10, 50, 10, 50},
    {"fixed, both margins: at the edge", 50, 10, 20, 0, 0, 0, 50, 0, 50},
    {"fixed with padding", 50, -1, -1, 5, 6, 75, 50, 70, 61},
    {"filling", -1, -1, -1, 0, 0, 0, 200, 0, 200},
    {"filling inside margins and padding", -1, 10, 20, 3, 4, 13, 163, 10, 170},
    {"filling, one margin", -1, -1, 5, 0, 0, 0, 195, 0, 195},
    {"filling, margins too wide", -1, 150, 100, 0, 0, 150, 0, 150, 0},
    {"fractional centre truncated", 51, -1, -1, 0, 0, 74, 51, 74, 51},
};

// The same rules place the content across a column and down a row.
struct axis {
    char const* name;
    float cell::*fixed;
    int side_before;
    int side_after;
    int (QWidget::*start)() const;
    int (QWidget::*length)() const;
    int (QWidget::*cross_start)() const;
    int (QWidget::*cross_length)() const;
};

axis const axes[] = {
    {"horizontal", &cell::width, cell::left, cell::right, &QWidget::x, &QWidget::width, &QWidget::y, &QWidget::height},
    {"vertical", &cell::height, cell::top, cell::bottom, &QWidget::y, &QWidget::height, &QWidget::x, &QWidget::width},
};

TEST(qt_layout, placement_rules_across_and_down)
{
    for (axis const& along : axes) {
        for (placement_case const& test : placements) {
            grid g(0, false, {200, 200});
            cell c;
            c.*along.fixed = test.fixed;
            c.margins[along.side_before] = test.margin_before;
            c.margins[along.side_after] = test.margin_after;
            c.paddings[along.side_before] = test.padding_before;
            c.paddings[along.side_after] = test.padding_after;
            QWidget* content = g.add(c);
            g.lay_out();
            QWidget* background = g.cell_of(content).background();
            EXPECT_EQ((content->*along.start)(), test.content_start) << along.name << ": " << test.name;
            EXPECT_EQ((content->*along.length)(), test.content_length) << along.name << ": " << test.name;
            EXPECT_EQ((background->*along.start)(), test.background_start) << along.name << ": " << test.name;
            EXPECT_EQ((background->*along.length)(), test.background_length) << along.name << ": " << test.name;
            EXPECT_EQ((content->*along.cross_start)(), 0) << along.name << ": " << test.name;
            EXPECT_EQ((content->*along.cross_length)(), 200) << along.name << ": " << test.name;
        }
    }
}

TEST(qt_layout, margin_and_padding_set_all_four_sides)
{
    cell c;
    c.margin(3);
    c.padding(2);
    for (int side : {cell::left, cell::right, cell::top, cell::bottom}) {
        EXPECT_EQ(c.margins[side], 3);
        EXPECT_EQ(c.paddings[side], 2);
    }
    delete c.background();
}

TEST(qt_layout, offsets_move_the_content_but_not_its_background)
{
    grid g(0, false, {200, 100});
    cell c;
    c.width = 50;
    c.height = 20;
    c.offset_x = 7;
    c.offset_y = -3;
    QWidget* content = g.add(c);
    g.lay_out();
    EXPECT_EQ(content->geometry(), QRect(82, 37, 50, 20));
    EXPECT_EQ(g.cell_of(content).background()->geometry(), QRect(75, 40, 50, 20));
}

TEST(qt_layout, spans_and_cell_column_width_set_the_extent)
{
    grid g(2, false, {301, 200});
    cell wide;
    wide.column_span = 2;
    QWidget* top = g.add(wide);
    cell narrow;
    narrow.cell_column_width = 60;
    QWidget* left = g.add(narrow);
    QWidget* right = g.add();
    g.lay_out();
    EXPECT_EQ(top->geometry(), QRect(0, 0, 301, 100));
    EXPECT_EQ(left->geometry(), QRect(0, 100, 60, 100));
    EXPECT_EQ(right->geometry(), QRect(60, 100, 150, 100)) << "x follows the cell before, not the column";
}

TEST(qt_layout, row_span_covers_the_rows_below)
{
    grid g(2, false, {200, 300});
    cell tall;
    tall.row_span = 2;
    QWidget* a = g.add(tall);
    QWidget* b = g.add();
    QWidget* c = g.add();
    g.lay_out();
    EXPECT_EQ(a->geometry(), QRect(0, 0, 100, 300));
    EXPECT_EQ(b->geometry(), QRect(100, 0, 100, 150));
    EXPECT_EQ(c->geometry(), QRect(0, 150, 100, 150)) << "the placeholder before it does not move x";
}

TEST(qt_layout, geometry_pass_gives_backgrounds_to_the_parent_below_the_content)
{
    grid g(0, false);
    QWidget* content = g.add();
    QWidget* background = g.cell_of(content).background();
    EXPECT_EQ(background->parentWidget(), nullptr);
    g.lay_out();
    EXPECT_EQ(background->parentWidget(), &g.parent);
    QObjectList const stacking = g.parent.children();
    EXPECT_GT(stacking.indexOf(content), stacking.indexOf(background));
}

TEST(qt_layout, cells_added_to_a_shown_window_show_up_at_the_next_pass)
{
    grid g(0, false);
    g.parent.show();
    QWidget* shown = g.add();
    auto* hidden = new QWidget;
    hidden->hide();
    g.add(cell(hidden));
    g.lay_out();
    QApplication::processEvents();
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(g.cell_of(shown).background()->isVisible());
    EXPECT_FALSE(hidden->isVisible()) << "a widget hidden on purpose stays hidden";
    EXPECT_EQ(shown->geometry(), QRect(0, 0, 150, 200));
}

TEST(qt_layout, same_parent_size_is_laid_out_five_times_in_a_row)
{
    grid g(0, false, {200, 100});
    QWidget* content = g.add();
    auto passes = [&](int calls) {
        int ran = 0;
        for (int i = 0; i < calls; ++i) {
            content->move(-50, -50);
            g.lay_out();
            ran += content->pos() == QPoint(0, 0) ? 1 : 0;
        }
        return ran;
    };
    EXPECT_EQ(passes(8), 5);
    g.parent.resize(220, 100);
    EXPECT_EQ(passes(1), 1);
    EXPECT_EQ(content->width(), 220);
    EXPECT_EQ(passes(7), 4);
}

TEST(qt_layout, without_rows_the_pass_only_notes_the_size)
{
    grid g(0, false, {120, 80});
    g.lay_out();
    EXPECT_EQ(g.owner->last_width, 120);
    EXPECT_EQ(g.owner->last_height, 80);
    EXPECT_EQ(g.parent.children().size(), 1) << "only the layout itself";
}

TEST(qt_layout, widget_map_follows_the_layouts_lifetime)
{
    QPointer<QWidget> content;
    {
        grid g(0, false);
        content = g.add();
        ASSERT_EQ(layout::widgets_in_cells.count(content), 1u);
        EXPECT_EQ(layout::widgets_in_cells.at(content)->widget(), content.data());
    }
    EXPECT_TRUE(content.isNull());
    EXPECT_EQ(layout::widgets_in_cells.count(content.data()), 0u);
}

TEST(qt_layout, deleted_content_leaves_an_empty_cell)
{
    grid g(0, false);
    QWidget* kept = g.add();
    QWidget* doomed = g.add();
    g.lay_out();
    delete doomed;
    EXPECT_EQ(g.owner->count(), 1);
    EXPECT_TRUE(g.owner->cells.at({1, 0}).isEmpty());
    g.parent.resize(250, 200);
    g.lay_out();
    EXPECT_EQ(kept->width(), 125);
}

TEST(qt_layout, unplaced_backgrounds_go_with_the_layout)
{
    QPointer<QWidget> background;
    {
        layout owner(0, false);
        cell c;
        background = c.background();
        owner.add_(c);
    }
    EXPECT_TRUE(background.isNull());
}

struct resize_case {
    char const* name;
    void (*resize)(cell&);
    std::vector<int> columns;
    std::vector<int> rows;
};

TEST(qt_layout, resize_helpers_change_the_placed_cells_column_and_row)
{
    resize_case const cases[] = {
        {"column", [](cell& c) { c.resize_column(80, 0); }, {0, 80}, {0}},
        {"row", [](cell& c) { c.resize_row(60, 0); }, {0, 0}, {60}},
        {"both", [](cell& c) { c.resize_row_column(80, 60, 0); }, {0, 80}, {60}},
    };
    for (resize_case const& test : cases) {
        grid g(0, false, {200, 100});
        g.add();
        QWidget* content = g.add();
        g.parent.show();
        test.resize(*layout::widgets_in_cells.at(content));
        EXPECT_EQ(g.owner->column_widths, test.columns) << test.name;
        EXPECT_EQ(g.owner->row_heights, test.rows) << test.name;
        EXPECT_EQ(g.parent.size(), QSize(200, 100)) << test.name;
    }
}

TEST(qt_layout, resizing_makes_the_window_lay_out_again)
{
    grid g(0, false, {200, 100});
    QWidget* first = g.add();
    QWidget* second = g.add();
    g.parent.show();
    QApplication::processEvents();
    ASSERT_EQ(second->geometry(), QRect(100, 0, 100, 100));

    layout::widgets_in_cells.at(first)->resize_column(50, 0);
    QApplication::processEvents();
    EXPECT_EQ(first->geometry(), QRect(0, 0, 50, 100));
    EXPECT_EQ(second->geometry(), QRect(50, 0, 150, 100));
}

TEST(qt_layout, resizing_to_the_same_size_leaves_the_window_alone)
{
    grid g(0, false, {200, 100});
    QWidget* content = g.add();
    g.owner->column_widths[0] = 70;
    g.owner->row_heights[0] = 30;
    cell& placed = *layout::widgets_in_cells.at(content);
    g.parent.show();
    QApplication::processEvents();
    content->move(-9, -9);
    placed.resize_column(70, 0);
    placed.resize_row(30, 0);
    placed.resize_row_column(70, 30, 0);
    QApplication::processEvents();
    EXPECT_EQ(content->pos(), QPoint(-9, -9));
}

TEST(qt_layout, resizing_a_cell_outside_a_layout_does_nothing)
{
    cell loose(nullptr);
    loose.resize_column(10, 0);
    loose.resize_row(10, 0);
    loose.resize_row_column(10, 10, 0);
    EXPECT_EQ(loose.layout, nullptr);
    delete loose.background();
}

TEST(qt_cell, defaults)
{
    QWidget content;
    cell c(&content);
    EXPECT_FALSE(c.spanned);
    ASSERT_NE(c.background(), nullptr);
    EXPECT_EQ(c.background()->parentWidget(), nullptr);
    EXPECT_EQ(c.widget(), &content);
    for (int side : {cell::left, cell::right, cell::top, cell::bottom}) {
        EXPECT_EQ(c.margins[side], -1);
        EXPECT_EQ(c.paddings[side], 0);
    }
    EXPECT_EQ(c.width, -1);
    EXPECT_EQ(c.height, -1);
    EXPECT_EQ(c.row_span, 1);
    EXPECT_EQ(c.column_span, 1);
    EXPECT_EQ(c.column_width, -1);
    EXPECT_EQ(c.row_height, -1);
    EXPECT_EQ(c.cell_column_width, 0);
    EXPECT_EQ(c.offset_x, 0);
    EXPECT_EQ(c.offset_y, 0);
    EXPECT_FALSE(c.newline);
    EXPECT_EQ(c.layout, nullptr);
    EXPECT_EQ(c.alignment(), Qt::Alignment());
    EXPECT_EQ(c.sizeHint(), QSize(100, 100));
    EXPECT_EQ(c.minimumSize(), QSize(100, 100));
    EXPECT_EQ(c.maximumSize(), QSize(100, 100));
    EXPECT_EQ(c.geometry(), QRect(0, 0, 100, 100));
    EXPECT_EQ(c.expandingDirections(), Qt::Horizontal | Qt::Vertical);
    EXPECT_FALSE(c.isEmpty());
    c.setGeometry(QRect(5, 5, 10, 10));
    EXPECT_EQ(c.geometry(), QRect(0, 0, 100, 100));
    delete c.background();
}

TEST(qt_cell, empty_unless_spanned_or_holding_a_widget)
{
    cell c;
    EXPECT_TRUE(c.isEmpty());
    c.spanned = true;
    EXPECT_FALSE(c.isEmpty());
    delete c.background();
}

TEST(qt_cell_position, orders_by_row_then_column)
{
    EXPECT_TRUE((cell_position{5, 0} < cell_position{0, 1}));
    EXPECT_TRUE((cell_position{0, 1} < cell_position{1, 1}));
    EXPECT_FALSE((cell_position{1, 1} < cell_position{1, 1}));
    EXPECT_FALSE((cell_position{0, 2} < cell_position{3, 1}));
}

}
