#include "varo/cpu_x86.h"

#if defined(__x86_64__)

#include <cpuid.h>

#include <cstring>
#include <iostream>

namespace FeatureDetector {

namespace {

constexpr std::int32_t extended_leaf_count = static_cast<std::int32_t>(0x80000000u);
constexpr std::int32_t extended_leaf_1 = static_cast<std::int32_t>(0x80000001u);

// XCR0 bits: SSE and AVX state; plus the opmask and upper ZMM state.
constexpr std::uint64_t avx_state = 0x6;
constexpr std::uint64_t avx512_state = 0xE6;

enum : int { eax, ebx, ecx, edx };

bool bit(std::int32_t reg, int index)
{
    return (static_cast<std::uint32_t>(reg) >> index) & 1u;
}

cpu_x86::registers host_cpuid(std::int32_t leaf)
{
    cpu_x86::registers out{};
    cpu_x86::cpuid(out.data(), leaf);
    return out;
}

cpu_x86::register_source host_source()
{
    return {host_cpuid, xgetbv};
}

struct os_support {
    bool avx;
    bool avx512;
};

// XGETBV faults unless the OS has enabled XSAVE, so XCR0 is read only then.
os_support os_support_of(cpu_x86::register_source const& source)
{
    cpu_x86::registers const info = source.cpuid(1);
    if (!bit(info[ecx], 27) || !bit(info[ecx], 28))
        return {false, false};
    std::uint64_t const xcr0 = source.xgetbv(0);
    bool const avx = (xcr0 & avx_state) == avx_state;
    return {avx, avx && (xcr0 & avx512_state) == avx512_state};
}

std::string vendor_of(cpu_x86::registers const& leaf0)
{
    char name[13] = {};
    std::memcpy(name, &leaf0[ebx], 4);
    std::memcpy(name + 4, &leaf0[edx], 4);
    std::memcpy(name + 8, &leaf0[ecx], 4);
    return name;
}

}

cpu_x86::cpu_x86()
{
    detect_host();
}

void cpu_x86::detect_host()
{
    detect(host_source());
}

void cpu_x86::detect(register_source const& source)
{
    *this = cpu_x86(undetected{});
    os_x64 = detect_OS_x64();
    os_support const os = os_support_of(source);
    os_avx = os.avx;
    os_avx512 = os.avx512;

    registers const leaf0 = source.cpuid(0);
    std::int32_t const basic_leaves = leaf0[eax];
    read_vendor(leaf0);
    auto const extended_leaves = static_cast<std::uint32_t>(source.cpuid(extended_leaf_count)[eax]);

    if (basic_leaves >= 1)
        read_leaf1(source.cpuid(1));
    if (basic_leaves >= 7)
        read_leaf7(source.cpuid(7));
    if (extended_leaves >= static_cast<std::uint32_t>(extended_leaf_1))
        read_leaf_80000001(source.cpuid(extended_leaf_1));
}

void cpu_x86::read_vendor(registers const& leaf0)
{
    std::string const vendor = vendor_of(leaf0);
    vendor_intel = vendor == "GenuineIntel";
    vendor_amd = vendor == "AuthenticAMD";
}

void cpu_x86::read_leaf1(registers const& info)
{
    mmx = bit(info[edx], 23);
    sse = bit(info[edx], 25);
    sse2 = bit(info[edx], 26);
    sse3 = bit(info[ecx], 0);
    ssse3 = bit(info[ecx], 9);
    sse41 = bit(info[ecx], 19);
    sse42 = bit(info[ecx], 20);
    aes = bit(info[ecx], 25);
    avx = bit(info[ecx], 28);
    fma3 = bit(info[ecx], 12);
    rdrand = bit(info[ecx], 30);
}

void cpu_x86::read_leaf7(registers const& info)
{
    avx2 = bit(info[ebx], 5);
    bmi1 = bit(info[ebx], 3);
    bmi2 = bit(info[ebx], 8);
    adx = bit(info[ebx], 19);
    mpx = bit(info[ebx], 14);
    sha = bit(info[ebx], 29);
    prefetchwt1 = bit(info[ecx], 0);
    avx512_f = bit(info[ebx], 16);
    avx512_cd = bit(info[ebx], 28);
    avx512_pf = bit(info[ebx], 26);
    avx512_er = bit(info[ebx], 27);
    avx512_vl = bit(info[ebx], 31);
    avx512_bw = bit(info[ebx], 30);
    avx512_dq = bit(info[ebx], 17);
    avx512_ifma = bit(info[ebx], 21);
    avx512_vbmi = bit(info[ecx], 1);
}

void cpu_x86::read_leaf_80000001(registers const& info)
{
    x64 = bit(info[edx], 29);
    abm = bit(info[ecx], 5);
    sse4a = bit(info[ecx], 6);
    fma4 = bit(info[ecx], 16);
    xop = bit(info[ecx], 11);
}

void cpu_x86::print() const
{
    std::cout << "CPU Vendor:" << std::endl;
    print("    AMD         = ", vendor_amd);
    print("    Intel       = ", vendor_intel);
    std::cout << std::endl;

    std::cout << "OS Features:" << std::endl;
    print("    OS AVX      = ", os_avx);
    print("    OS AVX512   = ", os_avx512);
    std::cout << std::endl;

    std::cout << "Hardware Features:" << std::endl;
    print("    MMX         = ", mmx);
    print("    x64         = ", x64);
    print("    ABM         = ", abm);
    print("    RDRAND      = ", rdrand);
    print("    BMI1        = ", bmi1);
    print("    BMI2        = ", bmi2);
    print("    ADX         = ", adx);
    print("    MPX         = ", mpx);
    print("    PREFETCHWT1 = ", prefetchwt1);
    std::cout << std::endl;

    std::cout << "SIMD: 128-bit" << std::endl;
    print("    SSE         = ", sse);
    print("    SSE2        = ", sse2);
    print("    SSE3        = ", sse3);
    print("    SSSE3       = ", ssse3);
    print("    SSE4a       = ", sse4a);
    print("    SSE4.1      = ", sse41);
    print("    SSE4.2      = ", sse42);
    print("    AES-NI      = ", aes);
    print("    SHA         = ", sha);
    std::cout << std::endl;

    std::cout << "SIMD: 256-bit" << std::endl;
    print("    AVX         = ", avx);
    print("    XOP         = ", xop);
    print("    FMA3        = ", fma3);
    print("    FMA4        = ", fma4);
    print("    AVX2        = ", avx2);
    std::cout << std::endl;

    std::cout << "SIMD: 512-bit" << std::endl;
    print("    AVX512-F    = ", avx512_f);
    print("    AVX512-CD   = ", avx512_cd);
    print("    AVX512-PF   = ", avx512_pf);
    print("    AVX512-ER   = ", avx512_er);
    print("    AVX512-VL   = ", avx512_vl);
    print("    AVX512-BW   = ", avx512_bw);
    print("    AVX512-DQ   = ", avx512_dq);
    print("    AVX512-IFMA = ", avx512_ifma);
    print("    AVX512-VBMI = ", avx512_vbmi);
    std::cout << std::endl;

    std::cout << "Summary:" << std::endl;
    print("    Safe to use AVX:     ", avx && os_avx);
    print("    Safe to use AVX512:  ", avx512_f && os_avx512);
    std::cout << std::endl;
}

void cpu_x86::print_host()
{
    static cpu_x86 const host;
    host.print();
}

void cpu_x86::cpuid(std::int32_t out[4], std::int32_t leaf)
{
    unsigned int a = 0;
    unsigned int b = 0;
    unsigned int c = 0;
    unsigned int d = 0;
    __cpuid_count(static_cast<unsigned int>(leaf), 0u, a, b, c, d);
    out[eax] = static_cast<std::int32_t>(a);
    out[ebx] = static_cast<std::int32_t>(b);
    out[ecx] = static_cast<std::int32_t>(c);
    out[edx] = static_cast<std::int32_t>(d);
}

bool cpu_x86::detect_OS_x64()
{
    // This code is built for x86-64 only, so the OS is 64-bit.
    return true;
}

bool cpu_x86::detect_OS_AVX()
{
    return os_support_of(host_source()).avx;
}

bool cpu_x86::detect_OS_AVX512()
{
    return os_support_of(host_source()).avx512;
}

std::string cpu_x86::get_vendor_string()
{
    return vendor_of(host_cpuid(0));
}

void cpu_x86::print(char const* label, bool yes)
{
    std::cout << label << (yes ? "Yes" : "No") << std::endl;
}

std::uint64_t xgetbv(unsigned int index)
{
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    __asm__ __volatile__("xgetbv" : "=a"(low), "=d"(high) : "c"(index));
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

}

#endif
