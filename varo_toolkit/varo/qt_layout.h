#pragma once

#include "varo/qt_cell.h"
#include "varo/qt_cell_position.h"

#include <QLayout>
#include <QPointer>

#include <map>
#include <vector>

namespace varo::qt {

// A grid of cells in columns and rows, filled in reading order through a
// cursor. Columns and rows of size 0 share the parent's remaining space.
// QLayout's own ways of adding items are refused: use add_().
class layout : public QLayout {
public:
    layout(QWidget* parent, int cells_per_line, bool column_wise);
    layout(int cells_per_line, bool column_wise);
    ~layout() override;

    void add_(cell c);
    void add_(cell c, unsigned column, unsigned row, bool internal);
    void recalc_spannings();

    void addItem(QLayoutItem* item) override;
    Qt::Orientations expandingDirections() const override;
    QSize minimumSize() const override;
    void setGeometry(QRect const&) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;

    std::map<cell_position, cell> cells;
    std::vector<int> row_heights;
    std::vector<int> column_widths;
    int last_column = 0;
    int last_row = 0;
    int cursor_column = 0;
    int cursor_row = 0;
    int last_width = -1;
    int last_height = -1;
    int repeat_count = 0;
    bool column_wise;
    int cells_per_line;

    // The stored cell that shows each content widget.
    static std::map<QWidget*, cell*> widgets_in_cells;

private:
    bool occupied(int column, int row) const;
    void step();
    void skip_occupied();
    void store(cell c, int column, int row);
    void forget(cell_position position);
    void write_placeholders();
    void fill_uncovered();
    void cover(int column, int row);
    void adopt(QWidget* widget) const;
    void track(QWidget* background);
    bool repeat_allowed(int width, int height);
    void place(cell const& c, float& x, float y, float column_share, float row_share) const;

    // Backgrounds the parent does not own yet; freed with the layout.
    std::map<QWidget*, QPointer<QWidget>> backgrounds;
};

}
