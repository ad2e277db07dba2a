#include "conversion/lrparser.h"

#include "conversion/lightroom_importer.h"

#include <QDebug>
#include <QPoint>
#include <QVector>

#include <stdexcept>
#include <utility>

namespace {

// Each nested table costs a few stack frames; real templates nest a handful
// of levels, so this only stops hostile input from exhausting the stack.
int const max_nesting = 100;

[[noreturn]] void fail(QString const& message)
{
    throw std::runtime_error(message.toUtf8().toStdString());
}

QVector<QPoint>* curve_for_key(lightroom_importer& importer, QString const& key)
{
    if (key == QLatin1String("ToneCurvePV2012") || key == QLatin1String("ToneCurve"))
        return &importer.tone_curve;
    if (key == QLatin1String("ToneCurvePV2012Red"))
        return &importer.tone_curve_red;
    if (key == QLatin1String("ToneCurvePV2012Green"))
        return &importer.tone_curve_green;
    if (key == QLatin1String("ToneCurvePV2012Blue"))
        return &importer.tone_curve_blue;
    return nullptr;
}

} // namespace

lrparser::lrparser(std::vector<lrtoken> tokens) : tokens(std::move(tokens)) {}

void lrparser::read_object(lightroom_importer& importer, bool top)
{
    while (!at_table_end(top))
        read_entry(importer);
}

void lrparser::expect(token_type type)
{
    if (current().type == type)
        return;
    log_unexpected_token();
    fail(QStringLiteral("Unexpected token type found. Expected %1, got %2")
             .arg(lrtoken::token_type_to_name(type), lrtoken::token_type_to_name(current().type)));
}

lrtoken const& lrparser::current() const
{
    return tokens[cursor];
}

void lrparser::advance()
{
    // The cursor rests on eof, the last token, once it gets there.
    if (cursor + 1 < tokens.size())
        ++cursor;
}

bool lrparser::at_table_end(bool top) const
{
    token_type const type = current().type;
    return type == token_type::rbrace || (top && type == token_type::eof);
}

void lrparser::read_entry(lightroom_importer& importer)
{
    expect(token_type::name);
    QString const key = current().text.toString();
    advance();
    expect(token_type::equals);
    advance();
    read_value(importer, key);
    advance();
    token_type const type = current().type;
    if (type != token_type::rbrace && type != token_type::eof) {
        expect(token_type::comma);
        advance();
    }
}

void lrparser::read_value(lightroom_importer& importer, QString const& key)
{
    if (current().type == token_type::lbrace) {
        advance();
        read_braced_value(importer, key);
        expect(token_type::rbrace);
        return;
    }
    // A text that ends where the value should be: report it instead of
    // storing the end as a value.
    if (current().type == token_type::eof)
        expect(token_type::name);
    importer.settings.insert(key, current().text.toString());
}

void lrparser::read_braced_value(lightroom_importer& importer, QString const& key)
{
    if (key.startsWith(QLatin1String("ToneCurve")))
        read_curve(importer, key);
    else if (current().type == token_type::lbrace)
        skip_array();
    else
        read_nested_object(importer);
}

void lrparser::read_curve(lightroom_importer& importer, QString const& key)
{
    QVector<QPoint> points;
    while (current().type == token_type::num) {
        int const x = current().value;
        advance();
        expect(token_type::comma);
        advance();
        expect(token_type::num);
        int const y = current().value;
        advance();
        expect(token_type::comma);
        advance();
        points.append(QPoint(x, y));
    }
    QVector<QPoint>* curve = curve_for_key(importer, key);
    if (!curve)
        fail(QStringLiteral("Unsupported curve type: ") + key);
    *curve = points;
}

void lrparser::skip_array()
{
    int depth = 1;
    for (;;) {
        token_type const type = current().type;
        if (type == token_type::eof)
            return;
        if (type == token_type::lbrace)
            ++depth;
        if (type == token_type::rbrace && --depth == 0)
            return;
        advance();
    }
}

void lrparser::read_nested_object(lightroom_importer& importer)
{
    if (nesting == max_nesting)
        fail(QStringLiteral("Tables nested deeper than %1 levels").arg(max_nesting));
    ++nesting;
    read_object(importer, false);
    --nesting;
}

void lrparser::log_unexpected_token() const
{
    QDebug record = qCritical();
    record << "prev token:";
    if (cursor > 0)
        record << tokens[cursor - 1];
    else
        record << "<none>";
    record << "token:" << current() << "next token:";
    if (cursor + 1 < tokens.size())
        record << tokens[cursor + 1];
    else
        record << "<none>";
}
