// SPDX-License-Identifier: GPL-3.0-or-later
// The results document's files: New, Open, Save and Save As, and their failures.
#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTextEdit>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "formats/ResultsFile.h"
#include "formats/RtfReader.h"
#include "window/ResultsHistory.h"
#include "window/support/WindowFixture.h"

using namespace ferrolin;
using namespace ferrolin::testing;

Q_DECLARE_METATYPE(MessageBoxes::SaveChoice)

class DocumentCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void resultsFileStartsDirtyWithoutAName();
    void newEmptiesEverythingButKeepsTheFile();
    void saveAndOpenRoundTrip_data();
    void saveAndOpenRoundTrip();
    void screenReaderReadsAnOpenedLongHistoryLineByLine();
    void openPlainText_data();
    void openPlainText();
    void openNameOfMissingFileBecomesTheFile();
    void saveWithoutANameAsksForOne();
    void saveAfterNewWritesTheEmptyHistoryWithoutAsking();
    void dialogsRememberWhatWasAccepted();
    void openFailures_data();
    void openFailures();
    void saveFailures_data();
    void saveFailures();
    void failedWriteKeepsTheOldFile();
    void saveKeepsTheFilesPermissions();
};

void DocumentCommandsTest::resultsFileStartsDirtyWithoutAName()
{
    TTextFilename file;
    QCOMPARE(file.Filename(), QStringLiteral("Results.txt"));
    QVERIFY(!file.HasBeenSaved());
    QVERIFY(file.IsDirty());
    file.SetFilename(QStringLiteral("a/b.rtf"));
    QCOMPARE(file.Filename(), QStringLiteral("a/b.rtf"));
    QVERIFY(file.HasBeenSaved());
}

void DocumentCommandsTest::newEmptiesEverythingButKeepsTheFile()
{
    WindowFixture window;
    TForm1& form = *window.form;
    window.Evaluate({"1+1", "2*3"});
    window.AcceptSave(window.Path("kept.rtf"));
    window.Run(CommandAction(form, DocumentCommand::Save));
    InputBox(form)->setPlainText(QStringLiteral("7-"));
    FunctionList(form)->setFocus();
    ItemNamed(form, "MnuAudio")->setChecked(true);

    window.Run(CommandAction(form, DocumentCommand::New));

    QCOMPARE(window.HistoryLines(), QStringList());
    QCOMPARE(InputBox(form)->toPlainText(), QString());
    QCOMPARE(form.LastExpression(), QString());
    QCOMPARE(form.Documents().ResultsFile().Filename(), window.Path("kept.rtf"));
    QVERIFY(InputBox(form)->hasFocus());
    QCOMPARE(window.voice->spoken(), QStringList());
    QCOMPARE(window.boxes.calls().size(), 0);  // nothing was unsaved
}

void DocumentCommandsTest::saveAndOpenRoundTrip_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("evaluations") << QStringList{"1+1= 2.00", "sin(pi/2)*3= 3.00", "10^18= 1E18"};
    QTest::newRow("one line") << QStringList{"2= 2.00"};
    QTest::newRow("RTF specials") << QStringList{"{a}= \\b", "tab\there"};
    QTest::newRow("beyond ASCII") << QStringList{"π·2= 6.28", "√4= 2,00", "😀"};
    QTest::newRow("blank lines inside") << QStringList{"a", "", "b"};
    QTest::newRow("no-break space kept") << QStringList{QString::fromUtf8("1\xC2\xA0" "000= 1000.00"), "b"};
    // A long file's lines share paragraphs in groups; blanks land on both sides of a group's edge.
    constexpr int group = ferrolin::kLoadedLinesPerParagraph;
    QStringList grouped;
    for (int i = 0; i < ferrolin::kLinesGroupedFrom + 3; ++i)
        grouped << (i % group == 0 || i % group == group - 1 ? QString() : QStringLiteral("%1*2= %2.00").arg(i).arg(2 * i));
    QTest::newRow("grouped, blanks at the edges") << grouped;
    QTest::newRow("grouped, blank last line")
        << (QStringList(ferrolin::kLinesGroupedFrom, QStringLiteral("1= 1.00")) << QString());
    QTest::newRow("one line short of grouping")
        << QStringList(ferrolin::kLinesGroupedFrom - 1, QStringLiteral("2= 2.00"));
}

void DocumentCommandsTest::saveAndOpenRoundTrip()
{
    QFETCH(QStringList, lines);
    WindowFixture window;
    TForm1& form = *window.form;
    window.SetHistory(lines);
    const QString file = window.Path("results.rtf");
    window.SaveAs(file);

    const QByteArray bytes = ReadBytes(file);
    QVERIFY2(bytes.startsWith("{\\rtf"), bytes.left(40).constData());
    QVERIFY(bytes.trimmed().endsWith('}'));
    QVERIFY(bytes.contains(HistoryBox(form)->document()->defaultFont().family().toLatin1()));

    window.Run(CommandAction(form, DocumentCommand::New));
    window.Open(file);
    QCOMPARE(window.HistoryLines(), lines);
    // What Copy takes: Qt's plain text, which gives a no-break space as a blank.
    QCOMPARE(HistoryBox(form)->toPlainText(), lines.join(QLatin1Char('\n')).replace(QChar::Nbsp, QLatin1Char(' ')));
    QVERIFY(!form.Documents().ResultsFile().IsDirty());
    QCOMPARE(window.boxes.errors(), QStringList());

    // Saved again, the opened history gives the same file.
    const QString again = window.Path("again.rtf");
    window.SaveAs(again);
    QCOMPARE(ReadBytes(again), bytes);

    // A new evaluation is a line of its own after the opened ones.
    window.Evaluate({QStringLiteral("6*7")});
    QCOMPARE(window.HistoryLines(), QStringList(lines) << QStringLiteral("6*7= 42.00"));
}

// Grouped lines are still lines to assistive technology: each one on its own at a line boundary.
void DocumentCommandsTest::screenReaderReadsAnOpenedLongHistoryLineByLine()
{
    QStringList lines;
    for (int i = 0; i < ferrolin::kLinesGroupedFrom + 5; ++i)
        lines << QStringLiteral("%1+1= %2.00").arg(i).arg(i + 1);
    WindowFixture window;
    TForm1& form = *window.form;
    const QString file = window.Path("long.txt");
    WriteBytes(file, lines.join(QLatin1Char('\n')).toUtf8());
    window.Open(file, 1);
    QCOMPARE(window.HistoryLines(), lines);

    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(HistoryBox(form));
    QVERIFY(box && box->textInterface());
    int offset = 0;
    for (int i = 0; i < 2 * ferrolin::kLoadedLinesPerParagraph + 1; ++i) {
        int start = -1, end = -1;
        const QString line = box->textInterface()->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(line.trimmed(), lines[i]);  // a line may come with the break after it
        QCOMPARE(start, offset);
        offset += lines[i].size() + 1;
    }
}

void DocumentCommandsTest::openPlainText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("two lines") << QByteArray("1+1= 2.00\r\n2+2= 4.00") << QStringList{"1+1= 2.00", "2+2= 4.00"};
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBFpi= 3.14\n\xCF\x80") << QStringList{"pi= 3.14", "π"};
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE" "a\0\n\0b\0", 8) << QStringList{"a", "b"};
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0a\0\n\0b", 8) << QStringList{"a", "b"};
}

void DocumentCommandsTest::openPlainText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    WindowFixture window;
    const QString file = window.Path("plain.txt");
    WriteBytes(file, bytes);
    window.Evaluate({"4"});
    window.boxes.saveChoice = MessageBoxes::SaveChoice::Discard;
    InputBox(*window.form)->setPlainText(QStringLiteral("5+"));
    window.Open(file);
    QCOMPARE(window.HistoryLines(), lines);
    QCOMPARE(window.form->Documents().ResultsFile().Filename(), file);
    QCOMPARE(InputBox(*window.form)->toPlainText(), QStringLiteral("5+"));
    QCOMPARE(window.form->LastExpression(), QStringLiteral("4"));
}

void DocumentCommandsTest::openNameOfMissingFileBecomesTheFile()
{
    WindowFixture window;
    TForm1& form = *window.form;
    window.Evaluate({"3*3"});
    window.boxes.saveChoice = MessageBoxes::SaveChoice::Discard;
    const QString file = window.Path("new.rtf");
    window.Open(file);
    QCOMPARE(window.HistoryLines(), QStringList{"3*3= 9.00"});
    QCOMPARE(form.Documents().ResultsFile().Filename(), file);
    QVERIFY(!form.Documents().ResultsFile().IsDirty());
    QVERIFY(!QFile::exists(file));

    window.Run(CommandAction(form, DocumentCommand::Save));
    QCOMPARE(window.dialogs.count(FakeFileDialogs::Kind::Save), 0);
    QVERIFY(ReadBytes(file).startsWith("{\\rtf"));
}

void DocumentCommandsTest::saveWithoutANameAsksForOne()
{
    WindowFixture window;
    TForm1& form = *window.form;
    window.Evaluate({"1+2"});
    window.dialogs.saveAnswers << std::nullopt;
    QVERIFY(!form.SaveResults());
    QCOMPARE(window.dialogs.count(FakeFileDialogs::Kind::Save), 1);
    QVERIFY(!form.Documents().ResultsFile().HasBeenSaved());
    QVERIFY(form.Documents().ResultsFile().IsDirty());
    QCOMPARE(QDir(window.folder.path()).entryList(QDir::Files), QStringList());

    window.AcceptSave(window.Path("r.rtf"));
    QVERIFY(form.SaveResults());
    QCOMPARE(form.Documents().ResultsFile().Filename(), window.Path("r.rtf"));
    QVERIFY(!form.Documents().ResultsFile().IsDirty());
}

void DocumentCommandsTest::saveAfterNewWritesTheEmptyHistoryWithoutAsking()
{
    WindowFixture window;
    TForm1& form = *window.form;
    window.Evaluate({"1+2"});
    const QString file = window.Path("r.rtf");
    window.SaveAs(file);
    window.Run(CommandAction(form, DocumentCommand::New));
    window.Run(CommandAction(form, DocumentCommand::Save));
    QCOMPARE(window.dialogs.count(FakeFileDialogs::Kind::Save), 1);

    window.Evaluate({"5"});
    window.boxes.saveChoice = MessageBoxes::SaveChoice::Discard;
    window.Open(file);
    QCOMPARE(window.HistoryLines(), QStringList());
    QCOMPARE(window.dialogs.count(FakeFileDialogs::Kind::Save), 1);
}

void DocumentCommandsTest::dialogsRememberWhatWasAccepted()
{
    WindowFixture window;
    TForm1& form = *window.form;
    window.Open(window.Path("a.txt"), 1);
    window.dialogs.openAnswers << std::nullopt;
    window.Run(CommandAction(form, DocumentCommand::Open));
    window.SaveAs(window.Path("b.rtf"));
    window.Run(CommandAction(form, DocumentCommand::SaveAs));

    const auto& calls = window.dialogs.calls();
    QCOMPARE(calls.size(), 4);
    QCOMPARE(calls[0].request.nameFilters, (QStringList{"Text File (*.txt)", "All Files (*)"}));
    QCOMPARE(calls[0].request.filterIndex, 0);
    QCOMPARE(calls[0].request.initialName, QString());
    QCOMPARE(calls[1].request.initialName, window.Path("a.txt"));
    QCOMPARE(calls[1].request.filterIndex, 1);
    QCOMPARE(calls[2].request.nameFilters, QStringList());
    QCOMPARE(calls[2].request.initialName, QString());
    QCOMPARE(calls[3].request.initialName, window.Path("b.rtf"));
}

void DocumentCommandsTest::openFailures_data()
{
    QTest::addColumn<QString>("kind");       // what the chosen name is
    QTest::addColumn<QString>("expected");   // the error box's text, %1 the full path
    QTest::newRow("a folder") << "folder" << "Cannot open file \"%1\". ";
    QTest::newRow("a pipe") << "pipe" << "Cannot open file \"%1\". Not a regular file.";
    QTest::newRow("RTF nested too deep") << "deep" << "Failed to Load Stream.\nIts groups are nested more than 1000000 deep.";
    QTest::newRow("too large to show") << "large" << "Cannot open file \"%1\". The file is too large ";
}

void DocumentCommandsTest::openFailures()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    WindowFixture window;
    TForm1& form = *window.form;
    const QString before = window.Path("before.rtf");
    window.Evaluate({"1+1"});
    window.SaveAs(before);
    window.Evaluate({"2+2"});
    window.boxes.saveChoice = MessageBoxes::SaveChoice::Discard;

    QString chosen = window.Path(kind);
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(window.folder.path()).mkdir(kind));
    else if (kind == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(chosen.toLocal8Bit().constData(), 0600), 0);
    else if (kind == QLatin1String("large"))
        QVERIFY(QFile(chosen).open(QIODevice::WriteOnly) && QFile::resize(chosen, ferrolin::kMaxResultsFileBytes + 1));
    else
        WriteBytes(chosen, "{\\rtf1 " + QByteArray(ferrolin::kMaxRtfGroupDepth + 1, '{') + "x}");
    window.Open(chosen);

    QCOMPARE(window.boxes.errors().size(), 1);
    const QString message = window.boxes.errors().first();
    const QString text = expected.contains(QLatin1String("%1")) ? expected.arg(QFileInfo(chosen).absoluteFilePath()) : expected;
    if (text.endsWith(QLatin1Char(' ')))  // followed by the system's reason
        QVERIFY2(message.startsWith(text) && message.size() > text.size() + 1, qPrintable(message));
    else
        QCOMPARE(message, text);
    // The file that failed never becomes the one a later Save replaces.
    QCOMPARE(form.Documents().ResultsFile().Filename(), before);
    QCOMPARE(window.HistoryLines(), (QStringList{"1+1= 2.00", "2+2= 4.00"}));
    QVERIFY(form.Documents().ResultsFile().IsDirty());
}

void DocumentCommandsTest::saveFailures_data()
{
    QTest::addColumn<bool>("throughSaveAs");
    QTest::addColumn<QString>("target");  // relative to the scratch folder
    QTest::newRow("save as, missing folder") << true << "missing/r.rtf";
    QTest::newRow("save as, onto a folder") << true << "folder";
    QTest::newRow("save, folder gone") << false << "gone/r.rtf";
}

void DocumentCommandsTest::saveFailures()
{
    QFETCH(bool, throughSaveAs);
    QFETCH(QString, target);
    WindowFixture window;
    TForm1& form = *window.form;
    QVERIFY(QDir(window.folder.path()).mkdir(QStringLiteral("folder")));
    window.Evaluate({"1+1"});
    const QString chosen = window.Path(target);
    if (throughSaveAs) {
        window.SaveAs(chosen);
    } else {
        // Saved once; then the folder is removed behind the program's back.
        QVERIFY(QDir(window.folder.path()).mkdir(QStringLiteral("gone")));
        window.SaveAs(chosen);
        QVERIFY(QDir(window.Path("gone")).removeRecursively());
        window.Evaluate({"2+2"});
        window.Run(CommandAction(form, DocumentCommand::Save));
    }
    QCOMPARE(window.boxes.errors().size(), 1);
    const QString prefix = QStringLiteral("Cannot create file \"%1\". ").arg(QFileInfo(chosen).absoluteFilePath());
    QVERIFY2(window.boxes.errors().first().startsWith(prefix), qPrintable(window.boxes.errors().first()));
    QVERIFY(form.Documents().ResultsFile().IsDirty());
    QCOMPARE(form.Documents().ResultsFile().HasBeenSaved(), !throughSaveAs);
}

void DocumentCommandsTest::failedWriteKeepsTheOldFile()
{
    WindowFixture window;
    TForm1& form = *window.form;
    const QString file = window.Path("r.rtf");
    window.Evaluate({"1+1"});
    window.SaveAs(file);
    const QByteArray old = ReadBytes(file);
    QVERIFY(!old.isEmpty());

    QStringList many;
    for (int i = 0; i < 2000; ++i)
        many << QStringLiteral("%1+1= %2.00").arg(i).arg(i + 1);
    window.SetHistory(many);

    // The disk "fills up" after 1000 bytes of any file: the write fails half way.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    window.Run(CommandAction(form, DocumentCommand::Save));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(window.boxes.errors(), QStringList{"Failed to Save Stream.\nFile too large."});
    QCOMPARE(ReadBytes(file), old);
    QVERIFY(form.Documents().ResultsFile().IsDirty());
    QCOMPARE(QDir(window.folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"r.rtf"});
}

void DocumentCommandsTest::saveKeepsTheFilesPermissions()
{
    WindowFixture window;
    const QString file = window.Path("r.rtf");
    WriteBytes(file, "old");
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(file, permissions));
    window.Evaluate({"1+1"});
    window.SaveAs(file);
    QVERIFY(ReadBytes(file).startsWith("{\\rtf"));
    QCOMPARE(QFile::permissions(file) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), permissions);
}

QTEST_MAIN(DocumentCommandsTest)
#include "DocumentCommandsTest.moc"
