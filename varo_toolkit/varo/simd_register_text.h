#pragma once

// Formats SIMD registers of x86-64 processors; like the CPU feature
// detector it exists on x86-64 only and declares nothing elsewhere.
#if defined(__x86_64__)

#include <immintrin.h>

#include <string>

namespace FeatureDetector {

// Each 32-bit lane as its bytes in memory order in hexadecimal, then every
// lane as an unsigned decimal number.
std::string stringify_m128i(__m128i x);
std::string stringify_m128i(char const* label, __m128i x);
void print_m128i(__m128i x);

// By reference: passing a 256-bit vector by value would change its calling
// convention with the compiler's AVX switch.
std::string stringify_m256i(__m256i const& x);
std::string stringify_m256i(char const* label, __m256i const& x);
void print_m256i(__m256i const& x);

}

#endif
