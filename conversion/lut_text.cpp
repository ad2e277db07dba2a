#include "conversion/lut_text.h"

#include <climits>
#include <cmath>

namespace conversion {

namespace {

struct number_scan {
    double value = 0;
    double digits = 0;
    double value_position = 0;
    double digits_position = 0;
    char separator = 0;
    int mode = 0;
    bool negative = false;
    int exponent = 0;
    bool no_digit = true;

    void exponent_mark()
    {
        exponent = truncate_to_int(negative ? -value : value);
        value = 0;
        digits = 0;
        value_position = 0;
        digits_position = 0;
        negative = false;
    }

    void separator_mark(char character)
    {
        if (separator == 0) {
            separator = character;
        } else if (separator == character) {
            mode = 2;
        }
        if (mode == 0) {
            value /= std::pow(10.0, value_position);
            value_position = 0;
            mode = 1;
        }
    }

    void digit(int x)
    {
        value += x * std::pow(10.0, value_position);
        digits += x * std::pow(10.0, digits_position);
        value_position += 1;
        digits_position += 1;
        no_digit = false;
    }

    void read(char character)
    {
        if (character == 'e' || character == 'E') {
            exponent_mark();
        } else if (character == '.' || character == ',') {
            separator_mark(character);
        } else if (character == '-') {
            negative = true;
        } else if (character >= '0' && character <= '9') {
            digit(character - '0');
        }
    }

    double result() const
    {
        double number = mode == 2 ? digits : value;
        if (negative) {
            number = -number;
        }
        if (exponent != 0) {
            number *= std::pow(10.0, exponent);
        }
        return number;
    }
};

}

// Values past the int range only ever mean overflow or underflow, and
// converting such a double directly would be undefined.
int truncate_to_int(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= double(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= double(INT_MIN)) {
        return INT_MIN;
    }
    return int(value);
}

// Scanning from the end lets both "1.234,5" and "1,234.5" resolve the
// decimal separator as the last one met, whichever character it is.
double string_to_double(std::string const& text, double fallback)
{
    number_scan scan;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        scan.read(*it);
    }
    if (scan.no_digit && scan.mode != 2 && scan.exponent == 0) {
        return fallback;
    }
    return scan.result();
}

bool starts_with(std::string const& text, std::string const& prefix)
{
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

std::vector<std::string> split_string(std::string const& text, char separator, int max_splits)
{
    std::vector<std::string> pieces;
    std::string::size_type start = 0;
    int splits = 0;
    while (max_splits <= 0 || splits < max_splits) {
        std::string::size_type const found = text.find(separator, start);
        if (found == std::string::npos) {
            break;
        }
        pieces.push_back(text.substr(start, found - start));
        start = found + 1;
        ++splits;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

}
