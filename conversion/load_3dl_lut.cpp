#include "conversion/lut3d.h"

#include "varo/exception.h"

#include <QFile>
#include <QTextStream>
#include <QtGlobal>

#include <cmath>
#include <utility>

namespace {

struct shaper {
    std::uint32_t edge = 17;
    double min = 0;
    double max = 1023;
};

std::string next_line(QTextStream& stream)
{
    return stream.readLine().trimmed().toUtf8().toStdString();
}

bool is_header_noise(std::string const& line)
{
    if (line.empty() || line[0] == '#' || starts_with(line, "3DMESH")) {
        return true;
    }
    char const first = line[0];
    return !(first == '+' || first == '-' || (first >= '0' && first <= '9'));
}

shaper read_shaper(QTextStream& stream)
{
    shaper result;
    while (!stream.atEnd()) {
        std::string const line = next_line(stream);
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

std::vector<lut3d::entry> read_entries(QTextStream& stream, std::size_t needed, std::size_t reserve,
                                       double declared_max, double& largest)
{
    std::vector<lut3d::entry> entries;
    entries.reserve(reserve);
    while (entries.size() < needed && !stream.atEnd()) {
        std::string const line = next_line(stream);
        if (starts_with(line, "#")) {
            continue;
        }
        std::vector<std::string> const pieces = split_string(line, ' ', 0);
        if (pieces.size() < 3) {
            continue;
        }
        double const a = string_to_double(pieces[0], declared_max);
        double const b = string_to_double(pieces[1], declared_max);
        double const c = string_to_double(pieces[2], declared_max);
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
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    shaper const header = read_shaper(stream);
    std::size_t const needed = lut_entry_count(header.edge);
    double largest = 0;
    std::vector<lut3d::entry> entries =
        read_entries(stream, needed, reservation(needed, file.size()), header.max, largest);
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
