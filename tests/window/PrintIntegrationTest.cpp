// SPDX-License-Identifier: GPL-3.0-or-later
// Print through the real print system: the private CUPS server of scripts/test-env/cups.sh with
// its cups-pdf queue "PDF". The job must complete under the name "Results" and leave a PDF that
// holds every line of the history, in order, as big as on the screen, on the printer chosen in
// Print Setup from the server's list. Then the print system misbehaves (on a CUPS server of
// the test's own): a queue that rejects jobs, a stopped printer, no default printer, a hung and a
// killed server. The window keeps answering and the user is told.
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QHash>
#include <QApplication>
#include <QProgressDialog>
#include <QTextEdit>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "platform/PdfText.h"
#include "platform/ScopedEnv.h"
#include "platform/Printing.h"
#include "window/support/WindowFixture.h"
#include "window/support/EventLoopPing.h"

#include <csignal>
#include <optional>
#include <functional>

using ferrolin::QtPrinting;
using namespace ferrolin::testing;
using ferrolin::DocumentCommand;

namespace {

const char* const kNoOwnServer = "the test's own CUPS server did not start (scripts/test-env/cups.sh needs root)";

const char* const kGetJobs = R"({
  OPERATION Get-Jobs
  GROUP operation-attributes-tag
  ATTR charset attributes-charset utf-8
  ATTR naturalLanguage attributes-natural-language en
  ATTR uri printer-uri $uri
  ATTR name requesting-user-name $user
  ATTR keyword which-jobs completed
  ATTR boolean my-jobs true
  ATTR keyword requested-attributes job-id
  STATUS successful-ok
}
)";

// Get-Jobs leaves the names of finished jobs out until the job's attributes are loaded, so each
// job is asked for by itself.
const char* const kGetJob = R"({
  OPERATION Get-Job-Attributes
  GROUP operation-attributes-tag
  ATTR charset attributes-charset utf-8
  ATTR naturalLanguage attributes-natural-language en
  ATTR uri printer-uri $uri
  ATTR integer job-id $job
  ATTR name requesting-user-name $user
  ATTR keyword requested-attributes job-id,job-name,job-state
  STATUS successful-ok
}
)";

QWidget* ShownPrintSetup()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("PrintSetup") && widget->isVisible())
            return widget;
    return nullptr;
}

QString UserName()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QStringLiteral("root") : user;
}

QString RunIpptool(const QString& uri, const QString& testFile, const QStringList& defines = {})
{
    QStringList arguments{QStringLiteral("-tv"), QStringLiteral("-d"), QStringLiteral("user=") + UserName()};
    for (const QString& define : defines)
        arguments << QStringLiteral("-d") << define;
    arguments << uri << testFile;
    QProcess ipptool;
    ipptool.start(QStringLiteral("ipptool"), arguments);
    if (!ipptool.waitForFinished(15000))
        return {};
    return QString::fromUtf8(ipptool.readAllStandardOutput());
}

QList<int> CompletedJobIds(const QString& uri, const QString& getJobs)
{
    QList<int> ids;
    static const QRegularExpression id(QStringLiteral(R"(job-id \(integer\) = (\d+))"));
    for (const auto& match : id.globalMatch(RunIpptool(uri, getJobs)))
        ids << match.captured(1).toInt();
    return ids;
}

QString JobName(const QString& uri, const QString& getJob, int job)
{
    static const QRegularExpression name(QStringLiteral(R"(job-name \(nameWithoutLanguage\) = (.*))"));
    const auto match = name.match(RunIpptool(uri, getJob, {QStringLiteral("job=%1").arg(job)}));
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

}  // namespace

class PrintIntegrationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void printsOneJobNamedResultsAndAPdf();
    void printerSetupWithAHungPrintSystem();
    void faultsAreReportedAndTheWindowAnswers_data();
    void faultsAreReportedAndTheWindowAnswers();
    void cleanupTestCase();

private:
    // A CUPS server of this test's own, to stop and kill at will; started on first use.
    QString OwnServer();
    // The pid of its cupsd, 0 when unknown.
    qint64 OwnServerPid() const;
    QTemporaryDir ownState_;
    QString ownServer_;
    QString uri_;
    QString pdfDir_;
    QTemporaryDir scratch_;
};

void PrintIntegrationTest::initTestCase()
{
    uri_ = qEnvironmentVariable("FERROLIN_CUPS_URI");
    pdfDir_ = qEnvironmentVariable("FERROLIN_CUPS_PDF_DIR");
    const bool have = !uri_.isEmpty() && !pdfDir_.isEmpty() && !qEnvironmentVariable("CUPS_SERVER").isEmpty()
                      && !QStandardPaths::findExecutable(QStringLiteral("ipptool")).isEmpty();
    if (!have) {
        if (qEnvironmentVariable("FERROLIN_REQUIRE_SERVICES") == QLatin1String("1"))
            QFAIL("no CUPS server: run through scripts/run-tests (scripts/test-env/cups.sh)");
        QSKIP("no CUPS server (scripts/test-env/cups.sh not started)");
    }
}

void PrintIntegrationTest::printsOneJobNamedResultsAndAPdf()
{
    const QString getJobs = scratch_.filePath(QStringLiteral("get-jobs.test"));
    const QString getJob = scratch_.filePath(QStringLiteral("get-job.test"));
    ferrolin::testing::WriteBytes(getJobs, kGetJobs);
    ferrolin::testing::WriteBytes(getJob, kGetJob);
    const QList<int> jobsBefore = CompletedJobIds(uri_, getJobs);
    const QStringList pdfsBefore = QDir(pdfDir_).entryList({QStringLiteral("*.pdf")}, QDir::Files);

    QtPrinting printing;
    QSignalSpy printed(&printing, &ferrolin::Printing::Printed);
    WindowFixture window(printing);
    QStringList lines;
    for (int i = 1; i <= 300; ++i)
        lines << QStringLiteral("%1*%1= %2.00").arg(i).arg(i * i);
    window.SetHistory(lines);
    window.Run(CommandAction(*window.form, DocumentCommand::PrintSetup));
    QWidget* setup = ShownPrintSetup();
    QVERIFY(setup);
    const auto* printers = setup->findChild<QListWidget*>(QStringLiteral("PrinterList"));
    QTRY_COMPARE_WITH_TIMEOUT(printers->count(), 1, 15000);
    QCOMPARE(printers->currentItem()->text(), QStringLiteral("PDF (default)"));
    QTest::keyClick(setup, Qt::Key_Return);
    EventLoopPing ping;
    window.Run(CommandAction(*window.form, DocumentCommand::Print));
    QTRY_COMPARE_WITH_TIMEOUT(printed.size(), 1, 60000);
    QCOMPARE(window.boxes.errors(), QStringList());
    QVERIFY2(ping.longestWaitMs() <= EventLoopPing::kLongestAllowedMs, qPrintable(QString::number(ping.longestWaitMs())));

    // The PDF is written before the job counts as completed; the queue is asked only once it is there.
    int newJob = 0;
    QStringList newPdfs;
    const auto jobDone = [&] {
        newPdfs.clear();
        for (const QString& pdf : QDir(pdfDir_).entryList({QStringLiteral("*.pdf")}, QDir::Files))
            if (!pdfsBefore.contains(pdf) && QFileInfo(QDir(pdfDir_).filePath(pdf)).size() > 0)
                newPdfs << pdf;
        if (newPdfs.isEmpty())
            return false;
        for (int job : CompletedJobIds(uri_, getJobs))
            if (!jobsBefore.contains(job))
                newJob = job;
        return newJob != 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(jobDone(), 60000);
    QCOMPARE(JobName(uri_, getJob, newJob), QStringLiteral("Results"));
    QCOMPARE(newPdfs.size(), 1);
    const QString pdfFile = QDir(pdfDir_).filePath(newPdfs.first());
    QVERIFY(ferrolin::testing::ReadBytes(pdfFile).startsWith("%PDF"));

    // Every line on the pages, in order, and as high on paper as the history's font on screen.
    QString error;
    const QList<ferrolin::testing::PdfWord> words = ferrolin::testing::ReadPdfWords(pdfFile, &error);
    QVERIFY2(!words.isEmpty(), qPrintable(error));
    QList<ferrolin::testing::PdfLine> printedLines = ferrolin::testing::LinesOf(words);
    // The line that starts a page also shows, clipped to a sliver, below the last line of the
    // page before: text extraction reports it twice.
    for (qsizetype i = printedLines.size() - 1; i > 0; --i)
        if (printedLines[i].page != printedLines[i - 1].page && printedLines[i].text == printedLines[i - 1].text)
            printedLines.removeAt(i - 1);
    // The print system's PDF no longer maps its glyphs back to characters, but it keeps one
    // glyph per character, and the glyph that took the space's code reads back as a blank: every
    // printed line, read as glyphs, must turn into the history line of the same number under one
    // consistent substitution, with that one character gone.
    QCOMPARE(printedLines.size(), lines.size());
    const auto withoutBlanks = [](QString text, QChar hidden) { return text.remove(u' ').remove(hidden); };
    QString alphabet;
    for (const QString& line : lines)
        for (QChar c : line)
            if (c != u' ' && !alphabet.contains(c))
                alphabet += c;
    std::optional<QChar> hidden;
    for (QChar candidate : QString(QChar(u' ')) + alphabet) {
        bool fits = true;
        for (qsizetype i = 0; i < lines.size() && fits; ++i)
            fits = withoutBlanks(printedLines[i].text, u' ').size() == withoutBlanks(lines[i], candidate).size();
        if (fits) {
            hidden = candidate;
            break;
        }
    }
    QVERIFY2(hidden, "the printed lines do not have the history's lengths");
    QHash<QChar, QChar> toText;
    QHash<QChar, QChar> toGlyph;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString glyphs = withoutBlanks(printedLines[i].text, u' ');
        const QString text = withoutBlanks(lines[i], *hidden);
        for (qsizetype k = 0; k < text.size(); ++k) {
            const QChar glyph = toGlyph.value(text[k], glyphs[k]);
            const QChar character = toText.value(glyphs[k], text[k]);
            QVERIFY2(glyph == glyphs[k] && character == text[k],
                     qPrintable(QStringLiteral("line %1 is not \"%2\"").arg(i).arg(lines[i])));
            toGlyph.insert(text[k], glyphs[k]);
            toText.insert(glyphs[k], text[k]);
        }
    }
    QVERIFY(printedLines.last().page > 1);

    // One line below the next at the font's line spacing (DejaVu Sans: 1.16 times its size).
    const QFont font = HistoryBox(*window.form)->font();
    const double points = font.pixelSize() > 0 ? font.pixelSize() * 72.0 / window.form->logicalDpiY() : font.pointSizeF();
    for (qsizetype i = 1; i < printedLines.size(); ++i) {
        if (printedLines[i - 1].page != printedLines[i].page)
            continue;
        const double pitch = printedLines[i].top - printedLines[i - 1].top;
        QVERIFY2(pitch > 1.05 * points && pitch < 1.35 * points,
                 qPrintable(QStringLiteral("line %1: %2 pt below the one before, for a %3 pt font").arg(i).arg(pitch).arg(points)));
    }
}

QString PrintIntegrationTest::OwnServer()
{
    if (!ownServer_.isEmpty())
        return ownServer_;
    QProcess script;
    script.start(qEnvironmentVariable("FERROLIN_SOURCE_DIR") + QStringLiteral("/scripts/test-env/cups.sh"),
                 {QStringLiteral("start"), ownState_.path()});
    script.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(script.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(QLatin1String("CUPS_SERVER=")))
            ownServer_ = line.mid(12);
    return ownServer_;
}

qint64 PrintIntegrationTest::OwnServerPid() const
{
    QFile pidFile(ownState_.filePath(QStringLiteral("cups/cupsd.pid")));
    return pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toLongLong() : 0;
}

void PrintIntegrationTest::cleanupTestCase()
{
    if (ownServer_.isEmpty())
        return;
    if (const qint64 pid = OwnServerPid())
        ::kill(pid_t(pid), SIGCONT);
    QProcess::execute(qEnvironmentVariable("FERROLIN_SOURCE_DIR") + QStringLiteral("/scripts/test-env/cups.sh"),
                      {QStringLiteral("stop"), ownState_.path()});
}

// Print Setup opens at once on a hung print system, says that it does not answer once the lookup
// gives up, and can be cancelled; the window answers all along.
void PrintIntegrationTest::printerSetupWithAHungPrintSystem()
{
    if (OwnServer().isEmpty())
        QSKIP(kNoOwnServer);
    const qint64 pid = OwnServerPid();
    QVERIFY(pid > 0);
    ferrolin::ScopedEnv useOwnServer("CUPS_SERVER", ownServer_.toLocal8Bit());
    ::kill(pid_t(pid), SIGSTOP);
    auto restore = qScopeGuard([&] { ::kill(pid_t(pid), SIGCONT); });

    QtPrinting::Options options;
    options.lookupTimeoutMs = 2000;
    QtPrinting printing(options);
    WindowFixture window(printing);
    window.Evaluate({"1+1"});
    EventLoopPing ping;
    window.Run(CommandAction(*window.form, DocumentCommand::PrintSetup));
    QWidget* dialog = ShownPrintSetup();
    QVERIFY(dialog);
    const auto* status = dialog->findChild<QLabel*>(QStringLiteral("PrintSetupStatus"));
    QCOMPARE(status->text(), QStringLiteral("Looking for printers..."));
    QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(QLatin1String("The print system does not answer")), 10000);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!ShownPrintSetup());
    QCOMPARE(window.boxes.errors(), QStringList());
    QCOMPARE(window.HistoryLines(), QStringList{"1+1= 2.00"});
    qInfo("longest wait of the event loop: %lld ms", ping.longestWaitMs());
    QVERIFY2(ping.longestWaitMs() <= EventLoopPing::kLongestAllowedMs, qPrintable(QString::number(ping.longestWaitMs())));
}

using Fault = std::function<void(qint64 cupsdPid)>;
Q_DECLARE_METATYPE(Fault)

void PrintIntegrationTest::faultsAreReportedAndTheWindowAnswers_data()
{
    QTest::addColumn<Fault>("before");    // done to the server before Print
    QTest::addColumn<Fault>("during");    // right after Print
    QTest::addColumn<Fault>("after");     // puts the server back for the next row
    QTest::addColumn<QString>("message"); // a part of the error box's text
    QTest::addColumn<bool>("progress");   // the job takes long enough to show its progress
    const Fault nothing = [](qint64) {};
    const auto run = [](const char* program) {
        return [program](qint64) { QProcess::execute(QString::fromLatin1(program), {QStringLiteral("PDF")}); };
    };
    // The rows share one server and run in this order; the last one kills it.
    QTest::newRow("queue rejects jobs") << Fault(run("cupsreject")) << nothing << Fault(run("cupsaccept"))
                                        << "refused the job" << false;
    QTest::newRow("printer stopped") << Fault(run("cupsdisable")) << nothing << Fault(run("cupsenable"))
                                     << "is stopped" << false;
    const auto shell = [](const char* command) {
        return [command](qint64) { QProcess::execute(QStringLiteral("sh"), {"-c", QString::fromLatin1(command)}); };
    };
    // Removing the default printer leaves the server without one.
    QTest::newRow("no default printer")
        << Fault(shell("lpadmin -p Spare -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null && "
                       "lpadmin -d Spare && lpadmin -x Spare"))
        << nothing << Fault(shell("lpadmin -d PDF")) << "There is no default printer currently selected" << false;
    QTest::newRow("print system hung (SIGSTOP) during Print")
        << nothing << Fault([](qint64 pid) { ::kill(pid_t(pid), SIGSTOP); })
        << Fault([](qint64 pid) { ::kill(pid_t(pid), SIGCONT); }) << "does not answer" << true;
    QTest::newRow("print system killed") << Fault([](qint64 pid) {
        ::kill(pid_t(pid), SIGKILL);
        // Gone once no signal can reach it any more.
        QVERIFY(QTest::qWaitFor([pid] { return ::kill(pid_t(pid), 0) != 0; }, 10000));
    }) << nothing << nothing << "The print system does not answer: nothing was printed" << false;
}

void PrintIntegrationTest::faultsAreReportedAndTheWindowAnswers()
{
    QFETCH(Fault, before);
    QFETCH(Fault, during);
    QFETCH(Fault, after);
    QFETCH(QString, message);
    QFETCH(bool, progress);
    if (OwnServer().isEmpty())
        QSKIP(kNoOwnServer);
    const qint64 pid = OwnServerPid();
    QVERIFY(pid > 0);
    ferrolin::ScopedEnv useOwnServer("CUPS_SERVER", ownServer_.toLocal8Bit());
    auto restore = qScopeGuard([&] { after(pid); });

    QtPrinting::Options options;
    options.lookupTimeoutMs = 3000;
    options.submitTimeoutMs = 5000;
    QtPrinting printing(options);
    WindowFixture window(printing);
    window.Evaluate({"1+1", "sin(pi/2)*3"});
    before(pid);
    EventLoopPing ping;
    window.Run(CommandAction(*window.form, DocumentCommand::Print));
    during(pid);
    if (progress) {
        const auto progressShown = [] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->objectName() == QLatin1String("PrintProgress") && widget->isVisible())
                    return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(progressShown(), 2500);
    }
    QTRY_COMPARE_WITH_TIMEOUT(window.boxes.errors().size(), 1, 15000);
    qInfo("shown: %s", qPrintable(window.boxes.errors().first()));
    QVERIFY2(window.boxes.errors().first().contains(message, Qt::CaseInsensitive), qPrintable(window.boxes.errors().first()));
    QVERIFY(!printing.busy());
    QCOMPARE(window.HistoryLines(), (QStringList{"1+1= 2.00", "sin(pi/2)*3= 3.00"}));
    // The loop still turns after the error box: a block that comes with it counts too.
    QTimer turn;
    QSignalSpy turns(&turn, &QTimer::timeout);
    turn.start(EventLoopPing::kIntervalMs);
    QTRY_VERIFY(turns.size() >= 2);
    qInfo("longest wait of the event loop: %lld ms", ping.longestWaitMs());
    QVERIFY2(ping.longestWaitMs() <= EventLoopPing::kLongestAllowedMs, qPrintable(QString::number(ping.longestWaitMs())));
}

QTEST_MAIN(PrintIntegrationTest)
#include "PrintIntegrationTest.moc"
