#include "varo/log_line_cap.h"

#include <QCoreApplication>
#include <QStringView>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace varo {

namespace {

// The note that ends a line of which `hidden` characters are left out, in the
// context of the window that shows it.
QString hidden_characters_note(int hidden)
{
    if (hidden == 1)
        return QCoreApplication::translate("varo::application_log", "... (1 more character not shown)");
    return QCoreApplication::translate("varo::application_log", "... (%n more characters not shown)", nullptr, hidden);
}

// Code points, as a reader counts them: a surrogate pair is one.
int characters(QStringView text)
{
    int count = int(text.size());
    for (qsizetype i = 1; i < text.size(); ++i)
        if (text[i].isLowSurrogate() && text[i - 1].isHighSurrogate())
            --count;
    return count;
}

// Where `scanned` ends to be shown: at its end, or where a run without a
// break point first passes the limit. Sets `run_start` to the last break
// point before that. A break point where `scanned` ends depends on what
// follows, so it is not one yet.
int shown_end(const QString& scanned, int& run_start)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, scanned);
    run_start = 0;
    for (int point = finder.toNextBoundary(); point > 0 && point < scanned.size(); point = finder.toNextBoundary()) {
        if (point - run_start > longest_shown_run)
            break;
        run_start = point;
    }
    return std::min(int(scanned.size()), run_start + longest_shown_run);
}

// How much of `piece`, which goes on with `line`, the view shows; moves the
// line's run on to the end of that part. The run so far is scanned again
// with the piece, so a break point where the last chunk ended is found.
int shown_length(QStringView piece, log_view_line& line)
{
    const int room = int(std::min<qsizetype>(piece.size(), longest_shown_line - line.length));
    const QString scanned = line.run + piece.left(room).toString();
    int run_start = 0;
    int shown = shown_end(scanned, run_start) - int(line.run.size());
    if (shown > 0 && shown < piece.size() && piece[shown - 1].isHighSurrogate() && piece[shown].isLowSurrogate())
        --shown;
    line.run = scanned.mid(run_start, int(line.run.size()) + shown - run_start);
    return shown;
}

// Appends what the view shows of `piece`, a line or the part of one in a
// chunk, which goes on with `line`.
void append_piece(QString& text, QStringView piece, log_view_line& line)
{
    if (line.hidden == 0) {
        const int shown = shown_length(piece, line);
        text.append(piece.data(), shown);
        line.length += shown;
        if (shown == piece.size())
            return;
        piece = piece.mid(shown);
    }
    line.length += int(piece.size());
    line.hidden += characters(piece);
    text += hidden_characters_note(line.hidden);
}

}

capped_chunk cap_log_chunk(const QString& chunk, log_view_line& line)
{
    capped_chunk capped;
    if (line.hidden > 0)
        capped.replaced = hidden_characters_note(line.hidden).size();
    for (int start = 0;;) {
        const int end = chunk.indexOf(QLatin1Char('\n'), start);
        append_piece(capped.text, QStringView(chunk).mid(start, (end < 0 ? chunk.size() : end) - start), line);
        if (end < 0)
            return capped;
        capped.text += QLatin1Char('\n');
        line = log_view_line();
        start = end + 1;
    }
}

}
