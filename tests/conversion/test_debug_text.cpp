#include "conversion/debug_text.h"
#include "qstring_printer.h"

#include <QDebug>
#include <QVector>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace conversion;

namespace {

template <typename T>
QString qt_debug(T const& value)
{
    QString line;
    QDebug(&line).nospace() << value;
    return line;
}

QString qt_quoted(QString const& text)
{
    return qt_debug(text);
}

QString debug_quoted(QString const& text)
{
    QString out;
    append_debug_quoted(out, text);
    return out;
}

template <typename Point>
QString debug_point(Point const& point)
{
    QString out;
    append_debug_point(out, point);
    return out;
}

QString from_units(std::initializer_list<char16_t> units)
{
    QString text;
    for (char16_t unit : units)
        text += QChar(unit);
    return text;
}

}

TEST(append_debug_quoted, writes_what_qdebug_writes)
{
    QVector<QString> const cases{
        QString(),
        QStringLiteral("Exposure2012"),
        QStringLiteral("say \"cheese\" \\ now"),
        QStringLiteral("tab\there\nnew\rline\bback\fform"),
        from_units({0x01, 0x1f, 0x7f, 0x00, 'x'}),
        QStringLiteral("Ünïcödé – ß ☀"),
        from_units({0x00a0, 0x00ad, 0x200b, 0x0301, 0xe000, 0xfeff, 0xffff}),
        from_units({0xd83d, 0xde00}),
        from_units({0xdb40, 0xdc01, 'a'}),
        from_units({0xdbff, 0xdfff}),
        from_units({0xd800, 'a', 0xdc00, 0xd800}),
    };
    for (QString const& text : cases)
        EXPECT_EQ(debug_quoted(text), qt_quoted(text));
}

TEST(append_debug_quoted, agrees_with_qdebug_on_random_text)
{
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<int> unit(0, 0xffff);
    std::uniform_int_distribution<int> ascii(0, 0x80);
    std::uniform_int_distribution<int> surrogate(0xd800, 0xdfff);
    std::bernoulli_distribution mixed(0.7);
    for (int n = 0; n < 30000; ++n) {
        // Surrogates next to other characters, paired or not, every third string.
        std::uniform_int_distribution<int>& pick = n % 3 == 0 ? ascii : n % 3 == 1 ? unit : surrogate;
        QString text;
        for (int k = length(random); k > 0; --k)
            text += QChar(char16_t(mixed(random) ? pick(random) : ascii(random)));
        ASSERT_EQ(debug_quoted(text), qt_quoted(text));
    }
}

TEST(debug_point, writes_what_qdebug_writes)
{
    for (int x = -600; x <= 600; ++x) {
        QPoint const point(x, 255 - x);
        ASSERT_EQ(debug_point(point), qt_debug(point));
        QPointF const unit = QPointF(point) / 255.0;
        ASSERT_EQ(debug_point(unit), qt_debug(unit));
    }
    std::mt19937 random(1210);
    std::uniform_real_distribution<double> coordinate(-1e7, 1e7);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int n = 0; n < 5000; ++n) {
        QPointF const point(coordinate(random) * std::pow(10.0, exponent(random)), coordinate(random) / 1e9);
        ASSERT_EQ(debug_point(point), qt_debug(point));
    }
    // Seven-digit values ending in 5, exact (halves and quarters) or not.
    std::uniform_int_distribution<int> six_digits(100000, 999999);
    for (int n = 0; n < 5000; ++n) {
        double const halfway = (six_digits(random) * 10 + 5) * std::pow(10.0, exponent(random) / 2);
        double const half = six_digits(random) + 0.5;
        double const quarter = six_digits(random) / 10 + (2 * (n % 2) + 1) / 4.0;
        for (double value : {halfway, half, quarter})
            ASSERT_EQ(debug_point(QPointF(value, -value)), qt_debug(QPointF(value, -value)));
    }
    for (double special : {0.0, -0.0, 1e-5, 123456.5, 1234565.0, 0.5, 2.5, 0.0001234565, 9.999995, 1e100, -1e-100,
                           std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(debug_point(QPointF(special, -special)), qt_debug(QPointF(special, -special)));
    }
    QPoint const extremes(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    EXPECT_EQ(debug_point(extremes), qt_debug(extremes));
}

TEST(debug_map, writes_what_qdebug_writes)
{
    QMap<QString, QString> map;
    EXPECT_EQ(debug_map(map), qt_debug(map));
    map.insert(QStringLiteral("Exposure2012"), QStringLiteral("+0.40"));
    map.insert(QStringLiteral("Copyright"), QStringLiteral("\"Warm\"\t\u00e9"));
    map.insert(QString(), QString());
    EXPECT_EQ(debug_map(map), qt_debug(map));
}
