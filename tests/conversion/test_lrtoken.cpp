#include "conversion/lrtoken.h"

#include "qstring_printer.h"

#include <QDebug>

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>
#include <vector>

using namespace conversion;

namespace {

struct token_case {
    QString text;
    std::vector<std::pair<token_type, QString>> tokens;
    std::vector<int> values;
};

TEST(TemplateTokens, SplitsPiecesIntoTypedTokens)
{
    using t = token_type;
    std::vector<token_case> const cases = {
        {"", {}, {}},
        {"a = 1", {{t::name, "a"}, {t::equals, "="}, {t::num, "1"}}, {0, 0, 1}},
        {"a=b,c", {{t::name, "a"}, {t::equals, "="}, {t::name, "b"}, {t::comma, ","}, {t::name, "c"}}, {0, 0, 0, 0, 0}},
        {"{ }", {{t::lbrace, "{"}, {t::rbrace, "}"}}, {0, 0}},
        {"{}", {{t::name, "{}"}}, {0}},
        {"{a", {{t::name, "{a"}}, {0}},
        {"\"x, y = { z }\"", {{t::str, "x, y = { z }"}}, {0}},
        {"\"a\\\" b", {{t::str, "a\\"}, {t::name, "b"}}, {0, 0}},
        {"\"", {{t::str, ""}}, {0}},
        {"\"\"", {{t::str, ""}}, {0}},
        {"x\"a b\"", {{t::name, "x\"a b\""}}, {0}},
        {"+5 -007 0", {{t::num, "+5"}, {t::num, "-007"}, {t::num, "0"}}, {5, -7, 0}},
        {"2147483647 -2147483648", {{t::num, "2147483647"}, {t::num, "-2147483648"}}, {2147483647, -2147483647 - 1}},
        {"2147483648 1.5 1e3 0x10",
         {{t::name, "2147483648"}, {t::name, "1.5"}, {t::name, "1e3"}, {t::name, "0x10"}},
         {0, 0, 0, 0}},
        {"+7 007 -0 123456789 1234567890 - + 12a -x",
         {{t::num, "+7"},
          {t::num, "007"},
          {t::num, "-0"},
          {t::num, "123456789"},
          {t::num, "1234567890"},
          {t::name, "-"},
          {t::name, "+"},
          {t::name, "12a"},
          {t::name, "-x"}},
         {7, 7, 0, 123456789, 1234567890, 0, 0, 0, 0}},
        {"true false True", {{t::boolean, "true"}, {t::boolean, "false"}, {t::name, "True"}}, {1, 0, 0}},
        {QString::fromUtf8("a\tb\nc\vd\fe\rf g\u0085h\u00a0i\u2003j"),
         {{t::name, "a"},
          {t::name, "b"},
          {t::name, "c"},
          {t::name, "d"},
          {t::name, "e"},
          {t::name, "f"},
          {t::name, "g"},
          {t::name, "h"},
          {t::name, "i"},
          {t::name, "j"}},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"  a  ,  ", {{t::name, "a"}, {t::comma, ","}}, {0, 0}},
    };
    for (token_case const& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        std::vector<lrtoken> const tokens = split_into_tokens(c.text);
        ASSERT_EQ(tokens.size(), c.tokens.size() + 1);
        for (std::size_t i = 0; i < c.tokens.size(); ++i) {
            EXPECT_EQ(tokens[i].type, c.tokens[i].first) << i;
            EXPECT_EQ(tokens[i].text.toString(), c.tokens[i].second) << i;
            EXPECT_EQ(tokens[i].value, c.values[i]) << i;
        }
        EXPECT_EQ(tokens.back().type, token_type::eof);
        EXPECT_TRUE(tokens.back().text.isEmpty());
        EXPECT_EQ(tokens.back().value, 0);
    }
}

TEST(TemplateTokens, TokensAreViewsIntoTheText)
{
    QString const text = QStringLiteral("key = \"value\"");
    std::vector<lrtoken> const tokens = split_into_tokens(text);
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[0].text.string(), &text);
    EXPECT_EQ(tokens[0].text.position(), 0);
    EXPECT_EQ(tokens[2].text.string(), &text);
    EXPECT_EQ(tokens[2].text.position(), 7);
    EXPECT_EQ(tokens[2].text.size(), 5);
}

// Tokens point into the text, so a temporary text must not be accepted.
template <typename Text, typename = void>
struct splits : std::false_type {
};
template <typename Text>
struct splits<Text, std::void_t<decltype(split_into_tokens(std::declval<Text>()))>> : std::true_type {
};

TEST(TemplateTokens, RefuseATemporaryText)
{
    static_assert(splits<QString const&>::value && splits<QString&>::value, "a lasting text splits");
    static_assert(!splits<QString>::value && !splits<QString&&>::value, "a temporary text does not");
}

TEST(TemplateTokens, TypeNames)
{
    std::vector<std::pair<token_type, QString>> const cases = {
        {token_type::name, "token_type::name"},       {token_type::str, "token_type::str"},
        {token_type::boolean, "token_type::boolean"}, {token_type::num, "token_type::num"},
        {token_type::equals, "token_type::equals"},   {token_type::comma, "token_type::comma"},
        {token_type::lbrace, "token_type::lbrace"},   {token_type::rbrace, "token_type::rbrace"},
        {token_type::eof, "token_type::eof"},         {static_cast<token_type>(9), "<unknown>"},
        {static_cast<token_type>(-1), "<unknown>"},
    };
    for (auto const& c : cases)
        EXPECT_EQ(lrtoken::token_type_to_name(c.first), c.second);
    EXPECT_EQ(static_cast<int>(token_type::name), 0);
    EXPECT_EQ(static_cast<int>(token_type::eof), 8);
}

TEST(TemplateTokens, DebugTextRestoresTheStreamState)
{
    QString const text = QStringLiteral("\"a b\" -12");
    std::vector<lrtoken> const tokens = split_into_tokens(text);
    QString out;
    {
        QDebug debug(&out);
        debug << tokens[0] << QStringLiteral("quoted") << tokens[1] << tokens[2];
    }
    EXPECT_EQ(out, QStringLiteral("token_type::str(\"a b\", 0) \"quoted\" token_type::num(\"-12\", -12) "
                                  "token_type::eof(\"\", 0) "));
}

} // namespace
