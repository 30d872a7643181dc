// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ResultsHistory.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <vector>

#include "window/HistoryLayout.h"
#include "window/ScreenReaderAnnouncer.h"

namespace ferrolin {

namespace {

// The text for QTextEdit::setPlainText that shows a history, and the paragraphs in it that
// continue a long line.
struct ShownText {
    QString text;
    std::vector<int> pieces;
};

bool HasLongLine(const QString& joined)
{
    qsizetype start = 0;
    for (qsizetype at = joined.indexOf(u'\n'); at >= 0; at = joined.indexOf(u'\n', start)) {
        if (at - start > kLongestShownPiece)
            return true;
        start = at + 1;
    }
    return joined.size() - start > kLongestShownPiece;
}

// Where a piece of `rest` may end: never between the two halves of a character.
qsizetype PieceLength(QStringView rest)
{
    qsizetype cut = kLongestShownPiece;
    if (rest[cut - 1].isHighSurrogate() && rest[cut].isLowSurrogate())
        --cut;
    return cut;
}

// `joined` holds the history's lines joined by '\n'. Long histories get their lines grouped
// (see kLinesGroupedFrom), long lines are cut into pieces (see kLongestShownPiece).
ShownText Shown(QString&& joined, qsizetype lineCount)
{
    const bool grouped = lineCount >= kLinesGroupedFrom;
    if (!HasLongLine(joined)) {
        if (grouped) {
            QChar* chars = joined.data();
            qsizetype line = 0;
            for (qsizetype i = 0; i < joined.size(); ++i) {
                if (chars[i] == u'\n' && ++line % kLoadedLinesPerParagraph != 0)
                    chars[i] = QChar::LineSeparator;
            }
        }
        return {std::move(joined), {}};
    }
    ShownText shown;
    shown.text.reserve(joined.size() + joined.size() / kLongestShownPiece + 1);
    int paragraph = 0;
    qsizetype line = 0;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= joined.size(); ++at) {
        if (at < joined.size() && joined[at] != u'\n')
            continue;
        if (line > 0) {
            const bool newParagraph = !grouped || line % kLoadedLinesPerParagraph == 0;
            shown.text += newParagraph ? QChar(u'\n') : QChar(QChar::LineSeparator);
            paragraph += newParagraph;
        }
        QStringView rest = QStringView(joined).sliced(start, at - start);
        while (rest.size() > kLongestShownPiece) {
            const qsizetype cut = PieceLength(rest);
            shown.text += rest.first(cut);
            shown.text += u'\n';
            shown.pieces.push_back(++paragraph);
            rest = rest.sliced(cut);
        }
        shown.text += rest;
        ++line;
        start = at + 1;
    }
    return shown;
}

}  // namespace

ResultsHistory::ResultsHistory(QTextEdit& box, ScreenReaderAnnouncer& announcer) : box_(box), announcer_(announcer)
{
    // A history of a million lines must open, scroll and answer screen readers at once.
    UseHistoryLayout(box_);
}

void ResultsHistory::Append(const QString& line)
{
    // Only the last paragraph is laid out again; the history may hold many thousands of lines.
    QTextDocument* history = box_.document();
    QTextCursor cursor(history);
    cursor.movePosition(QTextCursor::End);
    const bool long_ = line.size() > kLongestShownPiece;
    cursor.beginEditBlock();  // the layout hears of the line, and all its pieces, at once
    if (JoinsLastParagraph(line))
        cursor.insertText(QString(QChar::LineSeparator));
    else if (!history->isEmpty())
        cursor.insertBlock();
    const int position = cursor.position();
    const int firstPiece = cursor.blockNumber() + 1;
    QStringView rest(line);
    while (rest.size() > kLongestShownPiece) {
        const qsizetype cut = PieceLength(rest);
        cursor.insertText(rest.first(cut).toString());
        cursor.insertBlock();
        rest = rest.sliced(cut);
    }
    cursor.insertText(rest.toString());
    cursor.endEditBlock();
    if (long_)
        MarkPieces(firstPiece);

    box_.setTextCursor(cursor);
    box_.ensureCursorVisible();

    QAccessibleTextInsertEvent inserted(&box_, position, long_ ? TextBetween(*history, position, cursor.position()) : line);
    QAccessible::updateAccessibility(&inserted);
    // The history box has no focus, so a screen reader ignores its text event: say it aloud.
    announcer_.Announce(line);
}

bool ResultsHistory::JoinsLastParagraph(const QString& line) const
{
    const QTextDocument& history = *box_.document();
    if (history.isEmpty())
        return false;
    const QTextBlock last = history.lastBlock();
    if (last.length() + line.size() > kLongestAppendedParagraph)
        return false;
    return last.text().count(QChar::LineSeparator) + 1 < kAppendedLinesPerParagraph;
}

void ResultsHistory::Load(const QStringList& lines)
{
    Show(lines.join(QLatin1Char('\n')), lines.size());
}

void ResultsHistory::Load(HistoryText&& file)
{
    Show(std::move(file.text), file.lineCount);
}

void ResultsHistory::Show(QString&& joined, qsizetype lineCount)
{
    ShownText shown = Shown(std::move(joined), lineCount);
    box_.setPlainText(shown.text);
    hasPieces_ = !shown.pieces.empty();
    if (!hasPieces_)
        return;
    int number = shown.pieces.front();
    QTextBlock block = box_.document()->findBlockByNumber(number);
    for (const int piece : shown.pieces) {
        for (; number < piece; ++number)
            block = block.next();
        block.setUserState(kContinuesLine);
    }
}

void ResultsHistory::MarkPieces(int from)
{
    hasPieces_ = true;
    for (QTextBlock block = box_.document()->findBlockByNumber(from); block.isValid(); block = block.next())
        block.setUserState(kContinuesLine);
}

void ResultsHistory::Clear()
{
    box_.clear();
    hasPieces_ = false;
}

bool ResultsHistory::IsEmpty() const
{
    return box_.document()->isEmpty();
}

QStringList ResultsHistory::Lines() const
{
    const QTextDocument& history = *box_.document();
    QStringList lines;
    if (history.isEmpty())
        return lines;
    // The whole text at once: paragraphs joined by paragraph separators, grouped lines by line
    // separators. Asking each paragraph for its text looks its place up again every time, which
    // was a third of a long history's Save.
    QString text = history.toRawText();
    if (hasPieces_) {
        // The pieces of a long line join again: out with the separators before them.
        QTextBlock next = history.begin().next();
        qsizetype kept = 0;
        for (qsizetype at = 0; at < text.size(); ++at) {
            const QChar character = text[at];
            if (character == QChar::ParagraphSeparator) {
                const bool continues = next.userState() == kContinuesLine;
                next = next.next();
                if (continues)
                    continue;
            }
            text[kept++] = character;
        }
        text.truncate(kept);
    }
    lines.reserve(history.lineCount());  // a line each, and some for lines wrapped on screen
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar character = text[at];
        if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator) {
            lines << text.mid(start, at - start);
            start = at + 1;
        }
    }
    lines << text.mid(start);
    return lines;
}

QString ResultsHistory::FontFamily() const
{
    return box_.document()->defaultFont().family();
}

const QTextDocument& ResultsHistory::Printable() const
{
    return *box_.document();
}

QString ResultsHistory::TextBetween(const QTextDocument& document, int from, int to)
{
    QString text;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to; block = block.next()) {
        if (block.position() > from && block.userState() != kContinuesLine)
            text += u'\n';
        const int start = std::max(from - block.position(), 0);
        const int end = std::min(to - block.position(), block.length() - 1);
        text += QStringView(block.text()).sliced(start, std::max(end - start, 0));
    }
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

}  // namespace ferrolin
