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

// How much of `piece`, which goes on with `line`, the view shows; moves the
// line's run on to the end of that part. A chunk may end inside a run, so the
// run goes on over the start of the piece.
int shown_length(QStringView piece, log_view_line& line)
{
    const int room = int(std::min<qsizetype>(piece.size(), longest_shown_line - line.length));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, piece.data(), room);
    int run_start = -line.run;
    for (int point = finder.toNextBoundary(); point > 0 && point < room; point = finder.toNextBoundary()) {
        if (point - run_start > longest_shown_run)
            break;
        run_start = point;
    }
    const int shown = std::min(room, run_start + longest_shown_run);
    line.run = shown - run_start;
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
    line.hidden += int(piece.size());
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
