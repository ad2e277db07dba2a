#pragma once

#include <QString>

namespace varo {

// A text view wraps a run without a break point in time that grows with the
// square of its length (320,000 characters of one kind took 38 s), any other
// line in time that grows with its length (2 MB of base64 text 1.6 s). A line
// of the longest length in runs of the longest run lays out in about 4 s, and
// the longest run in 4 MB of base64 text is under 1,000 characters.
constexpr int longest_shown_run = 2000;
constexpr int longest_shown_line = 1 << 22;

// How far the last line of a log view has come; the line may go on in the
// next chunk.
struct log_view_line {
    int length = 0; // UTF-16 units of the line so far, shown or not
    QString run;    // the shown text since its last break point; whether its end is one depends on what follows
    int hidden = 0; // characters left out of the view: it ends with their note
};

// What a log view shows of a chunk of log text.
struct capped_chunk {
    int replaced = 0; // characters at the end of the view to replace: the note of a cut line that goes on
    QString text;
};

// The view's text of `chunk`, which goes on with `line`: every line of it cut
// between two characters where it first passes one of the limits, with a
// note of the characters left out. How a line is split into chunks of whole
// characters changes nothing of what is shown. Moves `line` on to the end of
// the chunk.
capped_chunk cap_log_chunk(const QString& chunk, log_view_line& line);

}
