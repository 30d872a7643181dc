// SPDX-License-Identifier: GPL-3.0-or-later
// ferrolin-history against the window: it prints what Open loads, its --write makes the file
// Save makes, and it fails with Open's and Save's messages.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "formats/ResultsFile.h"
#include "formats/RtfReader.h"
#include "window/ResultsHistory.h"
#include "window/support/WindowFixture.h"

using ferrolin::TForm1;
using namespace ferrolin::testing;
using ferrolin::DocumentCommand;

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun RunTool(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess tool;
    tool.start(QString::fromLocal8Bit(qgetenv("FERROLIN_HISTORY")), arguments);
    if (!tool.waitForStarted(60'000)) return {};
    tool.write(input);
    tool.closeWriteChannel();
    if (!tool.waitForFinished(60'000) || tool.exitStatus() != QProcess::NormalExit) return {};
    return {tool.exitCode(), tool.readAllStandardOutput(), tool.readAllStandardError()};
}

QStringList Lines(const QByteArray& utf8) {
    QStringList lines = QString::fromUtf8(utf8).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QStringList LongHistory() {
    QStringList lines;
    for (int i = 0; i < ferrolin::kLinesGroupedFrom + 5; ++i)
        lines << (i % 5 == 0 ? QString() : QStringLiteral("%1*2= %2.00").arg(i).arg(2 * i));
    return lines;
}

}  // namespace

class HistoryToolTest : public QObject {
    Q_OBJECT
private slots:
    void printsWhatOpenLoads_data();
    void printsWhatOpenLoads();
    void writesWhatSaveWrites_data();
    void writesWhatSaveWrites();
    void failsAsOpenAndSaveDo_data();
    void failsAsOpenAndSaveDo();
    void commandLine_data();
    void commandLine();
    void writeKeepsTheFileOnUnreadableInput_data();
    void writeKeepsTheFileOnUnreadableInput();
};

void HistoryToolTest::printsWhatOpenLoads_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");  // what Open loads, also checked here
    QTest::newRow("utf-8 text") << QByteArray("1+1= 2.00\r\n\xcf\x80= 3.14\n") << QStringList{"1+1= 2.00", u"\u03C0= 3.14"_qs};
    QTest::newRow("utf-16 text") << QByteArray("\xff\xfe" "a\0\n\0b\0", 8) << QStringList{"a", "b"};
    QTest::newRow("rtf of another program")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 M;}{\\f1\\fcharset0 T;}}"
                      "\\f0\\'93\\'fa{\\f1 J\\'e4rvi}\\par{\\listtext 1.\\tab}x{\\v hidden}\\par}")
        << QStringList{u"\u65E5J\u00E4rvi"_qs, "1.\tx"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void HistoryToolTest::printsWhatOpenLoads() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    WindowFixture window;
    const QString file = window.Path("in.txt");
    WriteBytes(file, bytes);
    window.Open(file);
    QCOMPARE(window.HistoryLines(), lines);

    const ToolRun run = RunTool({file});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(Lines(run.out), lines);
}

void HistoryToolTest::writesWhatSaveWrites_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("evaluations") << QStringList{"1+1= 2.00", "sin(pi/2)*3= 3.00"};
    QTest::newRow("RTF specials and beyond ASCII") << QStringList{"{a}= \\b", "tab\there", u"\u221A4= 2,00 \U0001F600"_qs};
    QTest::newRow("blank lines") << QStringList{"", "a", "", ""};
    QTest::newRow("grouped long history") << LongHistory();
}

void HistoryToolTest::writesWhatSaveWrites() {
    QFETCH(QStringList, lines);
    WindowFixture window;
    TForm1& form = *window.form;
    window.SetHistory(lines);
    const QString saved = window.Path("saved.rtf");
    window.SaveAs(saved);

    const QString written = window.Path("written.rtf");
    const QString font = HistoryBox(form)->document()->defaultFont().family();
    QByteArray input;
    for (const QString& line : lines) input += line.toUtf8() + '\n';
    const ToolRun run = RunTool({"--write", written, "--font", font}, input);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(ReadBytes(written), ReadBytes(saved));

    // And what it wrote, the window opens as that history, and the tool reads back.
    window.Run(CommandAction(form, DocumentCommand::New));
    window.Open(written);
    QCOMPARE(window.HistoryLines(), lines);
    QCOMPARE(Lines(RunTool({written}).out), lines);
}

void HistoryToolTest::failsAsOpenAndSaveDo_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("rtf nested too deep") << "deep";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("too large to show") << "large";
    QTest::newRow("cannot create") << "create";
}

void HistoryToolTest::failsAsOpenAndSaveDo() {
    QFETCH(QString, kind);
    WindowFixture window;
    QString file = window.Path(kind);
    ToolRun run;
    if (kind == QLatin1String("create")) {
        file = window.Path("missing/r.rtf");
        window.SaveAs(file);
        run = RunTool({"--write", file}, "1\n");
    } else {
        if (kind == QLatin1String("deep")) {
            WriteBytes(file, "{\\rtf1 " + QByteArray(ferrolin::kMaxRtfGroupDepth + 1, '{') + "x}");
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(window.folder.path()).mkdir(kind));
        } else {
            QFile large(file);
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(qint64(65) << 20));
        }
        window.Evaluate({"1+1"});
        window.boxes.saveChoice = ferrolin::MessageBoxes::SaveChoice::Discard;
        window.Open(file);
        QCOMPARE(window.HistoryLines(), QStringList{"1+1= 2.00"});  // the history is kept
        run = RunTool({file});
    }
    QCOMPARE(window.boxes.errors().size(), 1);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QByteArray());
    // The error box ends the message with a full stop where it has none.
    QString message = QString::fromLocal8Bit(run.err).trimmed();
    QVERIFY2(message.startsWith(QLatin1String("ferrolin-history: ")), qPrintable(message));
    message = message.mid(18);
    if (!message.endsWith(QLatin1Char('.'))) message += QLatin1Char('.');
    QCOMPARE(message, window.boxes.errors().first());
}

void HistoryToolTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");  // the start of standard output, or of standard error
    QTest::newRow("version") << QStringList{"--version"} << 0 << "ferrolin-history 1.";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "usage: ferrolin-history";
    QTest::newRow("no file") << QStringList{} << 2 << "ferrolin-history: no file named";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << "ferrolin-history: unknown option --frobnicate";
    QTest::newRow("--write without a name") << QStringList{"--write"} << 2 << "ferrolin-history: --write needs";
    QTest::newRow("--write and files") << QStringList{"--write", "a", "b"} << 2 << "ferrolin-history: --write takes";
    QTest::newRow("missing file") << QStringList{"/nonexistent/r.rtf"} << 1
                                  << "ferrolin-history: Cannot open file \"/nonexistent/r.rtf\". No such file";
}

void HistoryToolTest::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    const ToolRun run = RunTool(arguments);
    QCOMPARE(run.exitCode, exitCode);
    const QByteArray& shown = exitCode == 0 ? run.out : run.err;
    QVERIFY2(shown.startsWith(output.toUtf8()), shown.constData());
}

void HistoryToolTest::writeKeepsTheFileOnUnreadableInput_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message");
    QTest::newRow("a folder") << "folder" << "Cannot read standard input: Is a directory.";
    QTest::newRow("a closed descriptor") << "closed" << "Cannot read standard input: Bad file descriptor.";
    QTest::newRow("more than a results file holds") << "large" << "Cannot read standard input: more than 64 MB";
}

void HistoryToolTest::writeKeepsTheFileOnUnreadableInput() {
    QFETCH(QString, input);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString file = folder.filePath("day.rtf");
    QCOMPARE(RunTool({"--write", file}, "1+1= 2.00\n").exitCode, 0);
    const QByteArray before = ReadBytes(file);

    QProcess tool;
    if (input == "closed") {
        tool.start("/bin/sh", {"-c", "exec \"$0\" --write \"$1\" <&-", qEnvironmentVariable("FERROLIN_HISTORY"), file});
    } else {
        QString from = folder.path();
        if (input == "large") {
            from = folder.filePath("large.txt");
            QFile large(from);
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(ferrolin::kMaxResultsFileBytes + 1));
        }
        tool.setStandardInputFile(from);
        tool.start(qEnvironmentVariable("FERROLIN_HISTORY"), {"--write", file});
    }
    QVERIFY(tool.waitForFinished(60'000));
    QCOMPARE(tool.exitCode(), 1);
    const QByteArray err = tool.readAllStandardError();
    QVERIFY2(err.startsWith("ferrolin-history: " + message.toUtf8()), err.constData());
    QCOMPARE(ReadBytes(file), before);
}

QTEST_MAIN(HistoryToolTest)
#include "HistoryToolTest.moc"
