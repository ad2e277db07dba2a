#include "conversion/lut3d.h"

#include "varo/exception.h"

#include <cstddef>

namespace {

struct axis_position {
    std::size_t cell;
    float fraction;
};

// The cell is limited on both sides, so inputs outside 0..255 extrapolate
// from the first or last cell instead of reading outside the table.
axis_position locate(int value, std::uint32_t edge)
{
    float const last_cell = float(edge - 2);
    float const scaled = float(value) * (float(edge - 1) / 255.0f);
    float const limited = scaled < 0.0f ? 0.0f : (scaled > last_cell ? last_cell : scaled);
    std::size_t const cell = std::size_t(limited);
    float const fraction = float(value) / (255.0f / float(edge - 1)) - float(cell);
    return {cell, fraction};
}

float blend(float lower, float upper, float fraction)
{
    return float(double(lower) * (1.0 - double(fraction)) + double(upper * fraction));
}

lut3d::entry blend(lut3d::entry const& lower, lut3d::entry const& upper, float fraction)
{
    lut3d::entry result;
    for (std::size_t n = 0; n < result.size(); ++n) {
        result[n] = blend(lower[n], upper[n], fraction);
    }
    return result;
}

bool in_byte_range(int value)
{
    return value >= 0 && value <= 255;
}

}

lut3d::entry lut_lookup(lut3d const& table, int a, int b, int c)
{
    std::size_t const edge = table.edge;
    if (edge < 2 || edge > conversion::lut_max_edge || table.entries.size() < conversion::lut_entry_count(table.edge)) {
        throw varo::exception("ERROR in 3D LUT lookup: The table is incomplete.");
    }
    if (edge == 256 && in_byte_range(a) && in_byte_range(b) && in_byte_range(c)) {
        return table.entries[std::size_t(c) + 256 * (std::size_t(b) + 256 * std::size_t(a))];
    }
    axis_position const pa = locate(a, table.edge);
    axis_position const pb = locate(b, table.edge);
    axis_position const pc = locate(c, table.edge);
    auto const at = [&](std::size_t i, std::size_t j, std::size_t k) -> lut3d::entry const& {
        return table.entries[(pc.cell + k) + edge * ((pb.cell + j) + edge * (pa.cell + i))];
    };
    lut3d::entry const b0c0 = blend(at(0, 0, 0), at(1, 0, 0), pa.fraction);
    lut3d::entry const b1c0 = blend(at(0, 1, 0), at(1, 1, 0), pa.fraction);
    lut3d::entry const b0c1 = blend(at(0, 0, 1), at(1, 0, 1), pa.fraction);
    lut3d::entry const b1c1 = blend(at(0, 1, 1), at(1, 1, 1), pa.fraction);
    lut3d::entry const c0 = blend(b0c0, b1c0, pb.fraction);
    lut3d::entry const c1 = blend(b0c1, b1c1, pb.fraction);
    return blend(c0, c1, pc.fraction);
}
