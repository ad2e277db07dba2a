#include "conversion/lightroom_importer.h"

#include "conversion/debug_text.h"
#include "conversion/lrparser.h"
#include "conversion/lrtoken.h"

#include <QDebug>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {

struct dot_notation_line {
    QString key;
    QString value;
};

dot_notation_line split_dot_notation_line(QString line)
{
    static QRegularExpression const table_prefix(QStringLiteral("^\\s+s\\."));
    static QRegularExpression const value_prefix(QStringLiteral("^value\\."));
    static QRegularExpression const settings_prefix(QStringLiteral("^settings\\."));
    line.remove(table_prefix).remove(value_prefix).remove(settings_prefix);

    int const first = line.indexOf(QLatin1Char('='));
    if (first < 0)
        return {line.trimmed(), QString()};
    int const second = line.indexOf(QLatin1Char('='), first + 1);
    int const length = second < 0 ? -1 : second - first - 1;
    return {line.left(first).trimmed(), line.mid(first + 1, length).trimmed()};
}

bool is_curve_element(QString const& key)
{
    return key.startsWith(QLatin1String("ToneCurve")) && !key.startsWith(QLatin1String("ToneCurveName"));
}

int curve_element_index(QString const& key)
{
    static QRegularExpression const index_pattern(QStringLiteral("\\[(\\d+)\\]"));
    QRegularExpressionMatch const match = index_pattern.match(key);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QVector<QPoint>& curve_for_element(lightroom_importer& importer, QString const& key)
{
    if (key.contains(QLatin1String("Red")))
        return importer.tone_curve_red;
    if (key.contains(QLatin1String("Green")))
        return importer.tone_curve_green;
    if (key.contains(QLatin1String("Blue")))
        return importer.tone_curve_blue;
    return importer.tone_curve;
}

} // namespace

void lightroom_importer::read_lrpreset(QString const& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QTextStream stream(&file);
    // Templates are UTF-8 unless a byte-order mark says otherwise, whatever
    // the locale of the machine.
    stream.setCodec("UTF-8");
    QString const text = stream.readAll();

    if (text.contains(QLatin1String("s.value.settings = {}")))
        read_dot_notation_lrpreset(text);
    else
        read_regular_lrpreset(text);
    name = settings.value(QStringLiteral("title"));
}

void lightroom_importer::read_dot_notation_lrpreset(QString const& text)
{
    int pending_x = 0;
    for (QString const& line : text.split(QLatin1Char('\n'))) {
        dot_notation_line const entry = split_dot_notation_line(line);
        qCDebug(conversion::default_log, "'%s' -> '%s'", entry.key.toUtf8().constData(),
                entry.value.toUtf8().constData());
        if (entry.value == QLatin1String("{}"))
            continue;
        if (!is_curve_element(entry.key)) {
            settings.insert(entry.key, entry.value);
            continue;
        }
        int const v = entry.value.toInt();
        if (curve_element_index(entry.key) % 2 != 0)
            pending_x = v;
        else
            curve_for_element(*this, entry.key).append(QPoint(pending_x, v));
    }
}

void lightroom_importer::read_regular_lrpreset(QString const& text)
{
    lrparser parser(conversion::split_into_tokens(text));
    parser.read_object(*this, true);
    parser.expect(token_type::eof);
}
