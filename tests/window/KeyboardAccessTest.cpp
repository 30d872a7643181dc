// SPDX-License-Identifier: GPL-3.0-or-later
// The window from the keyboard alone, and what it tells a screen reader: access keys, F10, F1,
// Alt alone, keys and list entries chosen with Enter or Space, Up/Down recall, the Audio item's
// state, results announced, and the voice giving way to a screen reader.
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include "window/ScreenReaderAnnouncer.h"
#include "window/support/WindowFixture.h"

using ferrolin::FakeVoice;
using namespace ferrolin::testing;
using ferrolin::SpeechPriority;

Q_DECLARE_METATYPE(ferrolin::SpeechPriority)

namespace {

QStringList Captions(const QList<QAction*>& actions) {
    QStringList captions;
    for (const QAction* action : actions)
        if (!action->isSeparator()) captions << action->text();
    return captions;
}

}  // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT
private slots:
    void menusHaveAccessKeysAndKeepTheirWords();
    void altLetterOpensItsMenu_data();
    void altLetterOpensItsMenu();
    void altAloneShowsTheActiveTitle();
    void lateAltOfTheChordKeepsItsMenuOpen_data();
    void lateAltOfTheChordKeepsItsMenuOpen();
    void keyPostedToAClosedMenuReachesTheFocus();
    void f10OpensTheFirstMenu();
    void f1OpensTheGuide();
    void audioItemSaysCheckedAndNotChecked();
    void enterOnAFocusedKeyPressesIt_data();
    void enterOnAFocusedKeyPressesIt();
    void functionListBrowsesWithoutInserting_data();
    void functionListBrowsesWithoutInserting();
    void functionListInsertsOnEnterOrSpace_data();
    void functionListInsertsOnEnterOrSpace();
    void upAndDownRecall_data();
    void upAndDownRecall();
    void upAndDownMoveBetweenLinesOfALongExpression();
    void everyResultIsAnnounced();
    void phrasesGiveWayToAScreenReader_data();
    void phrasesGiveWayToAScreenReader();
};

void KeyboardAccessTest::menusHaveAccessKeysAndKeepTheirWords() {
    WindowFixture window;
    auto& form = *window.form;
    const QStringList titles = Captions(form.menuBar()->actions());
    QCOMPARE(titles.mid(0, 4), (QStringList{"&File", "&Edit", "&Options", "&Help"}));
    QCOMPARE(Captions(MenuNamed(form, "MnuOptions")->actions()), (QStringList{"&Audio", "&Precision"}));
    QCOMPARE(Captions(MenuNamed(form, "HelpMenu")->actions()), (QStringList{"&Quick Start Guide", "&About"}));
    QCOMPARE(Captions(MenuNamed(form, "mnuPrecision")->actions()).first(), QStringLiteral("&1 Decimal Places"));
    // One access key per letter within each menu, so each one opens or chooses at once.
    for (QMenu* menu : {MenuNamed(form, "FileMenu"), MenuNamed(form, "EditMenu"), MenuNamed(form, "MnuOptions"), MenuNamed(form, "HelpMenu"), MenuNamed(form, "mnuPrecision")}) {
        QSet<QString> keys;
        for (const QAction* item : menu->actions()) {
            const QString key = QKeySequence::mnemonic(item->text()).toString();
            QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(menu->title() + ": " + key));
            keys.insert(key);
        }
    }
}

void KeyboardAccessTest::altLetterOpensItsMenu_data() {
    QTest::addColumn<int>("letter");
    QTest::addColumn<QString>("menu");
    QTest::newRow("Alt+F") << int(Qt::Key_F) << "FileMenu";
    QTest::newRow("Alt+E") << int(Qt::Key_E) << "EditMenu";
    QTest::newRow("Alt+O") << int(Qt::Key_O) << "MnuOptions";
    QTest::newRow("Alt+H") << int(Qt::Key_H) << "HelpMenu";
}

void KeyboardAccessTest::altLetterOpensItsMenu() {
    QFETCH(int, letter);
    QFETCH(QString, menu);
    WindowFixture window;
    window.Type(QStringLiteral("1+"));
    auto* opened = window.form->findChild<QMenu*>(menu);
    QTest::keyClick(InputBox(*window.form), Qt::Key(letter), Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(opened->isVisible(), 5000);
    opened->close();
    QCOMPARE(window.Input(), QStringLiteral("1+"));  // nothing typed into the expression
}

void KeyboardAccessTest::altAloneShowsTheActiveTitle() {
    WindowFixture window;
    QMenuBar* bar = window.form->menuBar();
    const QImage before = bar->grab().toImage();

    QTest::keyPress(InputBox(*window.form), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(InputBox(*window.form), Qt::Key_Alt);

    QCOMPARE(bar->activeAction(), MenuNamed(*window.form, "FileMenu")->menuAction());
    QVERIFY(bar->hasFocus());
    const QRect title = bar->actionGeometry(MenuNamed(*window.form, "FileMenu")->menuAction());
    QVERIFY2(bar->grab().toImage().copy(title) != before.copy(title), "the active title looks as before");
    QTest::keyClick(bar, Qt::Key_Escape);
}

// With a screen reader, the Alt press of a quick Alt+F arrives after the menu opened (the
// accessibility bridge posts it again late); only that one press is the chord's.
void KeyboardAccessTest::lateAltOfTheChordKeepsItsMenuOpen_data() {
    QTest::addColumn<QList<bool>>("posted");  // each Alt press: posted late by the bridge, else typed
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("the chord's Alt, late") << QList<bool>{true} << true;
    QTest::newRow("the chord's Alt, then Alt again") << QList<bool>{true, true} << false;
    QTest::newRow("Alt typed") << QList<bool>{false} << false;
}

void KeyboardAccessTest::lateAltOfTheChordKeepsItsMenuOpen() {
    QFETCH(QList<bool>, posted);
    QFETCH(bool, staysOpen);
    WindowFixture window;
    QMenu* file = MenuNamed(*window.form, "FileMenu");
    QTest::keyClick(InputBox(*window.form), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(file->isVisible(), 5000);
    for (bool late : posted) {
        if (late) {  // what the bridge posts is not spontaneous
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
            QApplication::sendEvent(file, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
            QApplication::sendEvent(file, &release);
        } else {
            QTest::keyClick(file, Qt::Key_Alt, Qt::AltModifier);
        }
    }
    QCOMPARE(file->isVisible(), staysOpen);
    file->close();
}

// A key the bridge posts to a menu that closed while it held the key reaches the focus widget.
void KeyboardAccessTest::keyPostedToAClosedMenuReachesTheFocus() {
    WindowFixture window;
    QMenu* file = MenuNamed(*window.form, "FileMenu");
    QTest::keyClick(InputBox(*window.form), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(file->isVisible(), 5000);
    file->close();
    InputBox(*window.form)->setFocus();
    QKeyEvent late(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QApplication::sendEvent(file, &late);
    QCOMPARE(window.Input(), QStringLiteral("7"));
}

void KeyboardAccessTest::f10OpensTheFirstMenu() {
    WindowFixture window;
    QTest::keyClick(InputBox(*window.form), Qt::Key_F10);
    QTRY_VERIFY_WITH_TIMEOUT(MenuNamed(*window.form, "FileMenu")->isVisible(), 5000);
    MenuNamed(*window.form, "FileMenu")->close();
}

void KeyboardAccessTest::f1OpensTheGuide() {
    WindowFixture window;
    QString opened;
    window.form->Help().SetWindowRunner([&](QDialog& shown) {
        opened = shown.windowTitle();
        return int(QDialog::Rejected);
    });
    QTest::keyClick(InputBox(*window.form), Qt::Key_F1);
    QTRY_COMPARE_WITH_TIMEOUT(opened, QStringLiteral("Quick Start Guide"), 5000);
}

void KeyboardAccessTest::audioItemSaysCheckedAndNotChecked() {
    WindowFixture window;
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(ItemNamed(*window.form, "MnuAudio"));
    QVERIFY(item);
    QCOMPARE(item->role(), QAccessible::MenuItem);
    QCOMPARE(item->parent()->object(), MenuNamed(*window.form, "MnuOptions"));
    QCOMPARE(item->parent()->indexOfChild(item), 0);  // the screen reader finds it in its menu
    for (bool on : {false, true, false}) {
        // The screen reader adds "checked" for the checked state.
        QCOMPARE(item->text(QAccessible::Name), on ? QStringLiteral("Audio") : QStringLiteral("Audio, not checked"));
        QCOMPARE(item->state().checkable, true);
        QCOMPARE(item->state().checked, on);
        QCOMPARE(window.form->Speech().IsOn(), on);
        // Pressed through the accessibility interface, as a screen reader would.
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
}

void KeyboardAccessTest::enterOnAFocusedKeyPressesIt_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<QStringList>("spoken");
    QTest::newRow("a digit") << "ButtonNum7" << "2+37" << QStringList{} << QStringList{" 7 "};
    QTest::newRow("x") << "ButtonMultiply" << "2+3*" << QStringList{} << QStringList{" multi ply "};
    QTest::newRow("=") << "ButtonEvaluate" << "" << QStringList{"2+3= 5.00"}
                       << QStringList{" Evaluate ", "Result = 5.00"};
    QTest::newRow("Clear") << "ButtonClear" << "" << QStringList{} << QStringList{" clear "};
    QTest::newRow("Recall") << "ButtonRecall" << "2+3" << QStringList{} << QStringList{" recall last expression"};
}

void KeyboardAccessTest::enterOnAFocusedKeyPressesIt() {
    QFETCH(QString, key);
    QFETCH(QString, input);
    QFETCH(QStringList, history);
    QFETCH(QStringList, spoken);
    WindowFixture window;
    window.SetAudio(true);
    window.SetInput(QStringLiteral("2+3"));
    QPushButton* button = window.Key(key.toLatin1().constData());
    button->setFocus();

    window.PressEnter(button);
    window.ReleaseEnter(QApplication::focusWidget());  // what the key inserted stays

    QCOMPARE(window.Input(), input);
    QCOMPARE(window.HistoryLines(), history);
    QCOMPARE(window.voice->spoken(), spoken);
}

void KeyboardAccessTest::functionListBrowsesWithoutInserting_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("selected");
    QTest::newRow("Down twice") << QList<int>{Qt::Key_Down, Qt::Key_Down} << "tan()";
    QTest::newRow("Down then Up") << QList<int>{Qt::Key_Down, Qt::Key_Up} << "sin()";
    QTest::newRow("End") << QList<int>{Qt::Key_End} << "variance()";
    QTest::newRow("End then Home") << QList<int>{Qt::Key_End, Qt::Key_Home} << "sin()";
    QTest::newRow("a letter") << QList<int>{Qt::Key_C} << "cos()";
    QTest::newRow("a letter then Down") << QList<int>{Qt::Key_C, Qt::Key_Down} << "tan()";
}

void KeyboardAccessTest::functionListBrowsesWithoutInserting() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, selected);
    WindowFixture window;
    window.SetAudio(true);
    QListWidget* list = FunctionList(*window.form);
    list->setFocus();
    for (int key : keys) QTest::keyClick(list, Qt::Key(key));

    QCOMPARE(list->currentItem()->text(), selected);
    QCOMPARE(window.Input(), QString());
    QVERIFY(list->hasFocus());
    QCOMPARE(window.voice->spoken(), QStringList{});
}

void KeyboardAccessTest::functionListInsertsOnEnterOrSpace_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void KeyboardAccessTest::functionListInsertsOnEnterOrSpace() {
    QFETCH(int, key);
    WindowFixture window;
    window.SetAudio(true);
    window.Type(QStringLiteral("2*"));
    QListWidget* list = FunctionList(*window.form);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);  // the first Down from Tab lands on cos()

    QTest::keyClick(list, Qt::Key(key));

    QCOMPARE(window.Input(), QStringLiteral("2*cos()"));
    QCOMPARE(InputBox(*window.form)->textCursor().position(), 6);
    QVERIFY(InputBox(*window.form)->hasFocus());
    QCOMPARE(window.voice->spoken(), QStringList{" cosine "});
    QCOMPARE(window.HistoryLines(), QStringList{});
}

void KeyboardAccessTest::upAndDownRecall_data() {
    // The keys reach the walk (EvaluateCommandTest walks it through) and the box's own typing ends it.
    QTest::addColumn<QString>("keys");  // U = Up, D = Down, t = type "9"
    QTest::addColumn<QString>("shown");
    QTest::newRow("Up: the newest") << "U" << "3*3";
    QTest::newRow("Down ends at the typing") << "UUDD" << "1-";
    QTest::newRow("typing starts a new walk") << "UUtU" << "3*3";
}

void KeyboardAccessTest::upAndDownRecall() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    WindowFixture window;
    for (const QString& expression : {QStringLiteral("2+2"), QStringLiteral("sin 0"), QStringLiteral("3*3")}) {
        window.SetInput(expression);
        QTest::keyClick(InputBox(*window.form), Qt::Key_Return);
    }
    // "sin 0" failed, so it is never recalled.
    QCOMPARE(window.HistoryLines(), (QStringList{"2+2= 4.00", "3*3= 9.00"}));
    window.SetInput(QString());
    window.Type(QStringLiteral("1-"));
    for (const QChar key : keys) {
        if (key == QLatin1Char('t'))
            QTest::keyClicks(InputBox(*window.form), QStringLiteral("9"));
        else
            QTest::keyClick(InputBox(*window.form), key == QLatin1Char('U') ? Qt::Key_Up : Qt::Key_Down);
    }
    QCOMPARE(window.Input(), shown);
    QCOMPARE(InputBox(*window.form)->textCursor().position(), shown.size());
}

void KeyboardAccessTest::upAndDownMoveBetweenLinesOfALongExpression() {
    WindowFixture window;
    window.Type(QStringLiteral("4/2"));
    QTest::keyClick(InputBox(*window.form), Qt::Key_Return);
    window.SetInput(QStringLiteral("1+\n2"));
    QTest::keyClick(InputBox(*window.form), Qt::Key_Up);  // to the first line
    QCOMPARE(window.Input(), QStringLiteral("1+\n2"));
    QTest::keyClick(InputBox(*window.form), Qt::Key_Up);  // now recalls
    QCOMPARE(window.Input(), QStringLiteral("4/2"));
    QTest::keyClick(InputBox(*window.form), Qt::Key_Down);
    QCOMPARE(window.Input(), QStringLiteral("1+\n2"));
}

void KeyboardAccessTest::everyResultIsAnnounced() {
    WindowFixture window;
    QSignalSpy announced(window.form->findChild<ferrolin::ScreenReaderAnnouncer*>(), &ferrolin::ScreenReaderAnnouncer::Announced);
    window.Type(QStringLiteral("2+3"));
    QTest::keyClick(InputBox(*window.form), Qt::Key_Return);
    window.Click("ButtonNum7");
    window.Click("ButtonEvaluate");
    window.Type(QStringLiteral("sin 30"));
    QTest::keyClick(InputBox(*window.form), Qt::Key_Return);  // an error: its box is read, not announced

    QStringList texts;
    for (const QList<QVariant>& call : announced) texts << call.at(0).toString();
    QCOMPARE(texts, (QStringList{"2+3= 5.00", "7= 7.00"}));
    QVERIFY(InputBox(*window.form)->hasFocus());
}

void KeyboardAccessTest::phrasesGiveWayToAScreenReader_data() {
    QTest::addColumn<bool>("screenReader");
    QTest::addColumn<QStringList>("spoken");
    QTest::addColumn<SpeechPriority>("priority");
    QTest::newRow("alone: every phrase, queued")
        << false << QStringList{" 2 ", "add ", " 3 ", " Evaluate ", "Result = 5.00"} << SpeechPriority::Message;
    QTest::newRow("with a screen reader: it reads the result")
        << true << QStringList{" 2 ", "add ", " 3 ", " Evaluate "} << SpeechPriority::Text;
}

void KeyboardAccessTest::phrasesGiveWayToAScreenReader() {
    QFETCH(bool, screenReader);
    QFETCH(QStringList, spoken);
    QFETCH(SpeechPriority, priority);
    WindowFixture window;
    window.screenReader = screenReader;
    window.SetAudio(true);
    for (const char* key : {"ButtonNum2", "ButtonAdd", "ButtonNum3", "ButtonEvaluate"}) window.Click(key);

    QCOMPARE(window.voice->spoken(), spoken);
    for (const FakeVoice::Event& event : window.voice->events()) QCOMPARE(event.priority, priority);
    QCOMPARE(window.HistoryLines(), QStringList{"2+3= 5.00"});
}

QTEST_MAIN(KeyboardAccessTest)
#include "KeyboardAccessTest.moc"
