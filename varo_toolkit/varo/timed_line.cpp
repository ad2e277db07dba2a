#include "varo/timed_line.h"

#include <QLocale>

#include <chrono>
#include <cstring>
#include <ctime>

namespace varo {

const char* const timed_message_pattern = "%{time hh:mm:ss.zzz} %{if-category}%{category}: %{endif}%{message}";

namespace {

void append_digits(std::string& text, long long value, int count)
{
    char digits[8];
    for (int n = count - 1; n >= 0; --n) {
        digits[n] = char('0' + value % 10);
        value /= 10;
    }
    text.append(digits, std::size_t(count));
}

void write_digits(char* text, int value)
{
    text[0] = char('0' + value / 10);
    text[1] = char('0' + value % 10);
}

// "hh:mm:ss." of the local time, as Qt's clock reads it (the real-time clock
// in whole milliseconds) and converts it (the time zone read anew, as Qt's
// tzset does); kept per thread until the second changes. Plain characters,
// so that lines logged while the program's statics are destroyed find it
// intact.
struct second_text {
    long long second = -1;
    char text[9] = {};

    void update(long long now)
    {
        if (now == second)
            return;
        second = now;
        std::time_t const time = std::time_t(now);
        std::tm local{};
        tzset();
        localtime_r(&time, &local);
        write_digits(text, local.tm_hour);
        text[2] = ':';
        write_digits(text + 3, local.tm_min);
        text[5] = ':';
        write_digits(text + 6, local.tm_sec);
        text[8] = '.';
    }
};

bool is_default_category(const char* category)
{
    return !category || std::strcmp(category, "default") == 0;
}

}

bool can_format_timed_lines()
{
    return QLocale::system().zeroDigit() == QLatin1Char('0');
}

void append_timed_line(std::string& line, const QMessageLogContext& context, const QString& message)
{
    thread_local second_text clock;
    long long const milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    clock.update(milliseconds / 1000);
    line.append(clock.text, sizeof clock.text);
    append_digits(line, milliseconds % 1000, 3);
    line += ' ';
    if (!is_default_category(context.category)) {
        line += QString::fromLatin1(context.category).toUtf8().constData();
        line += ": ";
    }
    QByteArray const text = message.toUtf8();
    line.append(text.constData(), std::strlen(text.constData()));
}

}
