#include "window/HistoryDocument.h"

#include <QTextBlock>
#include <QTextDocument>

namespace ferrolin {

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

QStringList HistoryLines(const QTextDocument& history)
{
    QStringList lines;
    if (history.isEmpty())
        return lines;
    lines.reserve(history.blockCount());
    for (QTextBlock block = history.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (!text.contains(QChar::LineSeparator))
            lines << text;
        else
            lines << text.split(QChar::LineSeparator);
    }
    return lines;
}

}  // namespace ferrolin
