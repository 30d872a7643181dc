// SPDX-License-Identifier: GPL-3.0-or-later
// The Enter key: evaluates on press from the text boxes, never types a line break. (On a keypad
// key or the function list it chooses that key or entry: KeyboardAccessTest.)
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>

#include "window/support/WindowFixture.h"

using ferrolin::FakeMessageBoxes;
using namespace ferrolin::testing;

class EnterKeyTest : public QObject {
    Q_OBJECT
private slots:
    void enterEvaluatesFromEveryControl_data();
    void enterEvaluatesFromEveryControl();
    void typedEnterNeverInsertsALineBreak();
    void failedExpressionStaysHoweverTheBoxIsDismissed_data();
    void failedExpressionStaysHoweverTheBoxIsDismissed();
    void autoRepeatDoesNotEvaluateAgain();
    void emptyBoxSaysEvaluateOnly();
    void shiftEnterBreaksTheLine();
};

void EnterKeyTest::enterEvaluatesFromEveryControl_data() {
    QTest::addColumn<QString>("focused");
    QTest::newRow("input box") << "RichEditInput";
    QTest::newRow("history box") << "RichEditOutput";
}

void EnterKeyTest::enterEvaluatesFromEveryControl() {
    QFETCH(QString, focused);
    WindowFixture window;
    window.SetAudio(true);
    window.SetInput(QStringLiteral("2+3"));
    auto* target = window.form->findChild<QWidget*>(focused);
    QVERIFY(target);
    target->setFocus();

    QTest::keyClick(target, Qt::Key_Return);

    QCOMPARE(window.HistoryLines(), QStringList{"2+3= 5.00"});
    QCOMPARE(window.Input(), QString());
    QCOMPARE(window.voice->spoken(), (QStringList{" Evaluate ", "Result = 5.00"}));
    QVERIFY(InputBox(*window.form)->hasFocus());
}

void EnterKeyTest::typedEnterNeverInsertsALineBreak() {
    WindowFixture window;
    window.Type(QStringLiteral("1+"));
    QTest::keyClick(InputBox(*window.form), Qt::Key_Enter);  // the keypad's Enter
    QCOMPARE(window.Input(), QStringLiteral("1+"));
    QTest::keyClicks(InputBox(*window.form), QStringLiteral("1"));
    QTest::keyClick(InputBox(*window.form), Qt::Key_Return);

    QCOMPARE(window.boxes.errors().size(), 1);
    QCOMPARE(window.HistoryLines(), QStringList{"1+1= 2.00"});
    QCOMPARE(window.Input(), QString());
}

void EnterKeyTest::failedExpressionStaysHoweverTheBoxIsDismissed_data() {
    QTest::addColumn<bool>("releaseReachesWindow");
    QTest::newRow("dismissed with the mouse, Space or Esc") << false;
    QTest::newRow("dismissed with Enter: its release reaches the window") << true;
}

void EnterKeyTest::failedExpressionStaysHoweverTheBoxIsDismissed() {
    QFETCH(bool, releaseReachesWindow);
    WindowFixture window;
    window.Type(QStringLiteral("sin 30"));
    bool releasedInBox = false;
    window.boxes.onShow = [&](const FakeMessageBoxes::Call&) {
        if (releaseReachesWindow) {
            // The box closes on the press of a second Enter; its release goes to the window.
            window.ReleaseEnter(InputBox(*window.form));
            releasedInBox = true;
        }
    };

    window.PressEnter(InputBox(*window.form));
    window.ReleaseEnter(InputBox(*window.form));

    QCOMPARE(releasedInBox, releaseReachesWindow);
    QCOMPARE(window.boxes.errors(), QStringList{"sin30\n\r Unable to evaluate sin30."});
    QCOMPARE(window.Input(), QStringLiteral("sin 30"));
    QCOMPARE(window.HistoryLines(), QStringList{});
}

void EnterKeyTest::autoRepeatDoesNotEvaluateAgain() {
    WindowFixture window;
    window.Type(QStringLiteral("4*"));
    window.PressEnter(InputBox(*window.form));
    for (int repeat = 0; repeat < 3; ++repeat) {
        window.PressEnter(InputBox(*window.form), /*autoRepeat=*/true);
    }
    window.ReleaseEnter(InputBox(*window.form));

    QCOMPARE(window.boxes.errors().size(), 1);
    QCOMPARE(window.Input(), QStringLiteral("4*"));
}

void EnterKeyTest::emptyBoxSaysEvaluateOnly() {
    WindowFixture window;
    window.SetAudio(true);
    QTest::keyClick(InputBox(*window.form), Qt::Key_Return);

    QCOMPARE(window.voice->spoken(), QStringList{" Evaluate "});
    QCOMPARE(window.boxes.calls().size(), 0);
    QCOMPARE(window.Input(), QString());
}

void EnterKeyTest::shiftEnterBreaksTheLine() {
    WindowFixture window;
    window.Type(QStringLiteral("2+"));
    QTest::keyClick(InputBox(*window.form), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(InputBox(*window.form), QStringLiteral("3"));
    QCOMPARE(window.Input(), QStringLiteral("2+\n3"));
    QCOMPARE(window.HistoryLines(), QStringList{});

    QTest::keyClick(InputBox(*window.form), Qt::Key_Return);
    QCOMPARE(window.HistoryLines(), QStringList{"2+3= 5.00"});
}

QTEST_MAIN(EnterKeyTest)
#include "EnterKeyTest.moc"
