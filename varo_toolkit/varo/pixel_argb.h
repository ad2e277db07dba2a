#pragma once

#include <cstdint>

namespace varo {

// One pixel as a 32-bit ARGB QImage holds it on a little-endian machine, so
// icon recolouring can work on the raw bytes. Built from 0xAARRGGBB values.
struct pixel_argb {
    constexpr pixel_argb(std::uint32_t argb = 0xFF000000u)
        : b(static_cast<std::uint8_t>(argb)),
          g(static_cast<std::uint8_t>(argb >> 8)),
          r(static_cast<std::uint8_t>(argb >> 16)),
          a(static_cast<std::uint8_t>(argb >> 24))
    {
    }

    std::uint8_t b;
    std::uint8_t g;
    std::uint8_t r;
    std::uint8_t a;
};

static_assert(sizeof(pixel_argb) == 4, "pixel_argb must match one 32-bit pixel");

}
