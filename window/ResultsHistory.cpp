#include "window/ResultsHistory.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "window/HistoryLayout.h"
#include "window/ScreenReaderAnnouncer.h"

namespace ferrolin {

namespace {

// The text for QTextEdit::setPlainText that shows `lines`, one per visual line.
QString LoadedHistoryText(const QStringList& lines)
{
    if (lines.size() < kLinesGroupedFrom)
        return lines.join(QLatin1Char('\n'));
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 1;
    QString text;
    text.reserve(size);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += i % kLoadedLinesPerParagraph == 0 ? QChar(u'\n') : QChar(QChar::LineSeparator);
        text += lines[i];
    }
    return text;
}

// The same for a file's history, made in place in its text.
QString LoadedHistoryText(HistoryText&& history)
{
    QString text = std::move(history.text);
    if (history.lineCount < kLinesGroupedFrom)
        return text;
    QChar* chars = text.data();
    qsizetype line = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (chars[i] != u'\n')
            continue;
        if (++line % kLoadedLinesPerParagraph != 0)
            chars[i] = QChar::LineSeparator;
    }
    return text;
}

}  // namespace

ResultsHistory::ResultsHistory(QTextEdit& box, ScreenReaderAnnouncer& announcer) : box_(box), announcer_(announcer)
{
    // A history of a million lines must open, scroll and answer screen readers at once.
    UseHistoryLayout(box_);
}

void ResultsHistory::Append(const QString& line)
{
    // Only the new block is laid out; the history may hold many thousands of lines.
    QTextDocument* history = box_.document();
    QTextCursor cursor(history);
    cursor.movePosition(QTextCursor::End);
    if (!history->isEmpty())
        cursor.insertBlock();
    const int position = cursor.position();
    cursor.insertText(line);

    box_.setTextCursor(cursor);
    box_.ensureCursorVisible();

    QAccessibleTextInsertEvent inserted(&box_, position, line);
    QAccessible::updateAccessibility(&inserted);
    // The history box has no focus, so a screen reader ignores its text event: say it aloud.
    announcer_.Announce(line);
}

void ResultsHistory::Load(const QStringList& lines)
{
    box_.setPlainText(LoadedHistoryText(lines));
}

void ResultsHistory::Load(HistoryText&& file)
{
    box_.setPlainText(LoadedHistoryText(std::move(file)));
}

void ResultsHistory::Clear()
{
    box_.clear();
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
    const QString text = history.toRawText();
    lines.reserve(history.blockCount());
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

int ResultsHistory::LinesIn(const QTextBlock& paragraph)
{
    if (paragraph.length() <= 1)
        return 1;
    return 1 + static_cast<int>(paragraph.text().count(QChar::LineSeparator));
}

}  // namespace ferrolin
