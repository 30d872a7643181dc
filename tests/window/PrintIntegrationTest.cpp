// Print through the real print system: the private CUPS server of scripts/test-env/cups.sh with
// its cups-pdf queue "PDF". The job must complete under the name "Results" and leave a PDF.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/Printing.h"
#include "window/support/DocumentFixture.h"

using ferrolin::QtPrinting;
using ferrolin::testing::DocumentFixture;

namespace {

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

private:
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
    DocumentFixture window(&printing);
    window.Evaluate({"1+1", "sin(pi/2)*3"});
    window.Run(window.form->PrintAction);
    QCOMPARE(window.boxes.errors(), QStringList());

    int newJob = 0;
    QStringList newPdfs;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000 && (newJob == 0 || newPdfs.isEmpty())) {
        QTest::qWait(250);
        for (int job : CompletedJobIds(uri_, getJobs))
            if (!jobsBefore.contains(job))
                newJob = job;
        newPdfs.clear();
        for (const QString& pdf : QDir(pdfDir_).entryList({QStringLiteral("*.pdf")}, QDir::Files))
            if (!pdfsBefore.contains(pdf) && QFileInfo(QDir(pdfDir_).filePath(pdf)).size() > 0)
                newPdfs << pdf;
    }
    QVERIFY2(newJob != 0, "no new completed job on the PDF queue");
    QCOMPARE(JobName(uri_, getJob, newJob), QStringLiteral("Results"));
    QCOMPARE(newPdfs.size(), 1);
    const QByteArray pdf = ferrolin::testing::ReadBytes(QDir(pdfDir_).filePath(newPdfs.first()));
    QVERIFY(pdf.startsWith("%PDF"));

    // cups-pdf redistils the job with its own fonts, so its text cannot be read back reliably;
    // the page count can.
    if (!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {QDir(pdfDir_).filePath(newPdfs.first())});
        QVERIFY(pdfinfo.waitForFinished(15000));
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        QVERIFY2(QRegularExpression(QStringLiteral(R"(Pages:\s+1\n)")).match(info).hasMatch(), qPrintable(info));
    }
}

QTEST_MAIN(PrintIntegrationTest)
#include "PrintIntegrationTest.moc"
