#include "conversion/style_xml.h"

namespace conversion {

namespace {

// The entity or character reference QXmlStreamWriter writes for c in an
// attribute value; nullptr when c goes through unchanged.
char const* escape_of(QChar c)
{
    switch (c.unicode()) {
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '&':
        return "&amp;";
    case '"':
        return "&quot;";
    case '\t':
        return "&#9;";
    case '\n':
        return "&#10;";
    case '\r':
        return "&#13;";
    default:
        return nullptr;
    }
}

// Characters XML 1.0 can't hold, which QXmlStreamWriter leaves out.
bool is_dropped(QChar c)
{
    ushort const code = c.unicode();
    return (code < 0x20 && code != '\t' && code != '\n' && code != '\r') || code >= 0xFFFE;
}

// Nearly every character of a style: one that is neither escaped nor dropped.
bool is_plain(QChar c)
{
    ushort const code = c.unicode();
    if (code >= 0x80)
        return code < 0xFFFE;
    return code >= 0x20 && code != '<' && code != '>' && code != '&' && code != '"';
}

// Unchanged runs are appended whole; this text is most of a style file.
void append_escaped(QString& xml, QString const& text)
{
    QChar const* const begin = text.constData();
    int const size = text.size();
    int run = 0;
    for (int n = 0; n < size; ++n) {
        QChar const c = begin[n];
        if (is_plain(c))
            continue;
        char const* const escape = escape_of(c);
        if (!escape && !is_dropped(c))
            continue;
        xml.append(begin + run, n - run);
        if (escape)
            xml.append(QLatin1String(escape));
        run = n + 1;
    }
    xml.append(begin + run, size - run);
}

}

// The text QXmlStreamWriter gives with automatic formatting, written
// directly: the writer's generic machinery was a large share of the time of
// a whole conversion.
void write_style_xml(style_map const& style, QString& xml)
{
    int size = 64;
    for (auto entry = style.constBegin(); entry != style.constEnd(); ++entry)
        size += 20 + entry.key().size() + entry.value().size();
    xml.reserve(xml.size() + size);
    xml.append(QLatin1String("<?xml version=\"1.0\"?>\n<SL Engine=\"900\""));
    if (style.isEmpty()) {
        xml.append(QLatin1String("/>\n"));
        return;
    }
    xml.append(QLatin1String(">\n"));
    for (auto entry = style.constBegin(); entry != style.constEnd(); ++entry) {
        xml.append(QLatin1String("    <E K=\""));
        append_escaped(xml, entry.key());
        xml.append(QLatin1String("\" V=\""));
        append_escaped(xml, entry.value());
        xml.append(QLatin1String("\"/>\n"));
    }
    xml.append(QLatin1String("</SL>\n"));
}

}
