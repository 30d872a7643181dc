// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluate cycle: history lines, the error box, precision, the decimal separator, notices.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QEvent>
#include <QTest>
#include <QTextEdit>

#include "window/support/WindowFixture.h"

using ferrolin::FakeMessageBoxes;
using namespace ferrolin::testing;

class EvaluateCycleTest : public QObject {
    Q_OBJECT
private slots:
    void successfulEvaluation_data();
    void successfulEvaluation();
    void failedEvaluation_data();
    void failedEvaluation();
    void emptyInputDoesNothing();
    void linesAreTrimmedAndJoined_data();
    void linesAreTrimmedAndJoined();
    void decimalSeparatorFollowsTheLocale();
    void notEnoughParametersNoticeThenTheLine();
    void noticeComesBeforeTheErrorBox();
    void evaluationAskedForWhileTheNoticeIsOpenIsRefused();
    void caretStandsWhereReadingStopped_data();
    void caretStandsWhereReadingStopped();
    void errorKeepsHistoryAndLastExpression();
    void resultIsSpokenBeforeTheLineWhenAudioIsOn();
    void speechFailureNeverStopsTheEvaluation();
    void precisionItemsAreOneGroupWithoutCheckMarks();
    void precisionOutsideTheRangeChangesNothing_data();
    void precisionOutsideTheRangeChangesNothing();
};

void EvaluateCycleTest::successfulEvaluation_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("line");

    QTest::newRow("sum") << "2+3" << 2 << "2+3= 5.00";
    QTest::newRow("trailing blank trimmed") << "sin(pi/6) " << 2 << "sin(pi/6)= 0.50";
    QTest::newRow("inner blanks and case kept") << "2 * PI" << 2 << "2 * PI= 6.28";
    QTest::newRow("one place") << "1/3" << 1 << "1/3= 0.3";
    QTest::newRow("two places") << "1/3" << 2 << "1/3= 0.33";
    QTest::newRow("three places") << "1/3" << 3 << "1/3= 0.333";
    QTest::newRow("four places") << "1/3" << 4 << "1/3= 0.3333";
    QTest::newRow("five places") << "1/3" << 5 << "1/3= 0.33333";
    QTest::newRow("six places") << "1/3" << 6 << "1/3= 0.333333";
    QTest::newRow("half up on decimal form") << "2.675" << 2 << "2.675= 2.68";
    QTest::newRow("no negative zero") << "-0.004" << 2 << "-0.004= 0.00";
    QTest::newRow("exponent form, two places") << "10^18" << 2 << "10^18= 1E18";
    QTest::newRow("exponent form, four places") << "10^18" << 4 << "10^18= 1E0018";
    QTest::newRow("NaN result") << "factorial(16)" << 2 << "factorial(16)= NAN";
    QTest::newRow("six places, whole number") << "2+3" << 6 << "2+3= 5.000000";
}

void EvaluateCycleTest::successfulEvaluation() {
    QFETCH(QString, input);
    QFETCH(int, precision);
    QFETCH(QString, line);
    WindowFixture window;
    window.ChoosePrecision(precision);
    window.SetInput(input);

    window.form->EvaluateInput();

    QCOMPARE(window.boxes.calls().size(), 0);
    QCOMPARE(window.HistoryLines(), QStringList{line});
    QCOMPARE(window.Input(), QString());
    QCOMPARE(InputBox(*window.form)->textCursor().position(), 0);
    QCOMPARE(window.form->LastExpression(), line.left(line.indexOf(QStringLiteral("= "))));
}

void EvaluateCycleTest::failedEvaluation_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("boxText");

    QTest::newRow("division by zero") << "1/0" << "Floating point division by zero.";
    QTest::newRow("invalid operation") << "0/0" << "Invalid floating point operation.";
    QTest::newRow("overflow") << "exp(100000)" << "Floating point overflow.";
    QTest::newRow("missing operand: no full stop after a blank") << "2+" << "2+\n\r Missing operand ";
    QTest::newRow("blanks only: empty quoted part") << "   " << "\n\r Missing operand ";
    QTest::newRow("line breaks only") << "\n\n" << "\n\r Missing operand ";
    QTest::newRow("missing right bracket: ends in a quote")
        << "(2+3" << "(2+3\n\r Missing right bracket \")\"";
    QTest::newRow("missing left bracket: ends in a blank")
        << "sin+1" << "sin+\n\rMissing left bracket \"(\" ";
    QTest::newRow("unable to evaluate: ends in a letter") << "sin 30" << "sin30\n\r Unable to evaluate sin30.";
    QTest::newRow("trailing token") << "2+3)" << ")\n\rInvalid expression. Clear and start again.";
    QTest::newRow("characters after the token")
        << "2+3)4" << "2+3)\n\rInvalid expression. Clear and start again.";
}

void EvaluateCycleTest::failedEvaluation() {
    QFETCH(QString, input);
    QFETCH(QString, boxText);
    WindowFixture window;
    window.SetInput(input);

    window.form->EvaluateInput();

    QCOMPARE(window.boxes.calls().size(), 1);
    const FakeMessageBoxes::Call& box = window.boxes.calls().front();
    QCOMPARE(box.kind, FakeMessageBoxes::Kind::Error);
    QCOMPARE(box.title, window.form->ApplicationTitle());
    QCOMPARE(box.text, boxText);
    QCOMPARE(box.owner.data(), window.form.get());
    QCOMPARE(window.Input(), input);
    QCOMPARE(window.HistoryLines(), QStringList{});
}

void EvaluateCycleTest::emptyInputDoesNothing() {
    WindowFixture window;
    window.SetAudio(true);
    window.Key("ButtonEvaluate")->setFocus();

    window.Click("ButtonEvaluate");

    QCOMPARE(window.voice->spoken(), QStringList{" Evaluate "});
    QCOMPARE(window.boxes.calls().size(), 0);
    QCOMPARE(window.HistoryLines(), QStringList{});
    QVERIFY(window.Key("ButtonEvaluate")->hasFocus());
}

void EvaluateCycleTest::linesAreTrimmedAndJoined_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("line");

    QTest::newRow("two lines") << "2+\n3" << "2+3= 5.00";
    QTest::newRow("blanks and tabs around lines") << "  2 +\t\n\t 3  \n" << "2 +3= 5.00";
    QTest::newRow("line separator inside a paragraph") << QString("2*\u2028" "4") << "2*4= 8.00";
    QTest::newRow("empty lines between") << "1\n\n\n+1" << "1+1= 2.00";
}

void EvaluateCycleTest::linesAreTrimmedAndJoined() {
    QFETCH(QString, input);
    QFETCH(QString, line);
    WindowFixture window;
    window.SetInput(input);

    window.form->EvaluateInput();

    QCOMPARE(window.boxes.errors(), QStringList{});
    QCOMPARE(window.HistoryLines(), QStringList{line});
}

void EvaluateCycleTest::decimalSeparatorFollowsTheLocale() {
    WindowFixture window(QStringLiteral(","));
    window.SetInput(QStringLiteral("1/4"));
    window.form->EvaluateInput();
    // List elements are read with the regional separator too, so "." no longer works there.
    window.SetInput(QStringLiteral("mean(1.5,2)"));
    window.form->EvaluateInput();
    QCOMPARE(window.boxes.errors(), QStringList{"'1.5' is not a valid floating point value."});
    window.boxes.clear();

    window.separator = QStringLiteral(".");
    window.SetInput(QStringLiteral("1/4"));
    window.form->EvaluateInput();  // not re-read yet: no change was announced
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(window.form.get(), &change);
    window.SetInput(QStringLiteral("1/4"));
    window.form->EvaluateInput();

    QCOMPARE(window.boxes.errors(), QStringList{});
    QCOMPARE(window.HistoryLines(), (QStringList{"1/4= 0,25", "1/4= 0,25", "1/4= 0.25"}));
}

void EvaluateCycleTest::notEnoughParametersNoticeThenTheLine() {
    WindowFixture window;
    QStringList historyWhileNoticeShown;
    window.boxes.onShow = [&](const FakeMessageBoxes::Call&) { historyWhileNoticeShown = window.HistoryLines(); };
    window.SetInput(QStringLiteral("mean(3)"));

    window.form->EvaluateInput();

    QCOMPARE(window.boxes.calls().size(), 1);
    QCOMPARE(window.boxes.calls()[0].kind, FakeMessageBoxes::Kind::Notice);
    QCOMPARE(window.boxes.calls()[0].title, window.form->ApplicationTitle());
    QCOMPARE(window.boxes.calls()[0].text, QStringLiteral("Not enough parameters"));
    QCOMPARE(historyWhileNoticeShown, QStringList{});
    QCOMPARE(window.HistoryLines().size(), 1);
    QVERIFY(window.HistoryLines()[0].startsWith(QStringLiteral("mean(3)= ")));
    QCOMPARE(window.Input(), QString());
}

void EvaluateCycleTest::noticeComesBeforeTheErrorBox() {
    WindowFixture window;
    window.SetInput(QStringLiteral("mean(3)+1/0"));

    window.form->EvaluateInput();

    QCOMPARE(window.boxes.calls().size(), 2);
    QCOMPARE(window.boxes.calls()[0].kind, FakeMessageBoxes::Kind::Notice);
    QCOMPARE(window.boxes.calls()[1].kind, FakeMessageBoxes::Kind::Error);
    QCOMPARE(window.boxes.calls()[1].text, QStringLiteral("Floating point division by zero."));
    QCOMPARE(window.HistoryLines(), QStringList{});
}

// "=" pressed through its accessibility action while the notice is open, as a screen reader
// can: the click arrives inside the box's event loop and must not start a second evaluation.
void EvaluateCycleTest::evaluationAskedForWhileTheNoticeIsOpenIsRefused() {
    WindowFixture window;
    QPushButton* equals = window.Key("ButtonEvaluate");
    QSignalSpy clicks(equals, &QPushButton::clicked);
    int clicksWhileOpen = 0;
    QStringList historyWhileOpen;
    window.boxes.onShow = [&](const FakeMessageBoxes::Call&) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(equals);
        QVERIFY(button && button->actionInterface());
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(clicks.wait(5000));  // the box's own event loop delivers the click
        clicksWhileOpen = static_cast<int>(clicks.size());
        historyWhileOpen = window.HistoryLines();
    };
    window.SetInput(QStringLiteral("mean(3)"));

    window.form->EvaluateInput();

    QCOMPARE(clicksWhileOpen, 1);
    QCOMPARE(historyWhileOpen, QStringList{});
    QCOMPARE(window.boxes.calls().size(), 1);  // no second notice from a second evaluation
    QCOMPARE(window.HistoryLines().size(), 1);
    QVERIFY(window.HistoryLines()[0].startsWith(QStringLiteral("mean(3)= ")));
}

void EvaluateCycleTest::caretStandsWhereReadingStopped_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("caret");

    QTest::newRow("after the quoted part") << "(2+3" << 4;
    QTest::newRow("blanks and capitals count") << "  SIN + 1" << 7;
    QTest::newRow("before the unread rest") << "2+3)4*5" << 4;
    QTest::newRow("after the failing operand") << "1/0+2" << 3;
    QTest::newRow("on the second line") << "2+\n  (3" << 7;
    QTest::newRow("trailing blanks of a line skipped") << "(2 +  \n" << 4;
    QTest::newRow("non-ASCII counts once") << QString::fromUtf8("\u00e9+1") << 1;
    QTest::newRow("outside the basic plane: two units") << QString::fromUtf8("1+\xF0\x9F\x98\x80+2") << 4;
    QTest::newRow("blanks only: where the operand belongs") << "   " << 3;
}

void EvaluateCycleTest::caretStandsWhereReadingStopped() {
    QFETCH(QString, input);
    QFETCH(int, caret);
    WindowFixture window;
    window.SetInput(input);
    InputBox(*window.form)->moveCursor(QTextCursor::End);

    window.form->EvaluateInput();

    QCOMPARE(window.boxes.errors().size(), 1);
    QCOMPARE(InputBox(*window.form)->textCursor().position(), caret);
    QCOMPARE(InputBox(*window.form)->textCursor().hasSelection(), false);
    QCOMPARE(window.Input(), input);
}

void EvaluateCycleTest::errorKeepsHistoryAndLastExpression() {
    WindowFixture window;
    window.SetInput(QStringLiteral("6*7"));
    window.form->EvaluateInput();
    window.SetInput(QStringLiteral("6*"));
    window.form->EvaluateInput();

    QCOMPARE(window.HistoryLines(), QStringList{"6*7= 42.00"});
    QCOMPARE(window.form->LastExpression(), QStringLiteral("6*7"));
    window.Click("ButtonRecall");
    QCOMPARE(window.Input(), QStringLiteral("6*6*7"));
}

void EvaluateCycleTest::resultIsSpokenBeforeTheLineWhenAudioIsOn() {
    WindowFixture window;
    window.SetAudio(true);
    int linesWhenSpoken = -1;
    connect(HistoryBox(*window.form), &QTextEdit::textChanged, this, [&] {
        if (linesWhenSpoken < 0) {
            linesWhenSpoken = window.voice->spoken().size();
        }
    });
    window.SetInput(QStringLiteral("2+3"));

    window.Click("ButtonEvaluate");

    QCOMPARE(window.voice->spoken(), (QStringList{" Evaluate ", "Result = 5.00"}));
    QCOMPARE(linesWhenSpoken, 2);
}

void EvaluateCycleTest::speechFailureNeverStopsTheEvaluation() {
    WindowFixture window;
    window.SetAudio(true);
    window.voice->FailAlways(QStringLiteral("Speech service not available"));
    QSignalSpy failures(window.voice, &ferrolin::Voice::Failed);
    window.SetInput(QStringLiteral("2+3"));

    window.Click("ButtonEvaluate");
    window.SetInput(QStringLiteral("4"));
    window.Click("ButtonEvaluate");

    QCOMPARE(window.HistoryLines(), (QStringList{"2+3= 5.00", "4= 4.00"}));
    QTRY_COMPARE(window.boxes.errors(), QStringList{"Speech service not available."});
    // Every failed phrase has reported back, and whatever that queued has run: still one box.
    QTRY_COMPARE(failures.size(), window.voice->events().size());
    QCoreApplication::processEvents();
    QCOMPARE(window.boxes.errors().size(), 1);

    // Switching Audio off and on again reports the next failure once more.
    window.SetAudio(false);
    window.SetAudio(true);
    window.Click("ButtonNum1");
    QTRY_COMPARE(window.boxes.errors().size(), 2);
    QCOMPARE(window.Input(), QStringLiteral("1"));
}

void EvaluateCycleTest::precisionItemsAreOneGroupWithoutCheckMarks() {
    WindowFixture window;
    const QList<QAction*> items = MenuNamed(*window.form, "mnuPrecision")->actions();
    QCOMPARE(items.size(), 6);
    QCOMPARE(window.form->Precision(), 2);
    for (int places = 1; places <= 6; ++places) {
        QAction* item = items[places - 1];
        QCOMPARE(item->text().remove(QLatin1Char('&')), QStringLiteral("%1 Decimal Places").arg(places));
        QCOMPARE(item->actionGroup(), items.front()->actionGroup());
        QVERIFY(!item->isCheckable());
        item->trigger();
        QCOMPARE(window.form->Precision(), places);
    }
}

void EvaluateCycleTest::precisionOutsideTheRangeChangesNothing_data() {
    QTest::addColumn<QVariant>("data");
    QTest::newRow("zero") << QVariant(0);
    QTest::newRow("seven") << QVariant(7);
    QTest::newRow("negative") << QVariant(-3);
    QTest::newRow("not a number") << QVariant(QStringLiteral("x"));
    QTest::newRow("none") << QVariant();
}

// An item handed to the handler by other code (an accessibility action, a script) with a number
// of places the formatting does not know keeps the choice the user made.
void EvaluateCycleTest::precisionOutsideTheRangeChangesNothing() {
    QFETCH(QVariant, data);
    WindowFixture window;
    window.ChoosePrecision(4);
    QAction stray;
    stray.setData(data);
    window.form->PrecisionClick(&stray);
    window.form->PrecisionClick(nullptr);
    QCOMPARE(window.form->Precision(), 4);
    window.SetInput(QStringLiteral("1/3"));
    window.form->EvaluateInput();
    QCOMPARE(window.HistoryLines(), QStringList{"1/3= 0.3333"});
}

QTEST_MAIN(EvaluateCycleTest)
#include "EvaluateCycleTest.moc"
