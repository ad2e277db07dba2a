#include "conversion/lut3d.h"

#include <algorithm>
#include <utility>

lut3d::lut3d() : entries(conversion::lut_entry_count(17), entry{0.0f, 0.0f, 0.0f, 0.0f}) {}

// direct_cells points into the buffer, so it goes with it.
lut3d::lut3d(lut3d&& other) noexcept
    : edge(other.edge),
      entries(std::move(other.entries)),
      direct_buffer(std::move(other.direct_buffer)),
      direct_cells(std::exchange(other.direct_cells, nullptr)),
      title(std::move(other.title))
{
}

lut3d& lut3d::operator=(lut3d&& other) noexcept
{
    edge = other.edge;
    entries = std::move(other.entries);
    direct_buffer = std::move(other.direct_buffer);
    direct_cells = std::exchange(other.direct_cells, nullptr);
    title = std::move(other.title);
    return *this;
}

namespace conversion {

std::size_t lut_entry_count(std::uint32_t edge)
{
    return std::size_t(edge) * edge * edge;
}

void fill_identity_lut(lut3d& table)
{
    std::uint32_t const edge = table.edge;
    float const last = edge > 1 ? float(edge - 1) : 1.0f;
    table.entries.assign(lut_entry_count(edge), lut3d::entry{0.0f, 0.0f, 0.0f, 1.0f});
    for (std::uint32_t i = 0; i < edge; ++i) {
        for (std::uint32_t j = 0; j < edge; ++j) {
            for (std::uint32_t k = 0; k < edge; ++k) {
                table.entries[k + std::size_t(edge) * (j + std::size_t(edge) * i)] = {
                    std::min(float(k) / last, 1.0f), std::min(float(j) / last, 1.0f), std::min(float(i) / last, 1.0f),
                    1.0f};
            }
        }
    }
}

}
