// SPDX-License-Identifier: GPL-3.0-or-later
// Our results file opened by other programs: LibreOffice and pandoc must see the same lines.
// Without them installed the test skips, unless FERROLIN_REQUIRE_SERVICES=1 (then it fails).
#include "formats/PlainTextLines.h"
#include "formats/RtfWriter.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ferrolin;

namespace {

constexpr int kPeerTimeoutMs = 180'000;

const QString kOutsideBmpLine = u"emoji \U0001F600 outside the BMP"_qs;

QStringList HistoryLines() {
    return {
        "2+3*4= 14.00",
        "sin(pi/2)*3= 3.00",
        u"caf\u00E9 cr\u00E8me na\u00EFve \u00C6r\u00F8 Gr\u00F6\u00DFe 10 \u20AC"_qs,
        "",
        u"\u0164a\u017Ek\u00FD \u0141\u00F3d\u017A \u03A9 \u2264 \u03C0 \u041F\u0440\u0438\u0432\u0435\u0442"_qs,
        u"\u65E5\u672C\u8A9E\u306E\u8A08\u7B97= 1.00"_qs,
        "{1+2}*3= 9.00 and \\backslash\\",
        "",
        "",
        kOutsideBmpLine,
        "last line",
    };
}

bool ServicesRequired() { return qgetenv("FERROLIN_REQUIRE_SERVICES") == "1"; }

QStringList WithoutEmptyLines(QStringList lines) {
    lines.removeAll(QString());
    return lines;
}

}  // namespace

class RtfPeersIntegrationTest : public QObject {
    Q_OBJECT

private slots:
    void peerReadsTheSameLines_data();
    void peerReadsTheSameLines();

private:
    // Runs `program` and returns its standard output, or fails the test.
    static bool Run(const QString& program, const QStringList& arguments, QByteArray& output);
};

bool RtfPeersIntegrationTest::Run(const QString& program, const QStringList& arguments, QByteArray& output) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kPeerTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning().noquote() << program << arguments.join(' ') << "failed:" << process.errorString()
                             << process.readAllStandardError();
        process.kill();
        process.waitForFinished();
        return false;
    }
    output = process.readAllStandardOutput();
    return true;
}

void RtfPeersIntegrationTest::peerReadsTheSameLines_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("expected");
    // LibreOffice keeps every paragraph, empty ones included.
    QTest::newRow("LibreOffice") << "soffice" << HistoryLines();
    // pandoc's plain output separates paragraphs by empty lines, so only the non-empty ones can
    // be compared. pandoc 2.17 reads a \u surrogate pair as two replacement characters (its own
    // RTF writer has the same problem), so the line outside the BMP is left out for it.
    QStringList forPandoc = WithoutEmptyLines(HistoryLines());
    forPandoc.removeAll(kOutsideBmpLine);
    QTest::newRow("pandoc") << "pandoc" << forPandoc;
}

void RtfPeersIntegrationTest::peerReadsTheSameLines() {
    QFETCH(QString, program);
    QFETCH(QStringList, expected);
    const QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty()) {
        const QString why = program + " is not installed (scripts/packages/rtf-peers.txt)";
        if (ServicesRequired()) QFAIL(qPrintable(why));
        QSKIP(qPrintable(why));
    }

    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString rtfPath = work.filePath("history.rtf");
    QFile rtf(rtfPath);
    QVERIFY(rtf.open(QIODevice::WriteOnly));
    rtf.write(WriteRtf(HistoryLines(), "Tahoma"));
    rtf.close();

    QByteArray output;
    if (program == "soffice") {
        // A profile of its own, so that a desktop LibreOffice or another test cannot interfere.
        const QStringList arguments{"-env:UserInstallation=file://" + work.filePath("profile"), "--headless",
                                    "--convert-to", "txt:Text", "--outdir", work.filePath("out"), rtfPath};
        QByteArray ignored;
        QVERIFY(Run(executable, arguments, ignored));
        // soffice exits with 0 even when the conversion failed: the output file tells.
        QFile text(work.filePath("out/history.txt"));
        QVERIFY2(text.open(QIODevice::ReadOnly), "LibreOffice wrote no text file");
        QCOMPARE(DecodePlainTextLines(text.readAll()), expected);
    } else {
        QVERIFY(Run(executable, {"-f", "rtf", "-t", "plain", "--wrap=none", rtfPath}, output));
        QStringList read = WithoutEmptyLines(DecodePlainTextLines(output));
        read.removeIf([](const QString& line) { return line.startsWith(kOutsideBmpLine.left(6)); });
        QCOMPARE(read, expected);
    }
}

QTEST_GUILESS_MAIN(RtfPeersIntegrationTest)
#include "RtfPeersIntegrationTest.moc"
