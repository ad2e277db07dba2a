#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// One three-dimensional colour lookup table; entry (i, j, k) has index
// k + edge * (j + edge * i).
struct lut3d {
    using entry = std::array<float, 4>;

    // The direct-lookup buffer comes from the C allocator.
    struct free_deleter {
        void operator()(void* block) const { std::free(block); }
    };

    lut3d();
    lut3d(lut3d const&) = delete;
    lut3d& operator=(lut3d const&) = delete;
    lut3d(lut3d&& other) noexcept;
    lut3d& operator=(lut3d&& other) noexcept;

    std::uint32_t edge = 17;
    std::vector<entry> entries;
    std::unique_ptr<void, free_deleter> direct_buffer;
    std::uint32_t* direct_cells = nullptr;
    std::string title;
};

lut3d::entry lut_lookup(lut3d const& table, int a, int b, int c);

namespace conversion {

// edge^3 must fit a signed 32-bit count.
constexpr std::uint32_t lut_max_edge = 1290;

std::size_t lut_entry_count(std::uint32_t edge);

void load_3dl_lut(lut3d& table, QString const& path);
void fill_identity_lut(lut3d& table);

}
