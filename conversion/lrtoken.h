#pragma once

#include <QString>
#include <QStringRef>

#include <vector>

class QDebug;

enum class token_type { name, str, boolean, num, equals, comma, lbrace, rbrace, eof };

// One token of a Lua-table template; the text is a view into the template.
struct lrtoken {
    token_type type = token_type::eof;
    QStringRef text;
    int value = 0;

    static QString token_type_to_name(token_type type);
};

QDebug& operator<<(QDebug& debug, lrtoken const& token);

namespace conversion {

// Splits a Lua-table template into tokens, the last one being eof. The
// tokens refer to text, which must outlive them; hence no temporary.
std::vector<lrtoken> split_into_tokens(QString const& text);
std::vector<lrtoken> split_into_tokens(QString&& text) = delete;

}
