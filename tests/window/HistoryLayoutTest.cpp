// SPDX-License-Identifier: GPL-3.0-or-later
// The history box's layout: every line at its place one line height below the one before, found
// again from its place, and only the paragraphs shown or asked about ever laid out, however long
// the history.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include "window/ResultsHistory.h"
#include "window/HistoryLayout.h"
#include "window/support/WindowFixture.h"

using ferrolin::HistoryLayout;
using namespace ferrolin::testing;

namespace {

QStringList Numbered(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << (i % 13 == 5 ? QString() : QStringLiteral("%1*3= %2.00").arg(i).arg(3 * i));
    return lines;
}

// Opens `lines` as a plain-text file, the way File > Open does.
void Open(WindowFixture& window, const QStringList& lines)
{
    const QString file = window.Path(QStringLiteral("history.txt"));
    WriteBytes(file, lines.join(QLatin1Char('\n')).toUtf8());
    window.Open(file, 1);
}

int LineStart(const QStringList& lines, int index)
{
    int offset = 0;
    for (int i = 0; i < index; ++i)
        offset += static_cast<int>(lines[i].size()) + 1;
    return offset;
}

int LaidOutBlocks(const QTextDocument& document)
{
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        count += block.layout()->lineCount() > 0 ? 1 : 0;
    return count;
}

}  // namespace

class HistoryLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void everyLineIsFoundAtItsPlace_data();
    void everyLineIsFoundAtItsPlace();
    void onlyWhatIsShownIsLaidOut();
    void aFreedLayoutIsLaidOutAgain_data();
    void aFreedLayoutIsLaidOutAgain();
    void aWrappedLineMovesTheLinesBelowIt();
    void aLongLineIsShownInPiecesAndKeptWhole_data();
    void aLongLineIsShownInPiecesAndKeptWhole();
};

void HistoryLayoutTest::everyLineIsFoundAtItsPlace_data()
{
    QTest::addColumn<int>("opened");
    QTest::addColumn<QStringList>("evaluated");
    QTest::newRow("short history, a paragraph a line") << 12 << QStringList();
    QTest::newRow("long history, grouped lines") << ferrolin::kLinesGroupedFrom + 70 << QStringList();
    QTest::newRow("long history, then evaluations") << ferrolin::kLinesGroupedFrom + 3 << QStringList{"1+1", "2*2"};
    QTest::newRow("evaluations only") << 0 << QStringList{"1+1", "2*2", "9-3"};
    QStringList paragraphAndMore;  // typed lines share paragraphs too
    for (int i = 0; i < 2 * ferrolin::kAppendedLinesPerParagraph + 3; ++i)
        paragraphAndMore << QStringLiteral("%1+1").arg(i);
    QTest::newRow("evaluations past a paragraph") << 0 << paragraphAndMore;
}

void HistoryLayoutTest::everyLineIsFoundAtItsPlace()
{
    QFETCH(int, opened);
    QFETCH(QStringList, evaluated);
    WindowFixture window;
    if (opened > 0)
        Open(window, Numbered(opened));
    window.Evaluate(evaluated);
    const QStringList lines = window.HistoryLines();
    QCOMPARE(lines.size(), opened + evaluated.size());

    QTextDocument& document = *HistoryBox(*window.form)->document();
    auto* layout = qobject_cast<HistoryLayout*>(document.documentLayout());
    QVERIFY(layout);
    const qreal height = layout->lineHeight();
    const qreal margin = document.documentMargin();
    QVERIFY(height > 0);
    QCOMPARE(layout->documentSize().height(), 2 * margin + lines.size() * height);

    const int group = ferrolin::kLoadedLinesPerParagraph;
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(HistoryBox(*window.form));
    QVERIFY(reader && reader->textInterface());
    for (int index : {0, 1, group - 1, group, group + 1, 2 * group, opened - 1, opened, static_cast<int>(lines.size()) - 1}) {
        if (index < 0 || index >= lines.size())
            continue;
        const int start = LineStart(lines, index);
        const qreal middle = margin + index * height + height / 2;
        // From its place to the line, and from the line to its place.
        QCOMPARE(layout->hitTest(QPointF(margin + 1, middle), Qt::FuzzyHit), start);
        QTextCursor at(&document);
        at.setPosition(start);
        QTextEdit& box = *HistoryBox(*window.form);
        QCOMPARE(box.cursorRect(at).top() + box.verticalScrollBar()->value(), qRound(margin + index * height));
        // And a screen reader reads that line there.
        int from = -1, to = -1;
        const QString read = reader->textInterface()->textAtOffset(start, QAccessible::LineBoundary, &from, &to);
        QCOMPARE(read.trimmed(), lines[index]);
        QCOMPARE(from, start);
        // The caret moves down by one history line.
        if (index + 1 < lines.size()) {
            at.movePosition(QTextCursor::Down);
            QCOMPARE(at.position(), LineStart(lines, index + 1));
        }
    }
    HistoryBox(*window.form)->selectAll();
    HistoryBox(*window.form)->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), lines.join(QLatin1Char('\n')));
}

// A history far longer than the box: only the paragraphs on screen, and those a screen reader
// asks about, are laid out, at the top, at the end and after a new line.
void HistoryLayoutTest::onlyWhatIsShownIsLaidOut()
{
    constexpr int kLines = 40000;
    constexpr int kFewBlocks = 40;
    WindowFixture window;
    const QStringList lines = Numbered(kLines);
    Open(window, lines);
    QTextEdit& box = *HistoryBox(*window.form);
    const QTextDocument& document = *box.document();
    box.viewport()->repaint();
    QVERIFY2(LaidOutBlocks(document) <= kFewBlocks, qPrintable(QString::number(LaidOutBlocks(document))));

    box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum());
    box.viewport()->repaint();
    QVERIFY(document.lastBlock().layout()->lineCount() > 0);  // the end is on screen
    QVERIFY2(LaidOutBlocks(document) <= 2 * kFewBlocks, qPrintable(QString::number(LaidOutBlocks(document))));

    QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(&box)->textInterface();
    const int middle = LineStart(lines, kLines / 2 + 1);
    int from = -1, to = -1;
    QCOMPARE(reader->textAtOffset(middle, QAccessible::LineBoundary, &from, &to).trimmed(), lines[kLines / 2 + 1]);
    QCOMPARE(reader->characterCount(), static_cast<int>(lines.join(QLatin1Char('\n')).size()));

    window.Evaluate({QStringLiteral("6*7")});
    box.viewport()->repaint();
    QCOMPARE(window.HistoryLines().size(), kLines + 1);
    QVERIFY2(LaidOutBlocks(document) <= 3 * kFewBlocks, qPrintable(QString::number(LaidOutBlocks(document))));
    // The new line is at the end of the document and shown.
    const QRectF caret = box.cursorRect();
    QVERIFY(box.viewport()->rect().contains(caret.center().toPoint()));
}

// Layouts of paragraphs far from the screen are freed, from the event loop or, when that does not
// run for long, at once; a paragraph scrolled back to is laid out again, at its place, and read
// as before.
void HistoryLayoutTest::aFreedLayoutIsLaidOutAgain_data()
{
    QTest::addColumn<int>("asked");  // paragraphs laid out
    QTest::addColumn<bool>("eventLoop");
    QTest::newRow("from the event loop") << static_cast<int>(HistoryLayout::kLayoutsBeforeFreeing) + 10 << true;
    QTest::newRow("at once") << static_cast<int>(HistoryLayout::kLayoutsFreedAtOnce) + 10 << false;
}

void HistoryLayoutTest::aFreedLayoutIsLaidOutAgain()
{
    QFETCH(int, asked);
    QFETCH(bool, eventLoop);
    WindowFixture window;
    const QStringList lines = Numbered(40000);
    Open(window, lines);
    QTextEdit& box = *HistoryBox(*window.form);
    QTextDocument& document = *box.document();
    auto* layout = qobject_cast<HistoryLayout*>(document.documentLayout());
    QVERIFY(layout);
    box.viewport()->repaint();  // the top on screen
    constexpr int kFirstAsked = 100;
    for (int number = kFirstAsked; number < kFirstAsked + asked; ++number)
        layout->blockBoundingRect(document.findBlockByNumber(number));
    if (eventLoop)
        QCoreApplication::processEvents();  // the freeing runs queued
    const QTextBlock far = document.findBlockByNumber(kFirstAsked + asked / 2);
    QCOMPARE(far.layout()->lineCount(), 0);
    QVERIFY(document.begin().layout()->lineCount() > 0);  // on screen: kept

    const int index = (kFirstAsked + asked / 2) * ferrolin::kLoadedLinesPerParagraph + 3;
    const qreal height = layout->lineHeight();
    const qreal margin = document.documentMargin();
    box.verticalScrollBar()->setValue(qRound(margin + index * height));
    box.viewport()->repaint();
    QVERIFY(far.layout()->lineCount() > 0);
    QCOMPARE(layout->hitTest(QPointF(margin + 1, margin + index * height + height / 2), Qt::FuzzyHit), LineStart(lines, index));
    int from = -1, to = -1;
    QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(&box)->textInterface();
    QCOMPARE(reader->textAtOffset(LineStart(lines, index), QAccessible::LineBoundary, &from, &to).trimmed(), lines[index]);
}

// A line too long for the box wraps once it is laid out: the document grows by its extra lines
// and every line below it is found that much lower.
void HistoryLayoutTest::aWrappedLineMovesTheLinesBelowIt()
{
    WindowFixture window;
    QStringList lines = Numbered(ferrolin::kLinesGroupedFrom + 10);
    const int longLine = 3;
    lines[longLine] = QStringLiteral("1+").repeated(200) + QStringLiteral("1= 201.00");
    Open(window, lines);
    QTextEdit& box = *HistoryBox(*window.form);
    box.viewport()->repaint();  // lays out the top of the history, the long line with it

    QTextDocument& document = *box.document();
    auto* layout = qobject_cast<HistoryLayout*>(document.documentLayout());
    QVERIFY(layout);
    const int wrapped = document.findBlock(LineStart(lines, longLine)).layout()->lineCount() -
                        ferrolin::kLoadedLinesPerParagraph;
    QVERIFY(wrapped > 1);
    const qreal height = layout->lineHeight();
    const qreal margin = document.documentMargin();
    QCOMPARE(layout->documentSize().height(), 2 * margin + (lines.size() + wrapped) * height);
    for (int index : {longLine + 1, ferrolin::kLoadedLinesPerParagraph + 1, static_cast<int>(lines.size()) - 1}) {
        const qreal middle = margin + (index + wrapped) * height + height / 2;
        QCOMPARE(layout->hitTest(QPointF(margin + 1, middle), Qt::FuzzyHit), LineStart(lines, index));
    }
    // Wrapping is only how it looks: the history still holds it as one line.
    QCOMPARE(window.HistoryLines(), lines);
}

// A line with no break opportunity costs the square of its length to lay out: it is shown in
// pieces, and Save (History()), the copy and the line count still see the one line.
void HistoryLayoutTest::aLongLineIsShownInPiecesAndKeptWhole_data()
{
    QTest::addColumn<int>("opened");       // lines opened first (grouped from kLinesGroupedFrom)
    QTest::addColumn<QString>("long_");    // opened as line 1, and evaluated after
    const QString sum = QStringLiteral("1+").repeated(1500) + QStringLiteral("1");
    // A character of two UTF-16 halves across the place a piece would end.
    const QString halves = QString(ferrolin::kLongestShownPiece - 1, u'7') + QStringLiteral("\U0001F600") + sum;
    QTest::newRow("short history") << 5 << sum;
    QTest::newRow("grouped history") << ferrolin::kLinesGroupedFrom + 40 << sum;
    QTest::newRow("two halves at the cut") << 5 << halves;
}

void HistoryLayoutTest::aLongLineIsShownInPiecesAndKeptWhole()
{
    QFETCH(int, opened);
    QFETCH(QString, long_);
    WindowFixture window;
    QStringList lines = Numbered(opened);
    lines[1] = long_;
    Open(window, lines);
    // A line typed after a long one joins its last piece's paragraph, and stays a line.
    window.Evaluate({QStringLiteral("1+").repeated(1500) + QStringLiteral("1"), QStringLiteral("2*3")});
    lines << QStringLiteral("1+").repeated(1500) + QStringLiteral("1= 1501.00") << QStringLiteral("2*3= 6.00");
    QCOMPARE(window.HistoryLines(), lines);

    QTextEdit& box = *HistoryBox(*window.form);
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        for (const QString& line : block.text().split(QChar::LineSeparator))
            QVERIFY(line.size() <= ferrolin::kLongestShownPiece);
    box.selectAll();
    box.copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), lines.join(QLatin1Char('\n')));
}

QTEST_MAIN(HistoryLayoutTest)
#include "HistoryLayoutTest.moc"
