#pragma once
// The results history as text: the lines a document holds, and the text that fills a document
// with many lines quickly.
#include <QStringList>

#include "formats/PlainTextLines.h"

class QTextDocument;

namespace ferrolin {

// Qt spends about 3 µs on every paragraph it inserts, so a 100,000-line file would take a third
// of a second to show as one paragraph per line. Files longer than kLinesGroupedFrom lines are
// therefore shown with their lines in groups of kLoadedLinesPerParagraph to a paragraph, split by
// line breaks: a fraction of the time, and the lines look, copy, save and print as before, and
// screen readers still move by line. Shorter files keep one paragraph per line, as appended
// lines always have. The history box lays out only the paragraphs it shows (HistoryLayout), so
// a larger group costs nothing on screen: 32 lines fill a million-line history in a third of
// the time 8 took.
inline constexpr int kLinesGroupedFrom = 2048;
inline constexpr int kLoadedLinesPerParagraph = 32;

// The text for QTextEdit::setPlainText that shows `lines`, one per visual line.
QString LoadedHistoryText(const QStringList& lines);
// The same for a file's history, made in place in its text.
QString LoadedHistoryText(HistoryText&& history);

// Every line of the history: each paragraph, split at its line breaks. Empty history, no lines.
QStringList HistoryLines(const QTextDocument& history);

}  // namespace ferrolin
