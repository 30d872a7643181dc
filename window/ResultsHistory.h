// SPDX-License-Identifier: GPL-3.0-or-later
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
// screen readers still move by line. Shorter files keep one paragraph per line. The history box
// lays out only the paragraphs it shows (HistoryLayout), so a larger group costs nothing on
// screen: 32 lines fill a million-line history in a third of the time 8 took.
inline constexpr int kLinesGroupedFrom = 2048;
inline constexpr int kLoadedLinesPerParagraph = 32;

// A paragraph of its own cost every appended line some 700 bytes, several times its text. An
// appended line therefore joins the last paragraph, after a line break, while that paragraph
// holds fewer than kAppendedLinesPerParagraph lines and, with it, at most
// kLongestAppendedParagraph characters. That paragraph is laid out again at every new line, so
// it stays short: 8 lines cost a few bytes a line more than 32 and halve Enter's time.
inline constexpr int kAppendedLinesPerParagraph = 8;
inline constexpr int kLongestAppendedParagraph = 2048;

// Laying out a paragraph takes time that grows with the square of its longest run without a
// break opportunity ("1+1+1+..."): a 300 KB line froze the window for seconds at every paint.
// A line longer than this is therefore shown as pieces of this length, each a paragraph of its
// own marked as continuing the line before (kContinuesLine), and only the pieces on screen are
// ever laid out. Save, copy and the line count read the pieces as the one line they are.
inline constexpr qsizetype kLongestShownPiece = 1024;
inline constexpr int kContinuesLine = 1;  // QTextBlock::userState of a piece after the first

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
    // The history as shown, for printing; a long line is printed wrapped, as it is shown.
    const QTextDocument& Printable() const;

    // The history text between two positions of the box's document, pieces of a long line joined.
    static QString TextBetween(const QTextDocument& document, int from, int to);

private:
    // Shows a history whose lines `joined` holds, split by '\n'.
    void Show(QString&& joined, qsizetype lineCount);
    // Marks the paragraphs from `from` to the end as pieces that continue a line.
    void MarkPieces(int from);
    // Whether `line` joins the last paragraph rather than starting one.
    bool JoinsLastParagraph(const QString& line) const;

    QTextEdit& box_;
    ScreenReaderAnnouncer& announcer_;
    bool hasPieces_ = false;  // some line is shown as pieces
};

}  // namespace ferrolin
