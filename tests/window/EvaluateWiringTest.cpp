// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluate command wired into the window: its boxes, its caret, its voice, the Precision
// items and the regional settings reach the real controls and services. What the command does
// is EvaluateCommandTest's.
#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include "window/support/WindowFixture.h"

using ferrolin::FakeMessageBoxes;
using namespace ferrolin::testing;

class EvaluateWiringTest : public QObject {
    Q_OBJECT
private slots:
    void noticeAndErrorBoxesWithTheCaretInTheBox();
    void resultIsSpokenBeforeTheLineWhenAudioIsOn();
    void speechFailureNeverStopsTheEvaluation();
    void precisionItemsChooseThePlaces();
    void localeChangeIsReadAgain();
};

void EvaluateWiringTest::noticeAndErrorBoxesWithTheCaretInTheBox() {
    WindowFixture window;
    window.SetInput(QStringLiteral("mean(3)+1/0+2"));

    window.form->EvaluateInput();

    QCOMPARE(window.boxes.calls().size(), 2);
    const FakeMessageBoxes::Call& notice = window.boxes.calls()[0];
    QCOMPARE(notice.kind, FakeMessageBoxes::Kind::Notice);
    QCOMPARE(notice.title, window.form->ApplicationTitle());
    const FakeMessageBoxes::Call& error = window.boxes.calls()[1];
    QCOMPARE(error.kind, FakeMessageBoxes::Kind::Error);
    QCOMPARE(error.title, window.form->ApplicationTitle());
    QCOMPARE(error.text, QStringLiteral("Floating point division by zero."));
    QCOMPARE(error.owner.data(), window.form.get());
    QCOMPARE(InputBox(*window.form)->textCursor().position(), 11);
    QCOMPARE(window.Input(), QStringLiteral("mean(3)+1/0+2"));
    QCOMPARE(window.HistoryLines(), QStringList{});
}

void EvaluateWiringTest::resultIsSpokenBeforeTheLineWhenAudioIsOn() {
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
    QCOMPARE(window.Input(), QString());
    QVERIFY(InputBox(*window.form)->hasFocus());
}

void EvaluateWiringTest::speechFailureNeverStopsTheEvaluation() {
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

void EvaluateWiringTest::precisionItemsChooseThePlaces() {
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
    window.ChoosePrecision(4);
    window.SetInput(QStringLiteral("1/3"));
    window.form->EvaluateInput();
    QCOMPARE(window.HistoryLines(), QStringList{"1/3= 0.3333"});
}

void EvaluateWiringTest::localeChangeIsReadAgain() {
    WindowFixture window(QStringLiteral(","));
    window.separator = QStringLiteral(".");
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(window.form.get(), &change);
    window.SetInput(QStringLiteral("1/4"));

    window.form->EvaluateInput();

    QCOMPARE(window.HistoryLines(), QStringList{"1/4= 0.25"});
}

QTEST_MAIN(EvaluateWiringTest)
#include "EvaluateWiringTest.moc"
