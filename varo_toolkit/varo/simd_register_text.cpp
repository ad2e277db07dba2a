#include "varo/simd_register_text.h"

#if defined(__x86_64__)

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iostream>

namespace FeatureDetector {

namespace {

constexpr std::size_t lane_bytes = 4;

std::string stringify_lanes(unsigned char const* bytes, std::size_t lanes)
{
    static char const digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(25 * lanes);
    for (std::size_t lane = 0; lane < lanes; ++lane) {
        text += lane == 0 ? "0x" : ",0x";
        for (std::size_t i = 0; i < lane_bytes; ++i) {
            unsigned char const byte = bytes[lane * lane_bytes + i];
            text += digits[byte >> 4];
            text += digits[byte & 0xF];
        }
    }
    text += ' ';
    for (std::size_t lane = 0; lane < lanes; ++lane) {
        std::uint32_t value = 0;
        std::memcpy(&value, bytes + lane * lane_bytes, lane_bytes);
        if (lane != 0)
            text += ',';
        text += std::to_string(value);
    }
    return text;
}

template <typename simd>
std::string stringify_vector(simd const& x)
{
    unsigned char bytes[sizeof(simd)];
    std::memcpy(bytes, &x, sizeof(simd));
    return stringify_lanes(bytes, sizeof(simd) / lane_bytes);
}

std::string labelled(char const* label, std::string const& text)
{
    return std::string(label) + ": " + text + " ";
}

}

std::string stringify_m128i(__m128i x)
{
    return stringify_vector(x);
}

std::string stringify_m128i(char const* label, __m128i x)
{
    return labelled(label, stringify_m128i(x));
}

void print_m128i(__m128i x)
{
    std::cout << stringify_m128i(x) << std::endl;
}

std::string stringify_m256i(__m256i const& x)
{
    return stringify_vector(x);
}

std::string stringify_m256i(char const* label, __m256i const& x)
{
    return labelled(label, stringify_m256i(x));
}

void print_m256i(__m256i const& x)
{
    std::cout << stringify_m256i(x) << std::endl;
}

}

#endif
