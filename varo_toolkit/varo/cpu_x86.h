#pragma once

// The detector asks the processor itself through the CPUID and XGETBV
// instructions, so it exists on x86-64 only: on every other processor this
// header declares nothing and its source compiles to nothing.
#if defined(__x86_64__)

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace FeatureDetector {

// Which instruction-set extensions the processor offers and which wide
// register sets the operating system saves.
struct cpu_x86 {
    using registers = std::array<std::int32_t, 4>;

    // Where detect() reads the processor's answers: the host, or values
    // recorded elsewhere.
    struct register_source {
        std::function<registers(std::int32_t leaf)> cpuid;
        std::function<std::uint64_t(unsigned int index)> xgetbv;
    };

    bool vendor_amd = false;
    bool vendor_intel = false;
    bool os_x64 = false;
    bool os_avx = false;
    bool os_avx512 = false;
    bool mmx = false;
    bool x64 = false;
    bool abm = false;
    bool rdrand = false;
    bool bmi1 = false;
    bool bmi2 = false;
    bool adx = false;
    bool prefetchwt1 = false;
    bool mpx = false;
    bool sse = false;
    bool sse2 = false;
    bool sse3 = false;
    bool ssse3 = false;
    bool sse41 = false;
    bool sse42 = false;
    bool sse4a = false;
    bool aes = false;
    bool sha = false;
    bool avx = false;
    bool xop = false;
    bool fma3 = false;
    bool fma4 = false;
    bool avx2 = false;
    bool avx512_f = false;
    bool avx512_pf = false;
    bool avx512_er = false;
    bool avx512_cd = false;
    bool avx512_vl = false;
    bool avx512_bw = false;
    bool avx512_dq = false;
    bool avx512_ifma = false;
    bool avx512_vbmi = false;

    cpu_x86();

    void detect_host();
    void detect(register_source const& source);
    void print() const;

    static void print_host();
    static void cpuid(std::int32_t out[4], std::int32_t leaf);
    static bool detect_OS_x64();
    static bool detect_OS_AVX();
    static bool detect_OS_AVX512();
    static std::string get_vendor_string();
    static void print(char const* label, bool yes);

private:
    struct undetected {};
    explicit cpu_x86(undetected) {}

    void detect_os_support(register_source const& source);
    void read_vendor(registers const& leaf0);
    void read_leaf1(registers const& info);
    void read_leaf7(registers const& info);
    void read_leaf_80000001(registers const& info);
};

std::uint64_t xgetbv(unsigned int index);

}

#endif
