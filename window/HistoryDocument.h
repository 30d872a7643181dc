#pragma once
// The results history as text: the lines a document holds, and the text that fills a document
// with many lines quickly.
#include <QStringList>

class QTextDocument;

namespace ferrolin {

// Lines loaded from a file share a paragraph in groups of this many, separated by line breaks.
// Qt spends about 3 µs on every paragraph it inserts, so a 100,000-line file would take a third
// of a second as one paragraph per line; grouped it takes a tenth of that, and the lines look,
// copy, save and print exactly as before.
inline constexpr int kLoadedLinesPerParagraph = 8;

// The text for QTextEdit::setPlainText that shows `lines`, one per visual line.
QString LoadedHistoryText(const QStringList& lines);

// Every line of the history: each paragraph, split at its line breaks. Empty history, no lines.
QStringList HistoryLines(const QTextDocument& history);

}  // namespace ferrolin
