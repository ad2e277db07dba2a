#include "conversion/debug_text.h"

#include <charconv>
#include <cmath>

namespace conversion {

namespace {

char const hex_digits[] = "0123456789ABCDEF";

// Most preset text is ASCII; QChar::isPrint is asked only beyond it.
bool is_plain(QChar c)
{
    char16_t const unit = c.unicode();
    if (unit < 0x80)
        return unit >= 0x20 && unit != 0x7f && unit != u'\\' && unit != u'"';
    return c.isPrint();
}

char short_escape(char16_t c)
{
    switch (c) {
    case u'"':
        return '"';
    case u'\\':
        return '\\';
    case u'\b':
        return 'b';
    case u'\f':
        return 'f';
    case u'\n':
        return 'n';
    case u'\r':
        return 'r';
    case u'\t':
        return 't';
    default:
        return 0;
    }
}

void append_hex(QString& out, char prefix, uint value, int digits)
{
    out += QLatin1Char('\\');
    out += QLatin1Char(prefix);
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += QLatin1Char(hex_digits[(value >> shift) & 0xf]);
}

// Escapes the character at `i`; answers how many code units it took.
int append_escaped(QString& out, QStringView text, int i)
{
    char16_t const c = text[i].unicode();
    if (char const letter = short_escape(c)) {
        out += QLatin1Char('\\');
        out += QLatin1Char(letter);
        return 1;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        uint const ucs4 = QChar::surrogateToUcs4(c, text[i + 1].unicode());
        if (QChar::isPrint(ucs4))
            out.append(text.data() + i, 2);
        else
            append_hex(out, 'U', ucs4, 8);
        return 2;
    }
    append_hex(out, 'u', c, 4);
    return 1;
}

// Whether the value's shortest text has seven significant digits ending in
// 5: only such a value can lie halfway between two six-digit texts.
bool may_be_halfway(double value)
{
    char text[32];
    auto const result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    int digits = 0;
    char last = 0;
    for (char const* c = text; c != result.ptr && *c != 'e'; ++c) {
        if (*c >= '0' && *c <= '9') {
            ++digits;
            last = *c;
        }
    }
    return digits == 7 && last == '5';
}

void append_int(QString& out, int value)
{
    char text[16];
    auto const result = std::to_chars(text, text + sizeof text, value);
    out.append(QLatin1String(text, int(result.ptr - text)));
}

}

// A text stream's default for numbers: six significant digits. to_chars gives
// Qt's text without a locale's cost, except where Qt differs: it rounds
// halfway values up and drops the sign of zero and NaN.
void append_debug_number(QString& out, double value)
{
    if (value == 0 || std::isnan(value) || may_be_halfway(value)) {
        out += QString::number(value, 'g', 6);
        return;
    }
    char text[32];
    auto const result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    out.append(QLatin1String(text, int(result.ptr - text)));
}

QLoggingCategory const& default_log()
{
    return *QLoggingCategory::defaultCategory();
}

bool log_enabled(QtMsgType type)
{
    QLoggingCategory const* const category = QLoggingCategory::defaultCategory();
    return category && category->isEnabled(type);
}

void append_debug_quoted(QString& out, QStringView text)
{
    out += QLatin1Char('"');
    int i = 0;
    while (i < text.size()) {
        int run = i;
        while (run < text.size() && is_plain(text[run]))
            ++run;
        out.append(text.data() + i, run - i);
        i = run;
        if (i < text.size())
            i += append_escaped(out, text, i);
    }
    out += QLatin1Char('"');
}

void append_debug_point(QString& out, QPoint const& point)
{
    out += QLatin1String("QPoint(");
    append_int(out, point.x());
    out += QLatin1Char(',');
    append_int(out, point.y());
    out += QLatin1Char(')');
}

void append_debug_point(QString& out, QPointF const& point)
{
    out += QLatin1String("QPointF(");
    append_debug_number(out, point.x());
    out += QLatin1Char(',');
    append_debug_number(out, point.y());
    out += QLatin1Char(')');
}

QString debug_map(QMap<QString, QString> const& map)
{
    QString out;
    out.reserve(16 + map.size() * 32);
    out += QLatin1String("QMap(");
    for (auto entry = map.constBegin(); entry != map.constEnd(); ++entry) {
        out += QLatin1Char('(');
        append_debug_quoted(out, entry.key());
        out += QLatin1String(", ");
        append_debug_quoted(out, entry.value());
        out += QLatin1Char(')');
    }
    out += QLatin1Char(')');
    return out;
}

}
