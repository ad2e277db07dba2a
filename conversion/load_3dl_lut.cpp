#include "conversion/lut3d.h"

#include "conversion/lut_text.h"

#include "varo/exception.h"

#include <QChar>
#include <QFile>
#include <QTextStream>
#include <QtGlobal>

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace conversion {

namespace {

struct shaper {
    std::uint32_t edge = 17;
    double min = 0;
    double max = 1023;
};

bool is_ascii(QByteArray const& bytes)
{
    for (char const c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// The table's text as UTF-8. Plain ASCII, as every embedded table is, already
// is that; anything else goes through a text stream, which honours a
// byte-order mark and replaces invalid sequences.
QByteArray table_text(QFile& file)
{
    QByteArray bytes = file.readAll();
    if (is_ascii(bytes)) {
        return bytes;
    }
    QTextStream stream(bytes);
    stream.setCodec("UTF-8");
    return stream.readAll().toUtf8();
}

// Whether the code point at p is one QString::trimmed removes; its length in
// bytes goes to length. The text is valid UTF-8: ASCII, or made by toUtf8.
bool is_blank_at(char const* p, char const* end, std::size_t& length)
{
    unsigned char const lead = static_cast<unsigned char>(*p);
    if (lead < 0x80) {
        length = 1;
        return lead == ' ' || (lead >= '\t' && lead <= '\r');
    }
    length = lead >= 0xF0 ? 4 : (lead >= 0xE0 ? 3 : 2);
    if (std::size_t(end - p) < length) {
        return false;
    }
    uint code = lead & (0x3Fu >> (length - 1));
    for (std::size_t n = 1; n < length; ++n) {
        code = (code << 6) | (static_cast<unsigned char>(p[n]) & 0x3Fu);
    }
    return QChar::isSpace(code);
}

// Lines of the table, trimmed as QString::trimmed does, without a string per
// line: 4913 entry lines per table make that the bulk of loading.
class line_reader {
public:
    explicit line_reader(QByteArray text) : text(std::move(text)) {}

    bool at_end() const { return position >= text.size(); }

    std::string_view next()
    {
        int end = text.indexOf('\n', position);
        if (end < 0) {
            end = text.size();
        }
        char const* first = text.constData() + position;
        char const* last = text.constData() + end;
        position = end + 1;
        std::size_t length = 0;
        while (first < last && is_blank_at(first, last, length)) {
            first += length;
        }
        while (last > first) {
            char const* lead = last - 1;
            while (lead > first && (static_cast<unsigned char>(*lead) & 0xC0) == 0x80) {
                --lead;
            }
            if (!is_blank_at(lead, last, length) || lead + length != last) {
                break;
            }
            last = lead;
        }
        return std::string_view(first, std::size_t(last - first));
    }

private:
    QByteArray text;
    int position = 0;
};

bool is_header_noise(std::string const& line)
{
    if (line.empty() || line[0] == '#' || starts_with(line, "3DMESH")) {
        return true;
    }
    char const first = line[0];
    return !(first == '+' || first == '-' || (first >= '0' && first <= '9'));
}

shaper read_shaper(line_reader& lines)
{
    shaper result;
    while (!lines.at_end()) {
        std::string const line(lines.next());
        if (is_header_noise(line)) {
            continue;
        }
        std::vector<std::string> const pieces = split_string(line, ' ', 0);
        if (pieces.size() < 2) {
            throw varo::exception("ERROR while loading 3DL LUT: Edge length is less than 2.");
        }
        if (pieces.size() > lut_max_edge) {
            throw varo::exception("ERROR while loading 3DL LUT: Edge length is greater than 1290.");
        }
        result.edge = std::uint32_t(pieces.size());
        result.min = string_to_double(pieces.front(), 0);
        result.max = string_to_double(pieces.back(), 1023);
        break;
    }
    return result;
}

// No entry line is shorter than five bytes ("0  0" and its line feed), so a
// table that declares a huge edge reserves no more than its file can hold.
std::size_t reservation(std::size_t needed, qint64 file_size)
{
    std::size_t const possible = std::size_t(file_size < 0 ? 0 : file_size) / 5 + 1;
    return needed < possible ? needed : possible;
}

// The first three blank-separated pieces; false when the line has fewer.
bool first_three_pieces(std::string_view line, std::string_view (&pieces)[3])
{
    for (std::size_t n = 0; n < 3; ++n) {
        std::size_t const blank = line.find(' ');
        if (blank == std::string_view::npos) {
            if (n < 2) {
                return false;
            }
            pieces[n] = line;
            return true;
        }
        pieces[n] = line.substr(0, blank);
        line.remove_prefix(blank + 1);
    }
    return true;
}

// Plain digits, as entry values are, give the same double as string_to_double
// (every partial sum below 2^53 is exact) without its powers of ten.
double piece_value(std::string_view piece, double fallback)
{
    if (piece.empty() || piece.size() > 15) {
        return string_to_double(std::string(piece), fallback);
    }
    std::uint64_t value = 0;
    for (char const c : piece) {
        if (c < '0' || c > '9') {
            return string_to_double(std::string(piece), fallback);
        }
        value = value * 10 + std::uint64_t(c - '0');
    }
    return double(value);
}

std::vector<lut3d::entry> read_entries(line_reader& lines, std::size_t needed, std::size_t reserve, double declared_max,
                                       double& largest)
{
    std::vector<lut3d::entry> entries;
    entries.reserve(reserve);
    std::string_view pieces[3];
    while (entries.size() < needed && !lines.at_end()) {
        std::string_view const line = lines.next();
        if (!line.empty() && line.front() == '#') {
            continue;
        }
        if (!first_three_pieces(line, pieces)) {
            continue;
        }
        double const a = piece_value(pieces[0], declared_max);
        double const b = piece_value(pieces[1], declared_max);
        double const c = piece_value(pieces[2], declared_max);
        for (double const value : {a, b, c}) {
            if (value > largest) {
                largest = value;
            }
        }
        entries.push_back({float(c), float(b), float(a), 1.0f});
    }
    if (entries.size() < needed) {
        throw varo::exception("ERROR while loading 3DL LUT: Less values than needed.");
    }
    return entries;
}

// Data written for a larger range than the header declares (12-bit values
// under a 10-bit shaper) is normalised by the range the data really uses.
double effective_max(QString const& path, double declared_max, double largest)
{
    double const power = std::pow(2.0, std::ceil(std::log2(largest)));
    int const actual = truncate_to_int(power - 1);
    if (actual > declared_max) {
        qWarning("%s: Actual maximum data value is %d which differs from value indicated in file %d",
                 path.toUtf8().constData(), actual, truncate_to_int(declared_max));
        return actual;
    }
    return declared_max;
}

float normalise(float value, double min, double max)
{
    double const scaled = double(value) / (max - min + 1) - min;
    double const limited = scaled < max ? scaled : max;
    return float(limited > min ? limited : min);
}

}

void load_3dl_lut(lut3d& table, QString const& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    line_reader lines(table_text(file));
    shaper const header = read_shaper(lines);
    std::size_t const needed = lut_entry_count(header.edge);
    double largest = 0;
    std::vector<lut3d::entry> entries =
        read_entries(lines, needed, reservation(needed, file.size()), header.max, largest);
    double const max = effective_max(path, header.max, largest);
    for (lut3d::entry& entry : entries) {
        for (std::size_t n = 0; n < 3; ++n) {
            entry[n] = normalise(entry[n], header.min, max);
        }
    }
    table.title.clear();
    table.edge = header.edge;
    table.entries = std::move(entries);
}

}
