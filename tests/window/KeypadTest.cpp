// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad's keys, Clear, Recall and "=", the function list, and where the focus goes.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>

#include "evaluator/FunctionTable.h"
#include "window/KeypadKeys.h"
#include "window/support/WindowFixture.h"

using namespace ferrolin::testing;

class KeypadTest : public QObject {
    Q_OBJECT
private slots:
    void everyKeyIsWiredToItsRow();
    void keyReplacesTheSelection();
    void keysStaySilentWithAudioOff();
    void clearKey_data();
    void clearKey();
    void recallKey_data();
    void recallKey();
    void evaluateKeyFocus_data();
    void evaluateKeyFocus();
    void functionListFollowsTheTable();
    void functionEntryPutsCaretBetweenBrackets();
    void functionEntryReplacesSelection();
    void clickOnSelectedEntryInsertsAgain();
    void audioItemToggles();
};

// Every key of the table, in one window: placed in the keypad under its name, captioned and
// named for screen readers; a text key inserts its text at the caret and says its phrase.
void KeypadTest::everyKeyIsWiredToItsRow() {
    WindowFixture window;
    window.SetAudio(true);
    for (const ferrolin::KeyDefinition& row : ferrolin::KeypadKeys()) {
        QPushButton* key = window.Key(row.objectName);
        QVERIFY2(key && key->parentWidget() == Keypad(*window.form), row.objectName);
        QCOMPARE(key->text(), QString::fromUtf8(row.caption));
        QVERIFY2(!QString::fromUtf8(row.accessibleName).isEmpty(), row.objectName);
        QCOMPARE(key->accessibleName(), QString::fromUtf8(row.accessibleName));
        if (row.kind != ferrolin::KeyDefinition::Kind::Text) continue;
        window.SetInput(QStringLiteral("12"));
        QTextCursor caret = InputBox(*window.form)->textCursor();
        caret.setPosition(1);  // between the digits
        InputBox(*window.form)->setTextCursor(caret);
        window.voice->clear();

        window.Click(row.objectName);

        const QString inserted = QString::fromUtf8(row.inserts);
        QCOMPARE(window.Input(), QStringLiteral("1") + inserted + QStringLiteral("2"));
        QCOMPARE(InputBox(*window.form)->textCursor().position(), 1 + inserted.size());
        QVERIFY(InputBox(*window.form)->hasFocus());
        QCOMPARE(window.voice->spoken(), QStringList{QString::fromUtf8(row.phrase)});
    }
    QCOMPARE(window.boxes.calls().size(), 0);
}

void KeypadTest::keyReplacesTheSelection() {
    WindowFixture window;
    window.SetInput(QStringLiteral("1+2+3"));
    QTextCursor selection = InputBox(*window.form)->textCursor();
    selection.setPosition(1);
    selection.setPosition(4, QTextCursor::KeepAnchor);  // "+2+"
    InputBox(*window.form)->setTextCursor(selection);

    window.Click("ButtonMultiply");

    QCOMPARE(window.Input(), QStringLiteral("1*3"));
}

void KeypadTest::keysStaySilentWithAudioOff() {
    WindowFixture window;
    for (const char* key : {"ButtonNum1", "ButtonAdd", "ButtonNum2", "ButtonRecall", "ButtonEvaluate"}) {
        window.Click(key);
    }
    window.ClickFunction(0);
    window.Click("ButtonClear");

    QCOMPARE(window.voice->events().size(), 0);
    QCOMPARE(window.HistoryLines(), QStringList{"1+2= 3.00"});
}

void KeypadTest::clearKey_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("spoken");
    QTest::addColumn<bool>("focusOnInput");

    QTest::newRow("text is cleared") << "2+3" << QStringList{" clear "} << true;
    QTest::newRow("a line break alone is text") << "\n" << QStringList{" clear "} << true;
    QTest::newRow("empty box: nothing at all") << "" << QStringList{} << false;
}

void KeypadTest::clearKey() {
    QFETCH(QString, input);
    QFETCH(QStringList, spoken);
    QFETCH(bool, focusOnInput);
    WindowFixture window;
    window.SetAudio(true);
    window.SetInput(input);

    window.Click("ButtonClear");

    QCOMPARE(window.Input(), QString());
    QCOMPARE(window.voice->spoken(), spoken);
    QCOMPARE(InputBox(*window.form)->hasFocus(), focusOnInput);
    QCOMPARE(window.Key("ButtonClear")->hasFocus(), !focusOnInput);
}

void KeypadTest::recallKey_data() {
    QTest::addColumn<QString>("evaluated");  // empty: nothing evaluated yet
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("selectFrom");     // -1: no selection, caret at the end
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing evaluated yet") << "" << "" << -1 << "";
    QTest::newRow("added at the caret") << "2 + 3" << "10*" << -1 << "10*2 + 3";
    QTest::newRow("replaces a selection") << "7" << "1+45" << 2 << "1+7";
    QTest::newRow("nothing evaluated deletes the selection") << "" << "1+45" << 2 << "1+";
}

void KeypadTest::recallKey() {
    QFETCH(QString, evaluated);
    QFETCH(QString, input);
    QFETCH(int, selectFrom);
    QFETCH(QString, expected);
    WindowFixture window;
    if (!evaluated.isEmpty()) {
        window.SetInput(evaluated);
        window.form->EvaluateInput();
    }
    window.SetAudio(true);
    window.SetInput(input);
    if (selectFrom >= 0) {
        QTextCursor selection = InputBox(*window.form)->textCursor();
        selection.setPosition(selectFrom, QTextCursor::KeepAnchor);
        InputBox(*window.form)->setTextCursor(selection);
    }

    window.Click("ButtonRecall");

    QCOMPARE(window.Input(), expected);
    QCOMPARE(window.voice->spoken(), QStringList{" recall last expression"});
    QVERIFY(InputBox(*window.form)->hasFocus());
}

void KeypadTest::evaluateKeyFocus_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("focusOnInput");
    QTest::addColumn<int>("historyLines");

    QTest::newRow("success: back to the input box") << "1+1" << true << 1;
    QTest::newRow("empty box: stays on the key") << "" << false << 0;
    QTest::newRow("failure: stays on the key") << "1+" << false << 0;
}

void KeypadTest::evaluateKeyFocus() {
    QFETCH(QString, input);
    QFETCH(bool, focusOnInput);
    QFETCH(int, historyLines);
    WindowFixture window;
    window.SetInput(input);

    window.Click("ButtonEvaluate");

    QCOMPARE(window.HistoryLines().size(), historyLines);
    QCOMPARE(InputBox(*window.form)->hasFocus(), focusOnInput);
    QCOMPARE(window.Key("ButtonEvaluate")->hasFocus(), !focusOnInput);
}

// The list shows the function table in its list order; an entry inserts itself and says its
// phrase.
void KeypadTest::functionListFollowsTheTable() {
    WindowFixture window;
    const auto functions = ferrolin::FunctionsInListOrder();
    QListWidget* list = FunctionList(*window.form);
    QCOMPARE(list->count(), static_cast<int>(functions.size()));
    for (int row = 0; row < list->count(); ++row) {
        const std::string_view name = functions[row]->name;
        QCOMPARE(list->item(row)->text(), QString::fromUtf8(name.data(), qsizetype(name.size())) + QStringLiteral("()"));
    }
    window.SetAudio(true);
    const int row = list->row(list->findItems(QStringLiteral("gradtorad()"), Qt::MatchExactly).value(0));

    window.ClickFunction(row);

    QCOMPARE(window.Input(), QStringLiteral("gradtorad()"));
    // Its phrase is said as it has always been written, double blank included.
    QCOMPARE(window.voice->spoken(), QStringList{" grad  to radian "});
}

void KeypadTest::functionEntryPutsCaretBetweenBrackets() {
    WindowFixture window;
    window.Type(QStringLiteral("2*"));
    QListWidget* list = FunctionList(*window.form);
    const QRect sinRow = list->visualItemRect(list->item(0));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, sinRow.center());

    QCOMPARE(window.Input(), QStringLiteral("2*sin()"));
    QCOMPARE(InputBox(*window.form)->textCursor().position(), 6);
    QVERIFY(InputBox(*window.form)->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
    QCOMPARE(window.Input(), QStringLiteral("2*sin(1)"));
}

void KeypadTest::functionEntryReplacesSelection() {
    WindowFixture window;
    window.SetInput(QStringLiteral("1+x+1"));
    QTextCursor selection = InputBox(*window.form)->textCursor();
    selection.setPosition(2);
    selection.setPosition(3, QTextCursor::KeepAnchor);
    InputBox(*window.form)->setTextCursor(selection);

    window.ClickFunction(31);  // sqrt()

    QCOMPARE(window.Input(), QStringLiteral("1+sqrt()+1"));
    QCOMPARE(InputBox(*window.form)->textCursor().position(), 7);
}

void KeypadTest::clickOnSelectedEntryInsertsAgain() {
    WindowFixture window;
    QListWidget* list = FunctionList(*window.form);
    const QPoint lnRow = list->visualItemRect(list->item(27)).center();

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, lnRow);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, lnRow);

    QCOMPARE(window.Input(), QStringLiteral("ln(ln())"));
}

void KeypadTest::audioItemToggles() {
    WindowFixture window;
    QVERIFY(ItemNamed(*window.form, "MnuAudio")->isCheckable());
    QVERIFY(!ItemNamed(*window.form, "MnuAudio")->isChecked());
    QVERIFY(!window.form->Speech().IsOn());
    for (bool expected : {true, false, true}) {
        ItemNamed(*window.form, "MnuAudio")->trigger();
        QCOMPARE(window.form->Speech().IsOn(), expected);
        QCOMPARE(ItemNamed(*window.form, "MnuAudio")->isChecked(), expected);
    }
}

QTEST_MAIN(KeypadTest)
#include "KeypadTest.moc"
