#include "conversion/costyle_writer.h"
#include "conversion/lut3d.h"
#include "conversion/lut_text.h"
#include "varo/exception.h"

#include "message_capture.h"
#include "qstring_printer.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

using namespace conversion;

namespace {

QString fixture(char const* name)
{
    return QStringLiteral(KESTOVA_FIXTURES "/lut/") + QString::fromUtf8(name);
}

std::string load_error(QString const& path)
{
    lut3d table;
    try {
        load_3dl_lut(table, path);
    } catch (varo::exception const& error) {
        return error.what();
    }
    return "no error";
}

void expect_entry(lut3d::entry const& actual, lut3d::entry const& expected)
{
    for (std::size_t n = 0; n < 4; ++n) {
        EXPECT_FLOAT_EQ(actual[n], expected[n]) << "component " << n;
    }
}

lut3d::entry uniform(float value)
{
    return {value, value, value, 1.0f};
}

std::size_t grid_index(std::size_t i, std::size_t j, std::size_t k)
{
    return k + 17 * (j + 17 * i);
}

// ---------------------------------------------------------------- text helpers

struct number_case {
    char const* text;
    double fallback;
    double expected;
};

class string_to_double_test : public ::testing::TestWithParam<number_case> {};

TEST_P(string_to_double_test, parses_leniently)
{
    number_case const& c = GetParam();
    EXPECT_DOUBLE_EQ(string_to_double(c.text, c.fallback), c.expected) << "text: " << c.text;
}

INSTANTIATE_TEST_SUITE_P(examples, string_to_double_test,
                         ::testing::Values(number_case{"1023", -1, 1023}, number_case{"0,5", -1, 0.5},
                                           number_case{"1.234.567", -1, 1234567}, number_case{"1,234.5", -1, 1234.5},
                                           number_case{"1.234,5", -1, 1234.5}, number_case{"2.5e-3", -1, 0.0025},
                                           number_case{"", 7, 7}, number_case{"abc", 1023, 1023},
                                           number_case{"-12", 0, -12}, number_case{"12-", 0, -12},
                                           number_case{"+64", 0, 64}, number_case{"1E3", 0, 1000},
                                           number_case{"x7y", 0, 7}, number_case{"1,2,3", 0, 123},
                                           number_case{"..", 5, 0}));

TEST(string_to_double, survives_exponents_beyond_the_int_range)
{
    EXPECT_TRUE(std::isinf(string_to_double("1e99999999999", 0)));
    EXPECT_EQ(string_to_double("1e-99999999999", 5), 0.0);
    std::string const long_number(400, '9');
    EXPECT_TRUE(std::isinf(string_to_double(long_number + "e" + long_number, 0)));
}

struct split_case {
    char const* text;
    int max_splits;
    std::vector<std::string> expected;
};

class split_string_test : public ::testing::TestWithParam<split_case> {};

TEST_P(split_string_test, keeps_empty_pieces)
{
    split_case const& c = GetParam();
    EXPECT_EQ(split_string(c.text, ' ', c.max_splits), c.expected) << "text: '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(cases, split_string_test,
                         ::testing::Values(split_case{"0 64 1023", 0, {"0", "64", "1023"}},
                                           split_case{"0  1023", 0, {"0", "", "1023"}}, split_case{"", 0, {""}},
                                           split_case{" a ", 0, {"", "a", ""}}, split_case{"a\tb c", 0, {"a\tb", "c"}},
                                           split_case{"a b c d", 2, {"a", "b", "c d"}},
                                           split_case{"a b", 5, {"a", "b"}}, split_case{"a b c", -1, {"a", "b", "c"}}));

struct prefix_case {
    char const* text;
    char const* prefix;
    bool expected;
};

class starts_with_test : public ::testing::TestWithParam<prefix_case> {};

TEST_P(starts_with_test, compares_bytes)
{
    prefix_case const& c = GetParam();
    EXPECT_EQ(starts_with(c.text, c.prefix), c.expected) << "'" << c.text << "' / '" << c.prefix << "'";
}

INSTANTIATE_TEST_SUITE_P(cases, starts_with_test,
                         ::testing::Values(prefix_case{"#comment", "#", true}, prefix_case{"3DMESH", "3DMESH", true},
                                           prefix_case{"3D", "3DMESH", false}, prefix_case{"x#", "#", false},
                                           prefix_case{"abc", "", true}, prefix_case{"", "", true},
                                           prefix_case{"", "#", false}, prefix_case{"Abc", "a", false}));

// ---------------------------------------------------------------- record and identity

TEST(lut3d, fresh_record_is_zero)
{
    lut3d const table;
    EXPECT_EQ(table.edge, 17u);
    ASSERT_EQ(table.entries.size(), 4913u);
    for (lut3d::entry const& entry : table.entries) {
        ASSERT_EQ(entry, (lut3d::entry{0, 0, 0, 0}));
    }
    EXPECT_EQ(table.direct_buffer.get(), nullptr);
    EXPECT_TRUE(table.title.empty());
}

TEST(lut3d, moves_its_grid_and_buffer)
{
    lut3d table;
    fill_identity_lut(table);
    table.edge = 16;
    table.title = "moved";
    table.direct_buffer.reset(std::malloc(64));
    void* const buffer = table.direct_buffer.get();
    table.direct_cells = static_cast<std::uint32_t*>(buffer);
    std::vector<lut3d::entry> const grid = table.entries;

    lut3d moved(std::move(table));
    EXPECT_EQ(moved.edge, 16u);
    EXPECT_EQ(moved.entries, grid);
    EXPECT_EQ(moved.title, "moved");
    EXPECT_EQ(moved.direct_buffer.get(), buffer);
    EXPECT_EQ(moved.direct_cells, buffer);
    EXPECT_EQ(table.direct_buffer.get(), nullptr);
    EXPECT_EQ(table.direct_cells, nullptr);

    lut3d assigned;
    assigned = std::move(moved);
    EXPECT_EQ(assigned.entries, grid);
    EXPECT_EQ(assigned.direct_buffer.get(), buffer);
    EXPECT_EQ(assigned.direct_cells, buffer);
    EXPECT_EQ(moved.direct_cells, nullptr);
}

TEST(fill_identity_lut, steps_by_sixteenths)
{
    lut3d table;
    fill_identity_lut(table);
    ASSERT_EQ(table.entries.size(), 4913u);
    expect_entry(table.entries[grid_index(3, 5, 16)], {1.0f, 5.0f / 16.0f, 3.0f / 16.0f, 1.0f});
    expect_entry(table.entries.back(), uniform(1.0f));
}

// ---------------------------------------------------------------- lookup

struct lookup_case {
    int a;
    int b;
    int c;
    lut3d::entry expected;
    float tolerance = 0; // extrapolation far outside loses single-precision digits
};

class identity_lookup_test : public ::testing::TestWithParam<lookup_case> {};

TEST_P(identity_lookup_test, follows_the_grid)
{
    lookup_case const& c = GetParam();
    lut3d table;
    fill_identity_lut(table);
    lut3d::entry const result = lut_lookup(table, c.a, c.b, c.c);
    if (c.tolerance == 0) {
        expect_entry(result, c.expected);
        return;
    }
    for (std::size_t n = 0; n < 4; ++n) {
        EXPECT_NEAR(result[n], c.expected[n], c.tolerance) << "component " << n;
    }
}

// Outside 0..255 the identity extrapolates along its own straight line:
// -255 lies one full range below the first cell, 510 one above the last.
INSTANTIATE_TEST_SUITE_P(cases, identity_lookup_test,
                         ::testing::Values(lookup_case{0, 0, 0, {0, 0, 0, 1}}, lookup_case{255, 255, 255, {1, 1, 1, 1}},
                                           lookup_case{0, 0, 255, {1, 0, 0, 1}}, lookup_case{255, 0, 0, {0, 0, 1, 1}},
                                           lookup_case{51, 102, 204, {0.8f, 0.4f, 0.2f, 1}},
                                           lookup_case{-255, 0, 0, {0, 0, -1, 1}}, lookup_case{0, 510, 0, {0, 2, 0, 1}},
                                           lookup_case{
                                               -10, 300, 1000, {1000.0f / 255, 300.0f / 255, -10.0f / 255, 1}, 1e-5f}));

TEST(lut_lookup, extreme_inputs_stay_inside_the_table)
{
    lut3d table;
    fill_identity_lut(table);
    for (int const value : {INT_MIN, -100000, -16, -1, 256, 100000, INT_MAX}) {
        lut3d::entry const result = lut_lookup(table, value, value, value);
        EXPECT_TRUE(std::isfinite(result[0])) << value;
        EXPECT_FLOAT_EQ(result[3], 1.0f) << value;
    }
}

TEST(lut_lookup, edge_256_uses_the_entry_directly_and_extrapolates_outside)
{
    lut3d table;
    table.edge = 256;
    fill_identity_lut(table);
    expect_entry(lut_lookup(table, 1, 2, 3), {3.0f / 255, 2.0f / 255, 1.0f / 255, 1});
    expect_entry(lut_lookup(table, 255, 255, 255), uniform(1.0f));
    expect_entry(lut_lookup(table, -255, 256, 0), {0, 256.0f / 255, -1, 1});
    lut3d::entry const far = lut_lookup(table, INT_MIN, 0, INT_MAX);
    EXPECT_TRUE(std::isfinite(far[0]) && std::isfinite(far[2]));
}

TEST(lut_lookup, refuses_a_table_without_its_entries)
{
    lut3d table;
    table.entries.resize(100);
    EXPECT_THROW(lut_lookup(table, 0, 0, 0), varo::exception);
    lut3d single;
    single.edge = 1;
    EXPECT_THROW(lut_lookup(single, 0, 0, 0), varo::exception);
}

// ---------------------------------------------------------------- loader

TEST(load_3dl_lut, reads_and_normalises_a_two_point_table)
{
    message_capture const log;
    lut3d table;
    table.title = "old";
    load_3dl_lut(table, fixture("edge_2.3dl"));
    EXPECT_EQ(table.edge, 2u);
    EXPECT_TRUE(table.title.empty());
    ASSERT_EQ(table.entries.size(), 8u);
    float const top = 1023.0f / 1024.0f;
    expect_entry(table.entries[0], {top, 0, 0, 1});
    expect_entry(table.entries[1], {0, 0, top, 1}); // "abc" falls back to the declared maximum
    expect_entry(table.entries[2], {0, top, 0, 1});
    expect_entry(table.entries[7], uniform(top));
    // The 4095 line after the last needed entry is never read.
    EXPECT_TRUE(log.texts(QtWarningMsg).isEmpty());
    expect_entry(lut_lookup(table, 255, 255, 255), table.entries.back());
    expect_entry(lut_lookup(table, 0, 0, 0), table.entries.front());
}

TEST(load_3dl_lut, counts_the_empty_piece_of_a_double_blank)
{
    lut3d table;
    load_3dl_lut(table, fixture("double_blank_shaper.3dl"));
    EXPECT_EQ(table.edge, 3u);
    ASSERT_EQ(table.entries.size(), 27u);
    expect_entry(table.entries[1], {500.0f / 1024.0f, 0, 0, 1});
    expect_entry(table.entries[26], uniform(1000.0f / 1024.0f));
}

TEST(load_3dl_lut, normalises_with_the_shaper_minimum)
{
    lut3d table;
    load_3dl_lut(table, fixture("negative_min.3dl"));
    expect_entry(table.entries[0], {float(1023.0 / 1025.0 + 1.0), 1, 1, 1});
}

TEST(load_3dl_lut, warns_about_data_beyond_the_declared_maximum)
{
    message_capture const log;
    lut3d table;
    QString const path = fixture("over_max.3dl");
    load_3dl_lut(table, path);
    EXPECT_EQ(log.texts(QtWarningMsg),
              QStringList(path
                          + QStringLiteral(": Actual maximum data value is 4095 which differs from value "
                                           "indicated in file 1023")));
    expect_entry(table.entries[0], {0, 0.5f, 4095.0f / 4096.0f, 1});
}

struct failure_case {
    char const* file;
    char const* message;
};

class load_failure_test : public ::testing::TestWithParam<failure_case> {};

TEST_P(load_failure_test, throws_and_keeps_the_table)
{
    failure_case const& c = GetParam();
    EXPECT_EQ(load_error(fixture(c.file)), c.message) << c.file;
    lut3d table;
    fill_identity_lut(table);
    EXPECT_THROW(load_3dl_lut(table, fixture(c.file)), varo::exception);
    EXPECT_EQ(table.edge, 17u);
    ASSERT_EQ(table.entries.size(), 4913u);
    expect_entry(table.entries.back(), uniform(1.0f));
}

INSTANTIATE_TEST_SUITE_P(
    cases, load_failure_test,
    ::testing::Values(failure_case{"one_value_shaper.3dl", "ERROR while loading 3DL LUT: Edge length is less than 2."},
                      failure_case{"tab_separated.3dl", "ERROR while loading 3DL LUT: Less values than needed."},
                      failure_case{"header_only.3dl", "ERROR while loading 3DL LUT: Less values than needed."}));

TEST(load_3dl_lut, ignores_a_file_that_cannot_be_opened)
{
    lut3d table;
    table.title = "kept";
    load_3dl_lut(table, fixture("missing.3dl"));
    EXPECT_EQ(table.edge, 17u);
    EXPECT_EQ(table.title, "kept");
    ASSERT_EQ(table.entries.size(), 4913u);
    EXPECT_EQ(table.entries.front(), (lut3d::entry{0, 0, 0, 0}));
}

QString write_shaper_file(QTemporaryDir const& dir, int values)
{
    QString const path = dir.filePath(QStringLiteral("huge.3dl"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    QTextStream out(&file);
    for (int n = 0; n < values; ++n) {
        out << (n == 0 ? "" : " ") << n;
    }
    out << "\n0 0 0\n1023 1023 1023\n";
    return path;
}

TEST(load_3dl_lut, rejects_an_edge_beyond_the_signed_entry_count)
{
    QTemporaryDir const dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(load_error(write_shaper_file(dir, 1291)),
              "ERROR while loading 3DL LUT: Edge length is greater than 1290.");
}

TEST(load_3dl_lut, a_huge_declared_edge_fails_quickly_without_reserving_it)
{
    QTemporaryDir const dir;
    ASSERT_TRUE(dir.isValid());
    auto const start = std::chrono::steady_clock::now();
    EXPECT_EQ(load_error(write_shaper_file(dir, 1290)), "ERROR while loading 3DL LUT: Less values than needed.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// ---------------------------------------------------------------- embedded tables

struct embedded_case {
    char const* name;
    char const* path;
};

embedded_case const embedded_tables[] = {
    {"adobe_rgb", ":/data/ProPhotoRGB_to_AdobeRGB1998.3dl"},
    {"srgb", ":/data/ProPhotoRGB_to_sRGB.3dl"},
    {"wide_gamut", ":/data/ProPhotoRGB_to_WideGamutRGB.3dl"},
};

std::vector<lut3d const*> loaded_tables(costyle_writer const& writer)
{
    return {&writer.lut_adobe_rgb, &writer.lut_srgb, &writer.lut_wide_gamut};
}

TEST(costyle_writer_tables, constructor_finds_the_embedded_tables)
{
    message_capture const log;
    costyle_writer const writer;
    EXPECT_TRUE(log.texts(QtWarningMsg).isEmpty());
    for (lut3d const* table : loaded_tables(writer)) {
        EXPECT_EQ(table->edge, 17u);
        ASSERT_EQ(table->entries.size(), 4913u);
        expect_entry(table->entries.front(), {0, 0, 0, 1});
        expect_entry(table->entries.back(), uniform(1023.0f / 1024.0f));
        expect_entry(lut_lookup(*table, 255, 255, 255), table->entries.back());
    }
    EXPECT_EQ(writer.lut_identity.edge, 17u);
    expect_entry(lut_lookup(writer.lut_identity, 0, 0, 255), {1, 0, 0, 1});
}

TEST(costyle_writer_tables, greys_stay_neutral)
{
    costyle_writer const writer;
    for (lut3d const* table : loaded_tables(writer)) {
        for (std::size_t v = 0; v < 17; ++v) {
            lut3d::entry const& grey = table->entries[grid_index(v, v, v)];
            EXPECT_EQ(grey[0], grey[1]) << "level " << v;
            EXPECT_EQ(grey[1], grey[2]) << "level " << v;
        }
    }
}

TEST(costyle_writer_tables, saturated_green_clips_in_srgb_only)
{
    costyle_writer const writer;
    lut3d::entry const clipped{0, 1023.0f / 1024.0f, 0, 1};
    // Distinct ProPhoto greens collapse onto the same sRGB corner.
    for (std::size_t const i : {0, 4}) {
        for (std::size_t const k : {0, 4}) {
            expect_entry(writer.lut_srgb.entries[grid_index(i, 16, k)], clipped);
        }
    }
    lut3d::entry const wide = writer.lut_wide_gamut.entries[grid_index(0, 16, 0)];
    EXPECT_LT(wide[1], 1023.0f / 1024.0f);
    EXPECT_GT(wide[2], 0.0f);
}

class embedded_file_test : public ::testing::TestWithParam<embedded_case> {};

QStringList resource_lines(QString const& path)
{
    costyle_writer const writer; // registers the engine's resources
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QString const text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.endsWith(QLatin1Char('\n')));
    EXPECT_FALSE(text.contains(QLatin1Char('\r')));
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeLast();
    return lines;
}

TEST_P(embedded_file_test, has_the_3dl_layout_and_known_colours)
{
    QStringList const lines = resource_lines(QString::fromUtf8(GetParam().path));
    ASSERT_EQ(lines.size(), 5 + 4913);
    EXPECT_TRUE(lines[0].startsWith(QLatin1Char('#')));
    EXPECT_EQ(lines[1], QStringLiteral("3DMESH"));
    EXPECT_EQ(lines[2], QStringLiteral("Mesh 4 10"));
    EXPECT_EQ(lines[3], QStringLiteral("0 64 128 192 256 320 384 448 512 576 640 704 768 832 896 960 1023"));
    EXPECT_EQ(lines[4], QString());
    for (int n = 5; n < lines.size(); ++n) {
        QStringList const values = lines[n].split(QLatin1Char(' '));
        ASSERT_EQ(values.size(), 3) << "line " << n + 1;
        for (QString const& value : values) {
            bool ok = false;
            int const number = value.toInt(&ok);
            ASSERT_TRUE(ok && number >= 0 && number <= 1023 && value == QString::number(number)) << "line " << n + 1;
        }
    }
    EXPECT_EQ(lines[5], QStringLiteral("0 0 0"));
    EXPECT_EQ(lines.last(), QStringLiteral("1023 1023 1023"));
}

INSTANTIATE_TEST_SUITE_P(files, embedded_file_test, ::testing::ValuesIn(embedded_tables),
                         [](::testing::TestParamInfo<embedded_case> const& info) { return info.param.name; });

}
