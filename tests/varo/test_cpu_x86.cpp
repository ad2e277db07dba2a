#include "varo/cpu_x86.h"
#include "varo/simd_register_text.h"

#include "stream_capture.h"

#include <gtest/gtest.h>

#if defined(__x86_64__)

#include <cpuid.h>
#include <immintrin.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

using FeatureDetector::cpu_x86;
using member = bool cpu_x86::*;

enum : int { eax, ebx, ecx, edx };

constexpr std::int32_t extended_count_leaf = static_cast<std::int32_t>(0x80000000u);
constexpr std::int32_t extended_leaf = static_cast<std::int32_t>(0x80000001u);

std::string report_of(cpu_x86 const& detector)
{
    stream_capture capture(std::cout);
    detector.print();
    return capture.text();
}

std::string line(std::string const& name, bool yes)
{
    std::string label = "    " + name;
    label.resize(16, ' ');
    return label + "= " + (yes ? "Yes" : "No") + "\n";
}

struct section {
    char const* heading;
    std::vector<std::pair<char const*, member>> lines;
};

std::vector<section> const report_sections = {
    {"CPU Vendor:", {{"AMD", &cpu_x86::vendor_amd}, {"Intel", &cpu_x86::vendor_intel}}},
    {"OS Features:", {{"OS AVX", &cpu_x86::os_avx}, {"OS AVX512", &cpu_x86::os_avx512}}},
    {"Hardware Features:",
     {{"MMX", &cpu_x86::mmx},
      {"x64", &cpu_x86::x64},
      {"ABM", &cpu_x86::abm},
      {"RDRAND", &cpu_x86::rdrand},
      {"BMI1", &cpu_x86::bmi1},
      {"BMI2", &cpu_x86::bmi2},
      {"ADX", &cpu_x86::adx},
      {"MPX", &cpu_x86::mpx},
      {"PREFETCHWT1", &cpu_x86::prefetchwt1}}},
    {"SIMD: 128-bit",
     {{"SSE", &cpu_x86::sse},
      {"SSE2", &cpu_x86::sse2},
      {"SSE3", &cpu_x86::sse3},
      {"SSSE3", &cpu_x86::ssse3},
      {"SSE4a", &cpu_x86::sse4a},
      {"SSE4.1", &cpu_x86::sse41},
      {"SSE4.2", &cpu_x86::sse42},
      {"AES-NI", &cpu_x86::aes},
      {"SHA", &cpu_x86::sha}}},
    {"SIMD: 256-bit",
     {{"AVX", &cpu_x86::avx},
      {"XOP", &cpu_x86::xop},
      {"FMA3", &cpu_x86::fma3},
      {"FMA4", &cpu_x86::fma4},
      {"AVX2", &cpu_x86::avx2}}},
    {"SIMD: 512-bit",
     {{"AVX512-F", &cpu_x86::avx512_f},
      {"AVX512-CD", &cpu_x86::avx512_cd},
      {"AVX512-PF", &cpu_x86::avx512_pf},
      {"AVX512-ER", &cpu_x86::avx512_er},
      {"AVX512-VL", &cpu_x86::avx512_vl},
      {"AVX512-BW", &cpu_x86::avx512_bw},
      {"AVX512-DQ", &cpu_x86::avx512_dq},
      {"AVX512-IFMA", &cpu_x86::avx512_ifma},
      {"AVX512-VBMI", &cpu_x86::avx512_vbmi}}},
};

std::string expected_report(cpu_x86 const& detector)
{
    std::string text;
    for (section const& part : report_sections) {
        text += std::string(part.heading) + "\n";
        for (auto const& [name, flag] : part.lines)
            text += line(name, detector.*flag);
        text += "\n";
    }
    text += "Summary:\n";
    text += std::string("    Safe to use AVX:     ") + (detector.avx && detector.os_avx ? "Yes" : "No") + "\n";
    text += std::string("    Safe to use AVX512:  ") + (detector.avx512_f && detector.os_avx512 ? "Yes" : "No") + "\n";
    return text + "\n";
}

TEST(cpu_x86, report_of_this_processor_has_every_label_in_order_and_padded)
{
    cpu_x86 const host;
    std::string const report = report_of(host);
    EXPECT_EQ(report, expected_report(host));
    EXPECT_NE(report.find("    AMD         = "), std::string::npos);
    EXPECT_NE(report.find("    OS AVX512   = "), std::string::npos);
    EXPECT_NE(report.find("    PREFETCHWT1 = "), std::string::npos);
    EXPECT_NE(report.find("    AVX512-VBMI = "), std::string::npos);
}

TEST(cpu_x86, print_host_prints_the_report_of_this_processor)
{
    cpu_x86 const host;
    stream_capture capture(std::cout);
    cpu_x86::print_host();
    cpu_x86::print_host();
    EXPECT_EQ(capture.text(), expected_report(host) + expected_report(host));
}

TEST(cpu_x86, report_line_is_label_then_answer)
{
    stream_capture capture(std::cout);
    cpu_x86::print("    SSE         = ", true);
    cpu_x86::print("    x64         = ", false);
    EXPECT_EQ(capture.text(), "    SSE         = Yes\n    x64         = No\n");
}

TEST(cpu_x86, operating_system_tests_match_the_detector)
{
    cpu_x86 const host;
    EXPECT_TRUE(cpu_x86::detect_OS_x64());
    EXPECT_EQ(cpu_x86::detect_OS_AVX(), host.os_avx);
    EXPECT_EQ(cpu_x86::detect_OS_AVX512(), host.os_avx512);
    if (host.os_avx) {
        EXPECT_EQ(FeatureDetector::xgetbv(0) & 0x7, 0x7u);
    }
}

TEST(cpu_x86, cpuid_fills_eax_to_edx)
{
    std::int32_t out[4] = {};
    cpu_x86::cpuid(out, 0);
    char vendor[13] = {};
    std::memcpy(vendor, &out[ebx], 4);
    std::memcpy(vendor + 4, &out[edx], 4);
    std::memcpy(vendor + 8, &out[ecx], 4);
    EXPECT_EQ(std::string(vendor), cpu_x86::get_vendor_string());
    EXPECT_GE(out[eax], 1);
}

// A processor of recorded register values, which also notes what was asked.
class recorded_processor {
public:
    std::map<std::int32_t, cpu_x86::registers> leaves;
    std::uint64_t xcr0 = 0;
    std::vector<std::int32_t> asked;
    int xgetbv_calls = 0;

    cpu_x86::register_source source()
    {
        return {[this](std::int32_t leaf) {
                    asked.push_back(leaf);
                    auto const found = leaves.find(leaf);
                    return found == leaves.end() ? cpu_x86::registers{} : found->second;
                },
                [this](unsigned int index) {
                    ++xgetbv_calls;
                    return index == 0 ? xcr0 : 0;
                }};
    }

    bool was_asked(std::int32_t leaf) const { return std::find(asked.begin(), asked.end(), leaf) != asked.end(); }
};

cpu_x86::registers vendor_leaf(std::int32_t highest, char const (&name)[13])
{
    cpu_x86::registers leaf{highest, 0, 0, 0};
    std::memcpy(&leaf[ebx], name, 4);
    std::memcpy(&leaf[edx], name + 4, 4);
    std::memcpy(&leaf[ecx], name + 8, 4);
    return leaf;
}

recorded_processor full_leaves()
{
    recorded_processor processor;
    processor.leaves[0] = vendor_leaf(7, "............");
    processor.leaves[extended_count_leaf] = {static_cast<std::int32_t>(0x80000001u), 0, 0, 0};
    return processor;
}

std::int32_t only_bit(int index)
{
    return static_cast<std::int32_t>(1u << index);
}

struct feature_bit {
    std::int32_t leaf;
    int reg;
    int bit;
    member feature;
    char const* name;
};

std::vector<feature_bit> const feature_bits = {
    {1, edx, 23, &cpu_x86::mmx, "mmx"},
    {extended_leaf, edx, 29, &cpu_x86::x64, "x64"},
    {extended_leaf, ecx, 5, &cpu_x86::abm, "abm"},
    {1, ecx, 30, &cpu_x86::rdrand, "rdrand"},
    {7, ebx, 3, &cpu_x86::bmi1, "bmi1"},
    {7, ebx, 8, &cpu_x86::bmi2, "bmi2"},
    {7, ebx, 19, &cpu_x86::adx, "adx"},
    {7, ecx, 0, &cpu_x86::prefetchwt1, "prefetchwt1"},
    {7, ebx, 14, &cpu_x86::mpx, "mpx"},
    {1, edx, 25, &cpu_x86::sse, "sse"},
    {1, edx, 26, &cpu_x86::sse2, "sse2"},
    {1, ecx, 0, &cpu_x86::sse3, "sse3"},
    {1, ecx, 9, &cpu_x86::ssse3, "ssse3"},
    {1, ecx, 19, &cpu_x86::sse41, "sse41"},
    {1, ecx, 20, &cpu_x86::sse42, "sse42"},
    {extended_leaf, ecx, 6, &cpu_x86::sse4a, "sse4a"},
    {1, ecx, 25, &cpu_x86::aes, "aes"},
    {7, ebx, 29, &cpu_x86::sha, "sha"},
    {1, ecx, 28, &cpu_x86::avx, "avx"},
    {extended_leaf, ecx, 11, &cpu_x86::xop, "xop"},
    {1, ecx, 12, &cpu_x86::fma3, "fma3"},
    {extended_leaf, ecx, 16, &cpu_x86::fma4, "fma4"},
    {7, ebx, 5, &cpu_x86::avx2, "avx2"},
    {7, ebx, 16, &cpu_x86::avx512_f, "avx512_f"},
    {7, ebx, 26, &cpu_x86::avx512_pf, "avx512_pf"},
    {7, ebx, 27, &cpu_x86::avx512_er, "avx512_er"},
    {7, ebx, 28, &cpu_x86::avx512_cd, "avx512_cd"},
    {7, ebx, 31, &cpu_x86::avx512_vl, "avx512_vl"},
    {7, ebx, 30, &cpu_x86::avx512_bw, "avx512_bw"},
    {7, ebx, 17, &cpu_x86::avx512_dq, "avx512_dq"},
    {7, ebx, 21, &cpu_x86::avx512_ifma, "avx512_ifma"},
    {7, ecx, 1, &cpu_x86::avx512_vbmi, "avx512_vbmi"},
};

std::vector<member> const every_member = {
    &cpu_x86::vendor_amd,  &cpu_x86::vendor_intel, &cpu_x86::os_x64,      &cpu_x86::os_avx,    &cpu_x86::os_avx512,
    &cpu_x86::mmx,         &cpu_x86::x64,          &cpu_x86::abm,         &cpu_x86::rdrand,    &cpu_x86::bmi1,
    &cpu_x86::bmi2,        &cpu_x86::adx,          &cpu_x86::prefetchwt1, &cpu_x86::mpx,       &cpu_x86::sse,
    &cpu_x86::sse2,        &cpu_x86::sse3,         &cpu_x86::ssse3,       &cpu_x86::sse41,     &cpu_x86::sse42,
    &cpu_x86::sse4a,       &cpu_x86::aes,          &cpu_x86::sha,         &cpu_x86::avx,       &cpu_x86::xop,
    &cpu_x86::fma3,        &cpu_x86::fma4,         &cpu_x86::avx2,        &cpu_x86::avx512_f,  &cpu_x86::avx512_pf,
    &cpu_x86::avx512_er,   &cpu_x86::avx512_cd,    &cpu_x86::avx512_vl,   &cpu_x86::avx512_bw, &cpu_x86::avx512_dq,
    &cpu_x86::avx512_ifma, &cpu_x86::avx512_vbmi,
};

// The host's registers of one leaf, read with the compiler's own helper;
// all zero above the highest leaf, as the detector never reads those.
struct host_leaf {
    unsigned int eax = 0;
    unsigned int ebx = 0;
    unsigned int ecx = 0;
    unsigned int edx = 0;
};

host_leaf read_host_leaf(unsigned int leaf, unsigned int highest)
{
    host_leaf registers;
    if (leaf <= highest)
        __cpuid_count(leaf, 0, registers.eax, registers.ebx, registers.ecx, registers.edx);
    return registers;
}

// XGETBV through the compiler's intrinsic rather than the detector's own code.
__attribute__((target("xsave"))) std::uint64_t host_xcr0()
{
    return _xgetbv(0);
}

// The compiler's header names no MPX bit.
constexpr unsigned int mpx_bit = 1u << 14;
// XCR0: SSE and AVX state; opmask, upper ZMM and high ZMM state.
constexpr std::uint64_t xcr0_avx = 0x6;
constexpr std::uint64_t xcr0_avx512 = 0xE0;

bool has(unsigned int reg, unsigned int mask)
{
    return (reg & mask) == mask;
}

TEST(cpu_x86, this_processor_agrees_with_the_compilers_cpuid_header)
{
    unsigned int const basic = __get_cpuid_max(0, nullptr);
    unsigned int const extended = __get_cpuid_max(0x80000000u, nullptr);
    host_leaf const vendor = read_host_leaf(0, basic);
    host_leaf const leaf1 = read_host_leaf(1, basic);
    host_leaf const leaf7 = read_host_leaf(7, basic);
    host_leaf const leaf_ext = read_host_leaf(0x80000001u, extended);
    bool const intel =
        vendor.ebx == signature_INTEL_ebx && vendor.edx == signature_INTEL_edx && vendor.ecx == signature_INTEL_ecx;
    bool const amd =
        vendor.ebx == signature_AMD_ebx && vendor.edx == signature_AMD_edx && vendor.ecx == signature_AMD_ecx;
    bool const xsave_enabled = has(leaf1.ecx, bit_OSXSAVE | bit_AVX);
    std::uint64_t const xcr0 = xsave_enabled ? host_xcr0() : 0;
    bool const os_avx = (xcr0 & xcr0_avx) == xcr0_avx;
    bool const os_avx512 = os_avx && (xcr0 & xcr0_avx512) == xcr0_avx512;

    struct expectation {
        member feature;
        bool value;
        char const* name;
    };
    std::vector<expectation> const expected = {
        {&cpu_x86::vendor_amd, amd, "vendor_amd"},
        {&cpu_x86::vendor_intel, intel, "vendor_intel"},
        {&cpu_x86::os_x64, true, "os_x64"},
        {&cpu_x86::os_avx, os_avx, "os_avx"},
        {&cpu_x86::os_avx512, os_avx512, "os_avx512"},
        {&cpu_x86::mmx, has(leaf1.edx, bit_MMX), "mmx"},
        {&cpu_x86::x64, has(leaf_ext.edx, bit_LM), "x64"},
        {&cpu_x86::abm, has(leaf_ext.ecx, bit_ABM), "abm"},
        {&cpu_x86::rdrand, has(leaf1.ecx, bit_RDRND), "rdrand"},
        {&cpu_x86::bmi1, has(leaf7.ebx, bit_BMI), "bmi1"},
        {&cpu_x86::bmi2, has(leaf7.ebx, bit_BMI2), "bmi2"},
        {&cpu_x86::adx, has(leaf7.ebx, bit_ADX), "adx"},
        {&cpu_x86::prefetchwt1, has(leaf7.ecx, bit_PREFETCHWT1), "prefetchwt1"},
        {&cpu_x86::mpx, has(leaf7.ebx, mpx_bit), "mpx"},
        {&cpu_x86::sse, has(leaf1.edx, bit_SSE), "sse"},
        {&cpu_x86::sse2, has(leaf1.edx, bit_SSE2), "sse2"},
        {&cpu_x86::sse3, has(leaf1.ecx, bit_SSE3), "sse3"},
        {&cpu_x86::ssse3, has(leaf1.ecx, bit_SSSE3), "ssse3"},
        {&cpu_x86::sse41, has(leaf1.ecx, bit_SSE4_1), "sse41"},
        {&cpu_x86::sse42, has(leaf1.ecx, bit_SSE4_2), "sse42"},
        {&cpu_x86::sse4a, has(leaf_ext.ecx, bit_SSE4a), "sse4a"},
        {&cpu_x86::aes, has(leaf1.ecx, bit_AES), "aes"},
        {&cpu_x86::sha, has(leaf7.ebx, bit_SHA), "sha"},
        {&cpu_x86::avx, has(leaf1.ecx, bit_AVX), "avx"},
        {&cpu_x86::xop, has(leaf_ext.ecx, bit_XOP), "xop"},
        {&cpu_x86::fma3, has(leaf1.ecx, bit_FMA), "fma3"},
        {&cpu_x86::fma4, has(leaf_ext.ecx, bit_FMA4), "fma4"},
        {&cpu_x86::avx2, has(leaf7.ebx, bit_AVX2), "avx2"},
        {&cpu_x86::avx512_f, has(leaf7.ebx, bit_AVX512F), "avx512_f"},
        {&cpu_x86::avx512_pf, has(leaf7.ebx, bit_AVX512PF), "avx512_pf"},
        {&cpu_x86::avx512_er, has(leaf7.ebx, bit_AVX512ER), "avx512_er"},
        {&cpu_x86::avx512_cd, has(leaf7.ebx, bit_AVX512CD), "avx512_cd"},
        {&cpu_x86::avx512_vl, has(leaf7.ebx, bit_AVX512VL), "avx512_vl"},
        {&cpu_x86::avx512_bw, has(leaf7.ebx, bit_AVX512BW), "avx512_bw"},
        {&cpu_x86::avx512_dq, has(leaf7.ebx, bit_AVX512DQ), "avx512_dq"},
        {&cpu_x86::avx512_ifma, has(leaf7.ebx, bit_AVX512IFMA), "avx512_ifma"},
        {&cpu_x86::avx512_vbmi, has(leaf7.ecx, bit_AVX512VBMI), "avx512_vbmi"},
    };
    ASSERT_EQ(expected.size(), every_member.size());

    cpu_x86 const host;
    for (expectation const& each : expected)
        EXPECT_EQ(host.*each.feature, each.value) << each.name;
    char name[13] = {};
    std::memcpy(name, &vendor.ebx, 4);
    std::memcpy(name + 4, &vendor.edx, 4);
    std::memcpy(name + 8, &vendor.ecx, 4);
    EXPECT_EQ(cpu_x86::get_vendor_string(), name);
}

TEST(cpu_x86, each_feature_comes_from_its_own_leaf_register_and_bit)
{
    for (feature_bit const& expected : feature_bits) {
        recorded_processor processor = full_leaves();
        processor.leaves[expected.leaf][static_cast<std::size_t>(expected.reg)] = only_bit(expected.bit);
        cpu_x86 detector;
        detector.detect(processor.source());
        for (member feature : every_member) {
            bool const should = feature == expected.feature || feature == &cpu_x86::os_x64;
            EXPECT_EQ(detector.*feature, should) << "bit of " << expected.name;
        }
    }
}

TEST(cpu_x86, detection_starts_from_a_cleared_record)
{
    recorded_processor processor;
    processor.leaves[0] = vendor_leaf(0, "............");
    cpu_x86 detector;
    detector.detect(processor.source());
    for (member feature : every_member)
        EXPECT_EQ(detector.*feature, feature == &cpu_x86::os_x64);
}

TEST(cpu_x86, vendor_string_names_the_vendor)
{
    struct vendor_case {
        char const (&name)[13];
        bool amd;
        bool intel;
    };
    vendor_case const cases[] = {
        {"GenuineIntel", false, true},  {"AuthenticAMD", true, false},  {"HygonGenuine", false, false},
        {"CentaurHauls", false, false}, {"GenuineIntem", false, false},
    };
    for (vendor_case const& vendor : cases) {
        recorded_processor processor = full_leaves();
        processor.leaves[0] = vendor_leaf(7, vendor.name);
        cpu_x86 detector;
        detector.detect(processor.source());
        EXPECT_EQ(detector.vendor_amd, vendor.amd) << vendor.name;
        EXPECT_EQ(detector.vendor_intel, vendor.intel) << vendor.name;
    }
}

TEST(cpu_x86, leaves_above_the_highest_are_never_read)
{
    struct limit_case {
        std::int32_t highest_basic;
        std::uint32_t highest_extended;
        bool leaf1;
        bool leaf7;
        bool extended;
    };
    limit_case const cases[] = {
        {7, 0x80000001u, true, true, true},   {6, 0x80000001u, true, false, true}, {0, 0x80000001u, false, false, true},
        {13, 0x80000000u, true, true, false}, {13, 0x80000008u, true, true, true},
    };
    for (limit_case const& limit : cases) {
        recorded_processor processor;
        processor.leaves[0] = vendor_leaf(limit.highest_basic, "GenuineIntel");
        processor.leaves[extended_count_leaf] = {static_cast<std::int32_t>(limit.highest_extended), 0, 0, 0};
        processor.leaves[1] = {0, 0, 0, only_bit(23)};
        processor.leaves[7] = {0, only_bit(5), 0, 0};
        processor.leaves[extended_leaf] = {0, 0, 0, only_bit(29)};
        cpu_x86 detector;
        detector.detect(processor.source());
        std::string const context = "highest " + std::to_string(limit.highest_basic);
        EXPECT_EQ(detector.mmx, limit.leaf1) << context;
        EXPECT_EQ(detector.avx2, limit.leaf7) << context;
        EXPECT_EQ(detector.x64, limit.extended) << context;
        EXPECT_EQ(processor.was_asked(7), limit.leaf7) << context;
        EXPECT_EQ(processor.was_asked(extended_leaf), limit.extended) << context;
    }
}

TEST(cpu_x86, operating_system_support_needs_osxsave_avx_and_the_saved_state)
{
    struct os_case {
        bool osxsave;
        bool avx;
        std::uint64_t xcr0;
        bool os_avx;
        bool os_avx512;
    };
    os_case const cases[] = {
        {true, true, 0x07, true, false},   {true, true, 0xE7, true, true},    {true, true, 0xE6, true, true},
        {true, true, 0x03, false, false},  {true, true, 0xE3, false, false},  {true, true, 0x67, true, false},
        {false, true, 0xE7, false, false}, {true, false, 0xE7, false, false},
    };
    for (os_case const& os : cases) {
        recorded_processor processor = full_leaves();
        processor.leaves[1][ecx] = (os.osxsave ? only_bit(27) : 0) | (os.avx ? only_bit(28) : 0);
        processor.xcr0 = os.xcr0;
        cpu_x86 detector;
        detector.detect(processor.source());
        std::string const context = "xcr0 " + std::to_string(os.xcr0) + (os.osxsave ? " osxsave" : "");
        EXPECT_EQ(detector.os_avx, os.os_avx) << context;
        EXPECT_EQ(detector.os_avx512, os.os_avx512) << context;
        // XGETBV faults on a processor whose OS has not enabled XSAVE.
        EXPECT_EQ(processor.xgetbv_calls, os.osxsave && os.avx ? 1 : 0) << context;
    }
}

TEST(cpu_x86, without_osxsave_the_avx_lines_and_the_summary_say_no)
{
    recorded_processor processor = full_leaves();
    processor.leaves[1][ecx] = only_bit(28);
    processor.leaves[7][ebx] = only_bit(16);
    processor.xcr0 = 0xE7;
    cpu_x86 detector;
    detector.detect(processor.source());
    ASSERT_TRUE(detector.avx);
    ASSERT_TRUE(detector.avx512_f);
    std::string const report = report_of(detector);
    EXPECT_NE(report.find("    OS AVX      = No\n    OS AVX512   = No\n"), std::string::npos);
    EXPECT_NE(report.find("Summary:\n    Safe to use AVX:     No\n    Safe to use AVX512:  No\n\n"), std::string::npos);
}

TEST(cpu_x86, summary_says_yes_when_processor_and_system_agree)
{
    recorded_processor processor = full_leaves();
    processor.leaves[1][ecx] = only_bit(27) | only_bit(28);
    processor.leaves[7][ebx] = only_bit(16);
    processor.xcr0 = 0xE7;
    cpu_x86 detector;
    detector.detect(processor.source());
    std::string const report = report_of(detector);
    EXPECT_EQ(report, expected_report(detector));
    EXPECT_NE(report.find("Summary:\n    Safe to use AVX:     Yes\n    Safe to use AVX512:  Yes\n\n"),
              std::string::npos);
}

// Filled in place: returning a 256-bit vector would depend on the AVX switch.
template <typename simd, std::size_t lanes>
void fill(simd& x, std::uint32_t const (&values)[lanes])
{
    static_assert(sizeof(simd) == lanes * 4, "one value per lane");
    std::memcpy(&x, values, sizeof(simd));
}

TEST(simd_register_text, lanes_as_bytes_in_memory_order_then_decimal)
{
    __m128i const x = _mm_setr_epi32(1, 2, 3, 4);
    EXPECT_EQ(FeatureDetector::stringify_m128i(x), "0x01000000,0x02000000,0x03000000,0x04000000 1,2,3,4");
    EXPECT_EQ(FeatureDetector::stringify_m128i("xmm0", x),
              "xmm0: 0x01000000,0x02000000,0x03000000,0x04000000 1,2,3,4 ");

    std::uint32_t const mixed[] = {0xDEADBEEFu, 0, 0xFFFFFFFFu, 0x0A0B0C0Du};
    __m128i y;
    fill(y, mixed);
    EXPECT_EQ(FeatureDetector::stringify_m128i(y),
              "0xEFBEADDE,0x00000000,0xFFFFFFFF,0x0D0C0B0A 3735928559,0,4294967295,168496141");
}

TEST(simd_register_text, wide_registers_have_eight_lanes)
{
    std::uint32_t const values[] = {1, 2, 3, 4, 5, 6, 7, 0x80000000u};
    __m256i x;
    fill(x, values);
    std::string const text = "0x01000000,0x02000000,0x03000000,0x04000000,0x05000000,0x06000000,0x07000000,"
                             "0x00000080 1,2,3,4,5,6,7,2147483648";
    EXPECT_EQ(FeatureDetector::stringify_m256i(x), text);
    EXPECT_EQ(FeatureDetector::stringify_m256i("ymm1", x), "ymm1: " + text + " ");
}

TEST(simd_register_text, print_writes_the_unlabelled_form_and_a_line_feed)
{
    std::uint32_t const values[] = {8, 7, 6, 5, 4, 3, 2, 1};
    __m256i wide;
    fill(wide, values);
    stream_capture capture(std::cout);
    FeatureDetector::print_m128i(_mm_setr_epi32(1, 2, 3, 4));
    FeatureDetector::print_m256i(wide);
    EXPECT_EQ(capture.text(), "0x01000000,0x02000000,0x03000000,0x04000000 1,2,3,4\n"
                              "0x08000000,0x07000000,0x06000000,0x05000000,0x04000000,0x03000000,0x02000000,0x01000000 "
                              "8,7,6,5,4,3,2,1\n");
}

}

#else

TEST(cpu_x86, exists_on_x86_64_only)
{
    GTEST_SKIP() << "the CPU feature detector is built for x86-64 processors only";
}

#endif
