#pragma once

namespace varo::qt {

// Where a cell sits; ordered in reading order, row by row.
struct cell_position {
    int column;
    int row;

    bool operator<(cell_position const& other) const
    {
        return row != other.row ? row < other.row : column < other.column;
    }
};

}
