// SPDX-License-Identifier: GPL-3.0-or-later
// The rest of the results document's commands: the dirty flag and the questions before unsaved
// history would be lost (New, Open, Exit, closing), Print, Print Setup and Clear history.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QTest>
#include <QTextEdit>

#include "window/ResultsHistory.h"
#include "window/support/WindowFixture.h"

using namespace ferrolin;
using namespace ferrolin::testing;

Q_DECLARE_METATYPE(MessageBoxes::SaveChoice)

class HistoryCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void dirtyFlagFollowsTheHistory();
    void unsavedHistoryIsNeverLostSilently_data();
    void unsavedHistoryIsNeverLostSilently();
    void closingTheWindowAsksToo();
    void printWithEmptyHistory();
    void printSendsOneJobNamedResults_data();
    void printSendsOneJobNamedResults();
    void printFailures_data();
    void printFailures();
    void printSetupUsesThePrinterDialog();
    void clearHistory_data();
    void clearHistory();
};

void HistoryCommandsTest::dirtyFlagFollowsTheHistory()
{
    WindowFixture window;
    TForm1& form = *window.form;
    const QString file = window.Path("r.rtf");
    QVERIFY(form.Documents().ResultsFile().IsDirty());
    window.Evaluate({"1+1"});
    window.SaveAs(file);
    QVERIFY(!form.Documents().ResultsFile().IsDirty());
    window.Evaluate({"2+2"});
    QVERIFY(form.Documents().ResultsFile().IsDirty());
    window.Run(CommandAction(form, DocumentCommand::Save));
    QVERIFY(!form.Documents().ResultsFile().IsDirty());
    window.Run(CommandAction(form, DocumentCommand::ClearHistory));
    QVERIFY(form.Documents().ResultsFile().IsDirty());
    window.boxes.saveChoice = MessageBoxes::SaveChoice::Discard;
    window.Open(file);
    QVERIFY(!form.Documents().ResultsFile().IsDirty());
    window.Evaluate({"1/0"});  // fails: the history is untouched
    QVERIFY(!form.Documents().ResultsFile().IsDirty());
}

void HistoryCommandsTest::unsavedHistoryIsNeverLostSilently_data()
{
    QTest::addColumn<QString>("command");      // New, Open or Exit
    QTest::addColumn<bool>("dirty");
    QTest::addColumn<MessageBoxes::SaveChoice>("choice");
    QTest::addColumn<bool>("saveDialogAccepts");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("proceeded");
    QTest::addColumn<bool>("saved");

    using C = MessageBoxes::SaveChoice;
    for (const char* command : {"New", "Open", "Exit"}) {
        const QByteArray name(command);
        QTest::newRow(name + ", saved history") << command << false << C::Cancel << true << false << true << false;
        QTest::newRow(name + ", cancel") << command << true << C::Cancel << true << true << false << false;
        QTest::newRow(name + ", discard") << command << true << C::Discard << true << true << true << false;
        QTest::newRow(name + ", save") << command << true << C::Save << true << true << true << true;
        QTest::newRow(name + ", save cancelled") << command << true << C::Save << false << true << false << false;
    }
}

void HistoryCommandsTest::unsavedHistoryIsNeverLostSilently()
{
    QFETCH(QString, command);
    QFETCH(bool, dirty);
    QFETCH(MessageBoxes::SaveChoice, choice);
    QFETCH(bool, saveDialogAccepts);
    QFETCH(bool, asked);
    QFETCH(bool, proceeded);
    QFETCH(bool, saved);
    WindowFixture window;
    TForm1& form = *window.form;
    const QString other = window.Path("other.txt");
    WriteBytes(other, "9= 9.00");
    const QString target = window.Path("unsaved.rtf");
    window.Evaluate({"1+1"});
    if (!dirty)
        window.SaveAs(window.Path("saved.rtf"));
    window.boxes.saveChoice = choice;
    window.dialogs.saveAnswers << (saveDialogAccepts ? std::optional(FileDialogChoice{target, 0}) : std::nullopt);
    window.AcceptOpen(other);

    QAction* action = command == QLatin1String("New") ? CommandAction(form, DocumentCommand::New)
                    : command == QLatin1String("Open") ? CommandAction(form, DocumentCommand::Open) : CommandAction(form, DocumentCommand::Exit);
    window.Run(action);

    QCOMPARE(window.boxes.texts(FakeMessageBoxes::Kind::AskSaveChanges),
             asked ? QStringList{"Save changes to the results history?"} : QStringList());
    QCOMPARE(QFile::exists(target), saved);
    if (command == QLatin1String("Exit"))
        QCOMPARE(form.isVisible(), !proceeded);
    else
        QCOMPARE(window.HistoryLines(), proceeded ? (command == QLatin1String("New") ? QStringList() : QStringList{"9= 9.00"})
                                             : QStringList{"1+1= 2.00"});
}

void HistoryCommandsTest::closingTheWindowAsksToo()
{
    WindowFixture window;
    TForm1& form = *window.form;
    window.Evaluate({"1+1"});
    window.boxes.saveChoice = MessageBoxes::SaveChoice::Cancel;
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
    window.boxes.saveChoice = MessageBoxes::SaveChoice::Save;
    window.AcceptSave(window.Path("missing/r.rtf"));  // the save fails: stay open
    QVERIFY(!form.close());
    QCOMPARE(window.boxes.errors().size(), 1);
    // A second close request while the question is open (the desktop asking again) is refused,
    // and asks nothing more.
    int questions = 0;
    bool secondAccepted = true;
    window.boxes.onShow = [&](const FakeMessageBoxes::Call& call) {
        if (call.kind != FakeMessageBoxes::Kind::AskSaveChanges || ++questions > 1)
            return;
        QCloseEvent second;
        QApplication::sendEvent(&form, &second);
        secondAccepted = second.isAccepted();
    };
    window.boxes.saveChoice = MessageBoxes::SaveChoice::Discard;
    QVERIFY(form.close());
    QVERIFY(!secondAccepted);
    QCOMPARE(questions, 1);
}

void HistoryCommandsTest::printWithEmptyHistory()
{
    for (bool audio : {false, true}) {
        WindowFixture window;
        ItemNamed(*window.form, "MnuAudio")->setChecked(audio);
        QStringList spokenWhileNoticeOpen{"unset"};
        window.boxes.onShow = [&](const FakeMessageBoxes::Call&) { spokenWhileNoticeOpen = window.voice->spoken(); };
        window.Run(CommandAction(*window.form, DocumentCommand::Print));
        QCOMPARE(window.boxes.notices(), QStringList{"Nothing in results history to print"});
        QCOMPARE(spokenWhileNoticeOpen, QStringList());
        QCOMPARE(window.voice->spoken(), audio ? QStringList{"Nothing to print in results "} : QStringList());
        QCOMPARE(window.printing.jobs.size(), 0);
    }
}

void HistoryCommandsTest::printSendsOneJobNamedResults_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("a line and a line break") << QStringList{"1+1= 2.00", ""};  // not an empty history
    // A long history shares paragraphs among its lines; the printout still has every line.
    QStringList grouped;
    for (int i = 0; i < ferrolin::kLinesGroupedFrom + 3; ++i)
        grouped << QStringLiteral("%1*2= %2.00").arg(i).arg(2 * i);
    QTest::newRow("long history") << grouped;
}

void HistoryCommandsTest::printSendsOneJobNamedResults()
{
    QFETCH(QStringList, lines);
    WindowFixture window;
    window.SetHistory(lines);
    window.Run(CommandAction(*window.form, DocumentCommand::Print));
    QCOMPARE(window.printing.jobs.size(), 1);
    QCOMPARE(window.printing.jobs[0].name, QStringLiteral("Results"));
    QCOMPARE(window.printing.jobs[0].lines, lines);
    QCOMPARE(window.printing.jobs[0].fontFamily, HistoryBox(*window.form)->font().family());
    QCOMPARE(window.boxes.calls().size(), 0);
}

void HistoryCommandsTest::printFailures_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("invalid printer") << "Printer selected is not valid";
    QTest::newRow("no default printer") << "There is no default printer currently selected";
}

void HistoryCommandsTest::printFailures()
{
    QFETCH(QString, failure);
    WindowFixture window;
    window.Evaluate({"1+1"});
    window.printing.failWith = failure;
    window.Run(CommandAction(*window.form, DocumentCommand::Print));
    QTRY_COMPARE(window.boxes.errors(), QStringList{failure + QLatin1Char('.')});
    QCOMPARE(window.HistoryLines(), QStringList{"1+1= 2.00"});
}

void HistoryCommandsTest::printSetupUsesThePrinterDialog()
{
    WindowFixture window;
    window.Run(CommandAction(*window.form, DocumentCommand::PrintSetup));
    QCOMPARE(window.printing.setupCalls, 1);
    QCOMPARE(window.boxes.calls().size(), 0);
}

void HistoryCommandsTest::clearHistory_data()
{
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<bool>("audio");
    QTest::addColumn<QStringList>("spoken");
    QTest::newRow("empty, silent") << QStringList() << false << QStringList();
    QTest::newRow("empty, audio on: nothing said") << QStringList() << true << QStringList();
    QTest::newRow("lines, silent") << QStringList{"1+1= 2.00"} << false << QStringList();
    QTest::newRow("lines, audio on") << QStringList{"1+1= 2.00"} << true << QStringList{" Clear results history "};
    QTest::newRow("only a line break") << QStringList{"", ""} << true << QStringList{" Clear results history "};
}

void HistoryCommandsTest::clearHistory()
{
    QFETCH(QStringList, history);
    QFETCH(bool, audio);
    QFETCH(QStringList, spoken);
    WindowFixture window;
    TForm1& form = *window.form;
    window.Evaluate({"1+1"});
    window.SetHistory(history);
    window.SaveAs(window.Path("r.rtf"));
    InputBox(form)->setPlainText(QStringLiteral("3"));
    FunctionList(form)->setFocus();
    ItemNamed(form, "MnuAudio")->setChecked(audio);

    window.Run(CommandAction(form, DocumentCommand::ClearHistory));

    QCOMPARE(window.HistoryLines(), QStringList());
    QCOMPARE(window.voice->spoken(), spoken);
    QCOMPARE(form.LastExpression(), QStringLiteral("1+1"));
    QCOMPARE(InputBox(form)->toPlainText(), QStringLiteral("3"));
    QCOMPARE(form.Documents().ResultsFile().Filename(), window.Path("r.rtf"));
    QCOMPARE(InputBox(form)->hasFocus(), !history.isEmpty());
}

QTEST_MAIN(HistoryCommandsTest)
#include "HistoryCommandsTest.moc"
