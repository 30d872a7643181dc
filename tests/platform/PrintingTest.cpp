// SPDX-License-Identifier: GPL-3.0-or-later
// The real printing layer without a print server: the message when none answers (and no progress
// window left to show), the message when the submit program is missing, and a history printed to
// a PDF file: every line on the pages in order, inside the printable area, and as big on paper as
// on the screen.
#include <QApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include "platform/PdfText.h"
#include "platform/PrintSubmit.h"
#include "platform/Printing.h"

using ferrolin::PrintError;
using namespace ferrolin::testing;

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void noPrintServer();
    void submitProgramMissing();
    void printedHistory_data();
    void printedHistory();
    void printerThatCannotOpenItsDevice();
};

void PrintingTest::initTestCase()
{
    // A print server that is not there.
    qputenv("CUPS_SERVER", "127.0.0.1:9");
}

void PrintingTest::noPrintServer()
{
    ferrolin::QtPrinting printing;
    QSignalSpy failed(&printing, &ferrolin::Printing::Failed);
    QSignalSpy printed(&printing, &ferrolin::Printing::Printed);
    QTextDocument document(QStringLiteral("1+1= 2.00"));
    printing.Print(document, QStringLiteral("Results"));
    // Print only starts the job: how it ends comes later, from the event loop.
    QVERIFY(printing.busy());
    QCOMPARE(failed.size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 15000);
    QCOMPARE(failed.first().first().toString(),
             QStringLiteral("The print system does not answer: nothing was printed. Try again once it runs"));
    QCOMPARE(printed.size(), 0);
    QVERIFY(!printing.busy());
    // The error box that reports the failure runs an event loop of its own: nothing may be left
    // to show a progress window inside it.
    QVERIFY(!printing.findChild<QTimer*>(QStringLiteral("PrintProgressDelay"))->isActive());
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(widget->objectName() != QLatin1String("PrintProgress") || !widget->isVisible());
}

void PrintingTest::submitProgramMissing()
{
    const auto failure = ferrolin::SubmitToPrintSystem(QStringLiteral("/nonexistent/lp"), {}, QStringLiteral("PDF"), 5000);
    QVERIFY(failure && failure->kind == ferrolin::SubmitFailureKind::NotStarted);
    // What to do first, the system's own words on the line after.
    QCOMPARE(failure->message.section(u'\n', 0, 0), QStringLiteral("Printing needs the lp command of the cups-client "
                                                                    "package, and it could not be started: install cups-client, then print again"));
    QVERIFY2(failure->message.section(u'\n', 1).startsWith(QLatin1String("/nonexistent/lp could not be started (")),
             qPrintable(failure->message));
}

void PrintingTest::printedHistory_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pixelSize");   // the history's font on a 96 dpi screen; 0: given in points
    QTest::addColumn<double>("points");   // its size on paper
    QTest::newRow("one line, 14 px") << 1 << 14 << 10.5;
    QTest::newRow("10 pt") << 3 << 0 << 10.0;
    QTest::newRow("long history, 18 px, several pages") << 400 << 18 << 13.5;
}

void PrintingTest::printedHistory()
{
    QFETCH(int, lines);
    QFETCH(int, pixelSize);
    QFETCH(double, points);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir folder;
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QStringLiteral("%1+1= %2.00").arg(i).arg(i + 1);
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    else
        font.setPointSizeF(points);
    document.setDefaultFont(font);
    document.setPlainText(text.join(QLatin1Char('\n')));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("out.pdf")));
    printer.setDocName(QStringLiteral("Results"));
    const QMarginsF unprintable(12, 15, 12, 15);  // millimetres the printer cannot reach
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, unprintable, QPageLayout::Millimeter));

    ferrolin::PrintDocumentOn(*ferrolin::CopyForPrinting(document, 96.0), printer);

    // The line after a page's last one is drawn clipped to the printable area, leaving a sliver
    // below it that text extraction still reports: only what lies inside that area counts.
    const double mm = 72.0 / 25.4;
    QString error;
    QList<PdfWord> words = ReadPdfWords(printer.outputFileName(), &error);
    QVERIFY2(!words.isEmpty(), qPrintable(error));
    words.removeIf([&](const PdfWord& word) { return (word.yMin + word.yMax) / 2 > (297 - 15) * mm; });
    const QList<PdfLine> printed = LinesOf(words);
    QStringList printedText;
    for (const PdfLine& line : printed)
        printedText << line.text;
    QCOMPARE(printedText, text);
    QCOMPARE(printed.last().page > 1, lines > 100);

    // Sizes in points: a line is about as high as its font, and the lines follow one another at
    // the font's line spacing (DejaVu Sans: 1.16 times its size).
    for (qsizetype i = 0; i < printed.size(); ++i) {
        const PdfLine& line = printed[i];
        QVERIFY2(line.height > 0.9 * points && line.height < 1.4 * points, qPrintable(QString::number(line.height)));
        QVERIFY2(line.left >= 12 * mm - 0.5, qPrintable(QString::number(line.left)));
        QVERIFY2(line.top >= 15 * mm - 0.5 && line.top + line.height <= (297 - 15) * mm + 0.5,
                 qPrintable(QString::number(line.top)));
        if (i > 0 && printed[i - 1].page == line.page) {
            const double pitch = line.top - printed[i - 1].top;
            QVERIFY2(pitch > 1.0 * points && pitch < 1.4 * points, qPrintable(QString::number(pitch)));
        }
    }
}

void PrintingTest::printerThatCannotOpenItsDevice()
{
    QTextDocument document(QStringLiteral("1+1= 2.00"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/out.pdf"));
    try {
        ferrolin::PrintDocumentOn(*ferrolin::CopyForPrinting(document, 96.0), printer);
        QFAIL("no failure reported");
    } catch (const PrintError& error) {
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Printer selected is not valid"));
    }
}

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
