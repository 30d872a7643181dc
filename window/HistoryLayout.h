// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results history's own text layout: every line the same height, and a paragraph laid out
// only when it is drawn, hit or asked about.
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <vector>

class QTextEdit;

namespace ferrolin {

// Qt's standard document layout lays out every paragraph of a document, in steps from a timer
// on the GUI thread, and anything that needs the document's height, the caret's place near the
// end or a screen reader's view of a late line waits for all of it: with a million history lines
// that froze the window for many minutes. This layout gives each line a fixed height, so a
// paragraph's place follows from the number of lines above it (which the document keeps summed
// for every block) and only the paragraphs actually shown or asked about are ever laid out.
// A paragraph not yet laid out counts as one line per line break; once laid out it counts the
// lines it wraps into, and the document grows by the difference.
//
// A laid-out paragraph holds its glyphs, a kilobyte or more, for as long as it lives, and every
// paragraph that was ever shown, scrolled past or made visible for a new line would keep them:
// more than the text itself costs. The layouts of paragraphs far from the last drawn ones are
// therefore freed now and then, from the event loop, and laid out again when needed.
class HistoryLayout : public QAbstractTextDocumentLayout {
    Q_OBJECT
    Q_PROPERTY(int cursorWidth READ cursorWidth WRITE setCursorWidth)
public:
    explicit HistoryLayout(QTextDocument* document);

    void draw(QPainter* painter, const PaintContext& context) override;
    int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame* frame) const override;
    QRectF blockBoundingRect(const QTextBlock& block) const override;

    int cursorWidth() const { return cursorWidth_; }
    void setCursorWidth(int width) { cursorWidth_ = width; }

    // The height every line is given.
    qreal lineHeight() const;

    // Paragraphs laid out before the layouts of those far from sight are freed: a few screens.
    static constexpr std::size_t kLayoutsBeforeFreeing = 128;
    // Paragraphs laid out before they are freed at once, when the event loop has not run for so
    // long (lines appended in a loop), bar the newest kNewestKept.
    static constexpr std::size_t kLayoutsFreedAtOnce = 4 * kLayoutsBeforeFreeing;
    static constexpr std::size_t kNewestKept = 32;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    qreal textWidth() const;
    qreal blockTop(const QTextBlock& block) const;
    // Lays `block` out if it is not yet, at its place; true when its line count changed.
    bool layOut(const QTextBlock& block) const;
    void reportSize() const;
    // Frees the layouts of the paragraphs laid out since the last time, bar those near the
    // paragraphs drawn last and the `newest` laid out last.
    void freeLayoutsOutOfSight(std::size_t newest) const;

    int cursorWidth_ = 1;
    mutable QSizeF reportedSize_;
    mutable bool sizeReportPending_ = false;
    // Numbers of the paragraphs laid out since the last freeing, maybe more than once each.
    mutable std::vector<int> laidOut_;
    mutable bool freeingPending_ = false;
    // The first and last paragraph the last draw showed.
    mutable int drawnFirst_ = 0;
    mutable int drawnLast_ = -1;
};

// Gives the history box this layout (before it is shown).
void UseHistoryLayout(QTextEdit& history);

}  // namespace ferrolin
