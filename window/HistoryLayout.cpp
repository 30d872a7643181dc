// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/HistoryLayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace ferrolin {

namespace {

// Paragraphs either side of those drawn last whose layouts stay, so that scrolling by a few lines
// lays nothing out again.
constexpr int kKeptAroundDrawn = 16;

// The lines of a paragraph not yet laid out: one, and one more after each line break.
int UnwrappedLines(const QTextBlock& paragraph)
{
    if (paragraph.length() <= 1)
        return 1;
    return 1 + static_cast<int>(paragraph.text().count(QChar::LineSeparator));
}

}  // namespace

HistoryLayout::HistoryLayout(QTextDocument* document) : QAbstractTextDocumentLayout(document) {}

qreal HistoryLayout::lineHeight() const
{
    // As Qt's own layout measures a line: ascent, descent and any positive leading, rounded up.
    const QFontMetricsF metrics(document()->defaultFont(), paintDevice());
    return std::ceil(metrics.ascent() + metrics.descent() + std::max<qreal>(0, metrics.leading()));
}

qreal HistoryLayout::textWidth() const
{
    return document()->pageSize().width() - 2 * document()->documentMargin();
}

qreal HistoryLayout::blockTop(const QTextBlock& block) const
{
    return document()->documentMargin() + block.firstLineNumber() * lineHeight();
}

QSizeF HistoryLayout::documentSize() const
{
    const qreal margin = document()->documentMargin();
    return {std::max<qreal>(0, document()->pageSize().width()), 2 * margin + document()->lineCount() * lineHeight()};
}

QRectF HistoryLayout::frameBoundingRect(QTextFrame* frame) const
{
    if (frame != document()->rootFrame())
        return {};
    return {QPointF(), documentSize()};
}

bool HistoryLayout::layOut(const QTextBlock& block) const
{
    QTextLayout* layout = block.layout();
    if (layout->lineCount() == 0) {
        const qreal width = textWidth();
        QTextOption option = document()->defaultTextOption();
        if (width <= 0)
            option.setWrapMode(QTextOption::NoWrap);
        layout->setTextOption(option);
        const qreal height = lineHeight();
        qreal y = 0;
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLeadingIncluded(true);
            if (width > 0)
                line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += height;
        }
        layout->endLayout();
        laidOut_.push_back(block.blockNumber());
        if (laidOut_.size() > kLayoutsFreedAtOnce) {
            freeLayoutsOutOfSight(kNewestKept);
        } else if (laidOut_.size() > kLayoutsBeforeFreeing && !freeingPending_) {
            freeingPending_ = true;
            // Preferably not now: whoever asked for this layout may be holding others.
            QMetaObject::invokeMethod(const_cast<HistoryLayout*>(this), [this] { freeLayoutsOutOfSight(0); }, Qt::QueuedConnection);
        }
    }
    layout->setPosition(QPointF(document()->documentMargin(), blockTop(block)));
    const int lines = std::max(1, layout->lineCount());
    if (lines == block.lineCount())
        return false;
    QTextBlock(block).setLineCount(lines);
    layout->setPosition(QPointF(document()->documentMargin(), blockTop(block)));
    reportSize();
    return true;
}

void HistoryLayout::reportSize() const
{
    // Called while drawing or answering a question: the scroll bars learn of it afterwards.
    if (sizeReportPending_)
        return;
    sizeReportPending_ = true;
    auto* self = const_cast<HistoryLayout*>(this);
    QMetaObject::invokeMethod(
        self,
        [self] {
            self->sizeReportPending_ = false;
            const QSizeF size = self->documentSize();
            if (size != self->reportedSize_) {
                self->reportedSize_ = size;
                emit self->documentSizeChanged(size);
            }
            emit self->update(QRectF(0, 0, 1e9, 1e9));
        },
        Qt::QueuedConnection);
}

void HistoryLayout::freeLayoutsOutOfSight(std::size_t newest) const
{
    freeingPending_ = false;
    std::vector<int> newestLaidOut(laidOut_.end() - static_cast<std::ptrdiff_t>(std::min(newest, laidOut_.size())), laidOut_.end());
    std::sort(newestLaidOut.begin(), newestLaidOut.end());
    std::sort(laidOut_.begin(), laidOut_.end());
    laidOut_.erase(std::unique(laidOut_.begin(), laidOut_.end()), laidOut_.end());
    std::vector<int> kept;
    for (const int number : laidOut_) {
        if ((number >= drawnFirst_ - kKeptAroundDrawn && number <= drawnLast_ + kKeptAroundDrawn) ||
            std::binary_search(newestLaidOut.begin(), newestLaidOut.end(), number)) {
            kept.push_back(number);
            continue;
        }
        const QTextBlock block = document()->findBlockByNumber(number);
        // New text frees the glyphs and keeps the paragraph's own text: a block's layout reads
        // its text from the block. Its line count stays, right for the same width.
        if (block.isValid())
            block.layout()->setText(QString());
    }
    laidOut_ = std::move(kept);
}

QRectF HistoryLayout::blockBoundingRect(const QTextBlock& block) const
{
    if (!block.isValid() || block.document() != document())
        return {};
    layOut(block);
    const QTextLayout* layout = block.layout();
    return {layout->position(), QSizeF(std::max<qreal>(0, textWidth()), layout->lineCount() * lineHeight())};
}

void HistoryLayout::draw(QPainter* painter, const PaintContext& context)
{
    QTextDocument* doc = document();
    const qreal height = lineHeight();
    const qreal margin = doc->documentMargin();
    const QRectF clip = context.clip.isValid() ? context.clip : QRectF(QPointF(), documentSize());
    const int firstLine = std::max(0, static_cast<int>((clip.top() - margin) / height));

    painter->save();
    painter->setPen(context.palette.color(QPalette::Text));
    QTextBlock block = doc->findBlockByLineNumber(firstLine);
    drawnFirst_ = block.isValid() ? block.blockNumber() : 0;
    drawnLast_ = drawnFirst_ - 1;
    for (; block.isValid(); block = block.next()) {
        if (blockTop(block) > clip.bottom())
            break;
        ++drawnLast_;
        layOut(block);
        QTextLayout* layout = block.layout();
        const int start = block.position();
        const int length = block.length();
        QList<QTextLayout::FormatRange> selections;
        for (const Selection& selection : context.selections) {
            const int from = std::max(selection.cursor.selectionStart() - start, 0);
            const int to = std::min(selection.cursor.selectionEnd() - start, length);
            if (to > from)
                selections << QTextLayout::FormatRange{from, to - from, selection.format};
        }
        layout->draw(painter, QPointF(), selections, clip);
        if (context.cursorPosition >= start && context.cursorPosition < start + length)
            layout->drawCursor(painter, QPointF(), context.cursorPosition - start, cursorWidth_);
    }
    painter->restore();
}

int HistoryLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const
{
    QTextDocument* doc = document();
    const qreal height = lineHeight();
    const qreal margin = doc->documentMargin();
    const int lines = doc->lineCount();
    const int lineNumber = std::clamp(static_cast<int>(std::floor((point.y() - margin) / height)), 0, lines - 1);
    QTextBlock block = doc->findBlockByLineNumber(lineNumber);
    if (!block.isValid())
        block = doc->lastBlock();
    layOut(block);
    const QTextLayout* layout = block.layout();
    const int inBlock = std::clamp(lineNumber - block.firstLineNumber(), 0, layout->lineCount() - 1);
    const QTextLine line = layout->lineAt(inBlock);
    const qreal x = point.x() - layout->position().x();
    if (accuracy == Qt::ExactHit) {
        const qreal y = point.y() - layout->position().y();
        if (x < line.x() || x > line.x() + line.naturalTextWidth() || y < line.y() || y > line.y() + height)
            return -1;
    }
    return block.position() + line.xToCursor(x);
}

void HistoryLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    QTextDocument* doc = document();
    if (charsRemoved > 0)
        laidOut_.clear();  // the numbers may no longer name the same paragraphs
    // A removal changes only the block it happened in; an insertion every block it reaches.
    const QTextBlock last = doc->findBlock(std::max(from, from + charsAdded - 1));
    for (QTextBlock block = doc->findBlock(from); block.isValid(); block = block.next()) {
        block.clearLayout();
        block.setLineCount(UnwrappedLines(block));
        if (block == last)
            break;
    }
    const QSizeF size = documentSize();
    if (size != reportedSize_) {
        reportedSize_ = size;
        emit documentSizeChanged(size);
    }
    emit update(QRectF(0, 0, 1e9, 1e9));
}

void UseHistoryLayout(QTextEdit& history)
{
    QTextDocument* document = history.document();
    auto* layout = new HistoryLayout(document);
    layout->setPaintDevice(history.viewport());
    document->setDocumentLayout(layout);
}

}  // namespace ferrolin
