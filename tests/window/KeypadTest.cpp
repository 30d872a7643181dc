// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad's keys, Clear, Recall and "=", the function list, and where the focus goes.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>

#include "evaluator/FunctionTable.h"
#include "window/support/WindowFixture.h"

using namespace ferrolin::testing;

class KeypadTest : public QObject {
    Q_OBJECT
private slots:
    void textKeyInsertsAndSpeaks_data();
    void textKeyInsertsAndSpeaks();
    void keyReplacesTheSelection();
    void keysStaySilentWithAudioOff();
    void clearKey_data();
    void clearKey();
    void recallKey_data();
    void recallKey();
    void evaluateKeyFocus_data();
    void evaluateKeyFocus();
    void functionListOrderAndPhrases_data();
    void functionListOrderAndPhrases();
    void functionEntryPutsCaretBetweenBrackets();
    void functionEntryReplacesSelection();
    void clickOnSelectedEntryInsertsAgain();
    void audioItemToggles();
};

void KeypadTest::textKeyInsertsAndSpeaks_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("phrase");

    QTest::newRow("pi") << "ButtonPi" << "pi" << "pi" << " pi ";
    QTest::newRow("e") << "ButtonE" << "e" << "e" << " Eulers constant ";
    QTest::newRow("(") << "ButtonLeftBracket" << "(" << "(" << " left bracket ";
    QTest::newRow(",") << "ButtonComma" << "," << "," << " comma ";
    QTest::newRow(")") << "ButtonRightBracket" << ")" << ")" << " right bracket ";
    QTest::newRow("^") << "ButtonPower" << "^" << "^" << " power ";
    QTest::newRow("/") << "ButtonDivide" << "/" << "/" << " divide ";
    QTest::newRow("x inserts *") << "ButtonMultiply" << "x" << "*" << " multi ply ";
    QTest::newRow("-") << "ButtonSubtract" << "-" << "-" << " subtract ";
    QTest::newRow("+") << "ButtonAdd" << "+" << "+" << "add ";
    QTest::newRow(".") << "ButtonDecimal" << "." << "." << "decimal point ";
    for (int digit = 0; digit <= 9; ++digit) {
        const QString text = QString::number(digit);
        QTest::newRow(qPrintable(text)) << QStringLiteral("ButtonNum%1").arg(digit) << text << text
                                        << QStringLiteral(" %1 ").arg(digit);
    }
}

void KeypadTest::textKeyInsertsAndSpeaks() {
    QFETCH(QString, key);
    QFETCH(QString, caption);
    QFETCH(QString, inserted);
    QFETCH(QString, phrase);
    WindowFixture window;
    window.SetAudio(true);
    window.Type(QStringLiteral("12"));
    QTextCursor caret = InputBox(*window.form)->textCursor();
    caret.setPosition(1);  // between the digits
    InputBox(*window.form)->setTextCursor(caret);

    QCOMPARE(window.Key(qPrintable(key))->text(), caption);
    window.Click(qPrintable(key));

    QCOMPARE(window.Input(), QStringLiteral("1") + inserted + QStringLiteral("2"));
    QCOMPARE(InputBox(*window.form)->textCursor().position(), 1 + inserted.size());
    QVERIFY(InputBox(*window.form)->hasFocus());
    QCOMPARE(window.voice->spoken(), QStringList{phrase});
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

void KeypadTest::functionListOrderAndPhrases_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("phrase");

    const QList<QPair<QString, QString>> entries = {
        {"sin()", " sine "}, {"cos()", " cosine "}, {"tan()", " tangent "},
        {"degtorad()", " degree to radian "}, {"radtodeg()", " radian to degree "},
        {"arcsin()", " inverse sine "}, {"arccos()", " inverse cosine "},
        {"arctan()", " inverse tangent "}, {"cosecant()", " co-secant "}, {"secant()", " secant "},
        {"cotangent()", " co-tangent "}, {"degtograd()", " degree to gradian "},
        {"degtocycle()", " degree to cycle "}, {"radtograd()", " radian to gradian "},
        {"radtocycle()", " radian to cycle "}, {"gradtodeg()", " grad to degree "},
        {"gradtorad()", " grad  to radian "}, {"gradtocycle()", " grad to cycle "},
        {"cycletodeg()", " cycle to degree "}, {"cycletorad()", " cycle to radian "},
        {"cycletograd()", " cycle to gradian "}, {"sinh()", " sinh "}, {"cosh()", " cosh "},
        {"tanh()", " tanh "}, {"arcsinh()", " inverse sinh "}, {"arccosh()", " inverse cosh "},
        {"arctanh()", " inverse tanh "}, {"ln()", " logarithm to base e "},
        {"log2()", " logarithm to base 2 "}, {"log10()", " logarithm to base 10 "},
        {"exp()", " exponential "}, {"sqrt()", " square root "}, {"ceil()", " ceil "},
        {"floor()", " floor "}, {"factorial()", " factorial "}, {"random()", " random "},
        {"mean()", " mean "}, {"stddev()", " standard deviation "}, {"variance()", " variance "},
    };
    for (int row = 0; row < entries.size(); ++row) {
        QTest::newRow(qPrintable(entries[row].first)) << row << entries[row].first << entries[row].second;
    }
}

void KeypadTest::functionListOrderAndPhrases() {
    QFETCH(int, row);
    QFETCH(QString, entry);
    QFETCH(QString, phrase);
    WindowFixture window;
    QCOMPARE(FunctionList(*window.form)->count(), 39);
    QCOMPARE(FunctionList(*window.form)->item(row)->text(), entry);
    window.SetAudio(true);

    window.ClickFunction(row);

    QCOMPARE(window.Input(), entry);
    QCOMPARE(window.voice->spoken(), QStringList{phrase});
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
