#pragma once
// The results history: the read-only box of "expression= value" lines under the keypad. Every
// other part of the window reaches the history through this class, never through the box's
// document: how lines are stored in the document (see kLinesGroupedFrom) is its own business.
#include <QString>
#include <QStringList>

#include "formats/PlainTextLines.h"

class QTextBlock;
class QTextDocument;
class QTextEdit;

namespace ferrolin {

class ScreenReaderAnnouncer;

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

class ResultsHistory {
public:
    // `box` shows the history; `announcer` tells screen readers of each appended line. Both
    // outlive the history. The box gets the history's own layout.
    ResultsHistory(QTextEdit& box, ScreenReaderAnnouncer& announcer);
    ResultsHistory(const ResultsHistory&) = delete;
    ResultsHistory& operator=(const ResultsHistory&) = delete;

    // Adds `line` at the end, scrolls to it and has it announced to screen readers.
    void Append(const QString& line);
    // Replaces the whole history: with `lines`, or with a results file's history.
    void Load(const QStringList& lines);
    void Load(HistoryText&& file);
    void Clear();

    bool IsEmpty() const;
    // Every line, in order; none for an empty history. What Save writes.
    QStringList Lines() const;
    // The family of the font the history is shown in; Save names it in the file.
    QString FontFamily() const;
    // The history as shown, for printing: its plain text (QTextDocument::toPlainText) has one
    // line per history line.
    const QTextDocument& Printable() const;

    // How many history lines `paragraph` of the box's document holds, before it is laid out.
    static int LinesIn(const QTextBlock& paragraph);

private:
    QTextEdit& box_;
    ScreenReaderAnnouncer& announcer_;
};

}  // namespace ferrolin
