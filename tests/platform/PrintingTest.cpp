// The real printing layer without a print server: the messages it fails with, and a document
// printed to a PDF file page by page on the whole page.
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "platform/Printing.h"

using ferrolin::PrintError;

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void noPrinterAtAll();
    void printsToAPdfFile_data();
    void printsToAPdfFile();
    void printerThatCannotOpenItsDevice();
};

void PrintingTest::initTestCase()
{
    // A print server that is not there: no printers, no default one.
    qputenv("CUPS_SERVER", "127.0.0.1:9");
}

void PrintingTest::noPrinterAtAll()
{
    ferrolin::QtPrinting printing;
    QTextDocument document(QStringLiteral("1+1= 2.00"));
    try {
        printing.Print(document, QStringLiteral("Results"));
        QFAIL("printed without a printer");
    } catch (const PrintError& error) {
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("There is no default printer currently selected"));
    }
}

void PrintingTest::printsToAPdfFile_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("severalPages");
    QTest::newRow("one line") << 1 << false;
    QTest::newRow("many lines run onto more pages") << 400 << true;
}

void PrintingTest::printsToAPdfFile()
{
    QFETCH(int, lines);
    QFETCH(bool, severalPages);
    QTemporaryDir folder;
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QStringLiteral("%1+1= %2.00").arg(i).arg(i + 1);
    QTextDocument document;
    document.setPlainText(text.join(QLatin1Char('\n')));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("out.pdf")));
    printer.setDocName(QStringLiteral("Results"));

    ferrolin::PrintDocumentOn(document, printer);

    QFile pdf(folder.filePath(QStringLiteral("out.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(printer.fullPage(), true);
    const qsizetype pages = bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>");
    QVERIFY2(severalPages ? pages > 1 : pages == 1, qPrintable(QString::number(pages)));
}

void PrintingTest::printerThatCannotOpenItsDevice()
{
    QTextDocument document(QStringLiteral("1+1= 2.00"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/out.pdf"));
    try {
        ferrolin::PrintDocumentOn(document, printer);
        QFAIL("no failure reported");
    } catch (const PrintError& error) {
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Printer selected is not valid"));
    }
}

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
