#include "conversion/lrtoken.h"

#include <QDebug>

#include <cstddef>

namespace {

QChar const quote_mark(QLatin1Char('"'));

bool is_separator(QChar c)
{
    return c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char('=');
}

bool is_single_character_token(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('=');
}

// A piece that starts with a letter or a quote never converts to int; most
// pieces are setting names and strings, and the conversion is the expensive
// test.
bool may_be_number(QStringRef const& piece)
{
    ushort const first = piece.at(0).unicode();
    return !((first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z') || first == '"');
}

// The value of a piece of at most nine decimal digits with an optional sign,
// which toInt would give it too; false for every other piece, which is left
// to toInt. Most numbers of a template are of this kind, and toInt's general
// conversion was a noticeable share of reading one.
bool short_decimal(QStringRef const& piece, int& number)
{
    int const size = piece.size();
    bool const signed_piece = piece.at(0) == QLatin1Char('-') || piece.at(0) == QLatin1Char('+');
    int const first = signed_piece ? 1 : 0;
    if (size == first || size - first > 9)
        return false;
    int value = 0;
    for (int n = first; n < size; ++n) {
        ushort const digit = piece.at(n).unicode() - '0';
        if (digit > 9)
            return false;
        value = value * 10 + digit;
    }
    number = piece.at(0) == QLatin1Char('-') ? -value : value;
    return true;
}

bool decimal_number(QStringRef const& piece, int& number)
{
    if (short_decimal(piece, number))
        return true;
    bool is_number = false;
    number = piece.toInt(&is_number, 10);
    return is_number;
}

// The piece as a token of its own character; false for any other character.
bool punctuation_token(QChar c, token_type& type)
{
    switch (c.unicode()) {
    case '=':
        type = token_type::equals;
        return true;
    case ',':
        type = token_type::comma;
        return true;
    case '{':
        type = token_type::lbrace;
        return true;
    case '}':
        type = token_type::rbrace;
        return true;
    default:
        return false;
    }
}

// Tests on characters rather than whole-string comparisons: a template has
// thousands of pieces.
lrtoken make_token(QStringRef const& piece)
{
    QChar const first = piece.at(0);
    token_type punctuation = token_type::eof;
    if (piece.size() == 1 && punctuation_token(first, punctuation))
        return {punctuation, piece, 0};
    if (first == quote_mark && piece.at(piece.size() - 1) == quote_mark)
        return {token_type::str, piece.mid(1, qMax(0, piece.size() - 2)), 0};
    int number = 0;
    if (may_be_number(piece) && decimal_number(piece, number))
        return {token_type::num, piece, number};
    if (piece == QLatin1String("true"))
        return {token_type::boolean, piece, 1};
    if (piece == QLatin1String("false"))
        return {token_type::boolean, piece, 0};
    return {token_type::name, piece, 0};
}

void add_piece(std::vector<lrtoken>& tokens, QString const& text, int start, int end)
{
    if (end > start)
        tokens.push_back(make_token(QStringRef(&text, start, end - start)));
}

} // namespace

QString lrtoken::token_type_to_name(token_type type)
{
    switch (type) {
    case token_type::name:
        return QStringLiteral("token_type::name");
    case token_type::str:
        return QStringLiteral("token_type::str");
    case token_type::boolean:
        return QStringLiteral("token_type::boolean");
    case token_type::num:
        return QStringLiteral("token_type::num");
    case token_type::equals:
        return QStringLiteral("token_type::equals");
    case token_type::comma:
        return QStringLiteral("token_type::comma");
    case token_type::lbrace:
        return QStringLiteral("token_type::lbrace");
    case token_type::rbrace:
        return QStringLiteral("token_type::rbrace");
    case token_type::eof:
        return QStringLiteral("token_type::eof");
    }
    return QStringLiteral("<unknown>");
}

QDebug& operator<<(QDebug& debug, lrtoken const& token)
{
    QDebugStateSaver saver(debug);
    debug.noquote().nospace() << lrtoken::token_type_to_name(token.type) << "(\"" << token.text << "\", " << token.value
                              << ')';
    return debug;
}

namespace conversion {

std::vector<lrtoken> split_into_tokens(QString const& text)
{
    std::vector<lrtoken> tokens;
    // Templates hold about one token per six or seven characters, so a
    // quarter of the length spares the vector its regrowth.
    tokens.reserve(std::size_t(text.size()) / 4 + 1);
    bool inside_quotes = false;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        QChar const c = text.at(i);
        if (!inside_quotes && is_separator(c)) {
            add_piece(tokens, text, start, i);
            if (is_single_character_token(c))
                add_piece(tokens, text, i, i + 1);
            start = i + 1;
        } else if (c == quote_mark) {
            inside_quotes = !inside_quotes;
        }
    }
    add_piece(tokens, text, start, text.size());
    tokens.push_back({token_type::eof, QStringRef(), 0});
    return tokens;
}

}
