// SPDX-License-Identifier: GPL-3.0-or-later
// The File and Edit menus and the action list: items, captions, shortcuts, categories, hints,
// the edit commands' enabled state and effects, and which control a shortcut key reaches.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextEdit>

#include "window/support/WindowFixture.h"

using ferrolin::TForm1;
using namespace ferrolin::testing;
using ferrolin::DocumentCommand;

Q_DECLARE_METATYPE(ferrolin::DocumentCommand)

namespace {

QAction* ActionNamed(const TForm1& form, const QString& name)
{
    for (QAction* action : form.Documents().Actions())
        if (action->objectName() == name)
            return action;
    return nullptr;
}

// The enabled Edit commands, in a fixed order, as one readable string.
QString EnabledEditCommands(const TForm1& form)
{
    QStringList enabled;
    const std::pair<QAction*, const char*> actions[] = {
        {CommandAction(form, DocumentCommand::Undo), "Undo"}, {CommandAction(form, DocumentCommand::Cut), "Cut"},     {CommandAction(form, DocumentCommand::Copy), "Copy"},
        {CommandAction(form, DocumentCommand::Paste), "Paste"}, {CommandAction(form, DocumentCommand::Delete), "Delete"}, {CommandAction(form, DocumentCommand::SelectAll), "SelectAll"}};
    for (const auto& [action, name] : actions)
        if (action->isEnabled())
            enabled << QString::fromLatin1(name);
    return enabled.join(QLatin1Char(' '));
}

void Select(QTextEdit* box, int from, int to)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

}  // namespace

class DocumentMenusTest : public QObject {
    Q_OBJECT
private slots:
    void menusShowTheActionList();
    void fileCommandsAreAlwaysEnabled();
    void editEnabledState_data();
    void editEnabledState();
    void enabledStateFollowsFocusWithoutOpeningAMenu();
    void menuBarFocusKeepsTheEditTarget();
    void editCommands_data();
    void editCommands();
    void shortcutKeys_data();
    void shortcutKeys();
    void fileShortcutsRunTheirCommands();
};

// The menu items are the action list's actions: each in its category's menu once, found by its
// name like any control, and no two with the same shortcut. (One access key per letter:
// KeyboardAccessTest.)
void DocumentMenusTest::menusShowTheActionList()
{
    WindowFixture window;
    const QList<QAction*> items = MenuNamed(*window.form, "FileMenu")->actions() + MenuNamed(*window.form, "EditMenu")->actions();
    QSet<QString> shortcuts;
    for (QAction* action : window.form->Documents().Actions()) {
        const QString name = action->objectName();
        QCOMPARE(window.form->findChild<QAction*>(name), action);
        const QString menu = action->property("category").toString() + QStringLiteral("Menu");
        QCOMPARE(MenuNamed(*window.form, qPrintable(menu))->actions().count(action), 1);
        QCOMPARE(items.count(action), 1);
        QVERIFY2(action->icon().isNull(), qPrintable(name));
        const QString shortcut = action->shortcut().toString();
        QVERIFY2(shortcut.isEmpty() || !shortcuts.contains(shortcut), qPrintable(name + ": " + shortcut));
        shortcuts.insert(shortcut);
    }
    for (const QAction* item : items)
        QVERIFY2(item->isSeparator() || window.form->Documents().Actions().contains(item), qPrintable(item->objectName()));
}

void DocumentMenusTest::fileCommandsAreAlwaysEnabled()
{
    WindowFixture window;
    for (QWidget* focus : {static_cast<QWidget*>(InputBox(*window.form)),
                           static_cast<QWidget*>(FunctionList(*window.form))}) {
        focus->setFocus();
        emit MenuNamed(*window.form, "FileMenu")->aboutToShow();
        for (QAction* action : window.form->Documents().Actions())
            if (action->property("category") == QLatin1String("File") || action == CommandAction(*window.form, DocumentCommand::ClearHistory))
                QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
    }
}

void DocumentMenusTest::editEnabledState_data()
{
    QTest::addColumn<QString>("focus");      // input, history, list, key
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("typed");         // the text was typed, so the box can undo
    QTest::addColumn<QString>("enabled");

    QTest::newRow("empty input, empty clipboard") << "input" << "" << false << "" << false << "";
    QTest::newRow("empty input, text on clipboard") << "input" << "" << false << "7" << false << "Paste";
    QTest::newRow("input with text, no selection") << "input" << "1+2" << false << "" << false << "SelectAll";
    QTest::newRow("input with selection") << "input" << "1+2" << true << "" << false << "Cut Copy Delete SelectAll";
    QTest::newRow("typed input can undo") << "input" << "1+2" << false << "" << true << "Undo SelectAll";
    QTest::newRow("everything") << "input" << "1+2" << true << "x" << true << "Undo Cut Copy Paste Delete SelectAll";
    QTest::newRow("history, no selection") << "history" << "1+2= 3.00" << false << "x" << false << "SelectAll";
    QTest::newRow("history with selection") << "history" << "1+2= 3.00" << true << "x" << false << "Copy SelectAll";
    QTest::newRow("empty history") << "history" << "" << false << "x" << false << "";
    QTest::newRow("function list") << "list" << "1+2" << true << "x" << true << "";
    QTest::newRow("keypad key") << "key" << "1+2" << true << "x" << true << "";
}

void DocumentMenusTest::editEnabledState()
{
    QFETCH(QString, focus);
    QFETCH(QString, text);
    QFETCH(bool, selectAll);
    QFETCH(QString, clipboard);
    QFETCH(bool, typed);
    QFETCH(QString, enabled);
    WindowFixture window;
    TForm1& form = *window.form;
    QApplication::clipboard()->setText(clipboard);

    QTextEdit* box = focus == QLatin1String("history") ? HistoryBox(form) : InputBox(form);
    box->setFocus();
    if (typed)
        QTest::keyClicks(box, text);
    else
        box->setPlainText(text);
    if (selectAll)
        box->selectAll();
    if (focus == QLatin1String("list"))
        FunctionList(form)->setFocus();
    if (focus == QLatin1String("key"))
        Keypad(form)->findChildren<QPushButton*>().first()->setFocus();

    emit MenuNamed(form, "EditMenu")->aboutToShow();
    QCOMPARE(EnabledEditCommands(form), enabled);
}

void DocumentMenusTest::enabledStateFollowsFocusWithoutOpeningAMenu()
{
    WindowFixture window;
    TForm1& form = *window.form;
    QApplication::clipboard()->clear();
    InputBox(form)->setFocus();
    InputBox(form)->setPlainText(QStringLiteral("12"));
    QCOMPARE(EnabledEditCommands(form), QStringLiteral("SelectAll"));
    InputBox(form)->selectAll();
    QCOMPARE(EnabledEditCommands(form), QStringLiteral("Cut Copy Delete SelectAll"));
    QApplication::clipboard()->setText(QStringLiteral("3"));
    QCOMPARE(EnabledEditCommands(form), QStringLiteral("Cut Copy Paste Delete SelectAll"));
    FunctionList(form)->setFocus();
    QCOMPARE(EnabledEditCommands(form), QString());
    InputBox(form)->setFocus();
    QCOMPARE(EnabledEditCommands(form), QStringLiteral("Cut Copy Paste Delete SelectAll"));
}

void DocumentMenusTest::menuBarFocusKeepsTheEditTarget()
{
    // Opening the menus from the keyboard moves the focus to the menu bar; Copy must still copy
    // from the box the user was in.
    WindowFixture window;
    TForm1& form = *window.form;
    HistoryBox(form)->setPlainText(QStringLiteral("2+2= 4.00"));
    HistoryBox(form)->setFocus();
    HistoryBox(form)->selectAll();
    form.menuBar()->setFocus();
    QCOMPARE(form.Documents().EditTarget(), HistoryBox(form));
    emit MenuNamed(form, "EditMenu")->aboutToShow();
    QVERIFY(CommandAction(form, DocumentCommand::Copy)->isEnabled());
    CommandAction(form, DocumentCommand::Copy)->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2+2= 4.00"));
}

void DocumentMenusTest::editCommands_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("clipboardBefore");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<QString>("clipboardAfter");
    QTest::addColumn<QString>("selectedAfter");

    QTest::newRow("cut") << "EditCut1" << "12+34" << 2 << 5 << "" << "12" << "+34" << "";
    QTest::newRow("copy") << "EditCopy1" << "12+34" << 0 << 2 << "" << "12+34" << "12" << "12";
    QTest::newRow("paste replaces the selection") << "EditPaste1" << "12+34" << 3 << 5 << "56" << "12+56" << "56" << "";
    QTest::newRow("paste at the caret") << "EditPaste1" << "12" << 1 << 1 << "+" << "1+2" << "+" << "";
    QTest::newRow("delete erases the selection") << "EditDelete1" << "12+34" << 1 << 3 << "c" << "134" << "c" << "";
    QTest::newRow("select all") << "EditSelectAll1" << "12+34" << 1 << 1 << "c" << "12+34" << "c" << "12+34";
    QTest::newRow("disabled copy does nothing") << "EditCopy1" << "12" << 1 << 1 << "c" << "12" << "c" << "";
    QTest::newRow("disabled delete does nothing") << "EditDelete1" << "12" << 0 << 0 << "c" << "12" << "c" << "";
}

void DocumentMenusTest::editCommands()
{
    QFETCH(QString, action);
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, clipboardBefore);
    QFETCH(QString, textAfter);
    QFETCH(QString, clipboardAfter);
    QFETCH(QString, selectedAfter);
    WindowFixture window;
    TForm1& form = *window.form;
    QApplication::clipboard()->setText(clipboardBefore);
    InputBox(form)->setFocus();
    InputBox(form)->setPlainText(text);
    Select(InputBox(form), from, to);

    ActionNamed(form, action)->trigger();

    QCOMPARE(InputBox(form)->toPlainText(), textAfter);
    QCOMPARE(QApplication::clipboard()->text(), clipboardAfter);
    QCOMPARE(InputBox(form)->textCursor().selectedText(), selectedAfter);
}

void DocumentMenusTest::shortcutKeys_data()
{
    QTest::addColumn<QString>("box");  // input or history
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("clipboardBefore");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<QString>("clipboardAfter");

    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Delete erases the selection") << "input" << "12+34" << 1 << 4 << "" << int(Qt::Key_Delete) << 0 << "14" << "";
    QTest::newRow("Delete without selection deletes the next character")
        << "input" << "12+34" << 2 << 2 << "" << int(Qt::Key_Delete) << 0 << "1234" << "";
    QTest::newRow("Delete at the end does nothing") << "input" << "12" << 2 << 2 << "" << int(Qt::Key_Delete) << 0 << "12" << "";
    QTest::newRow("Ctrl+X cuts") << "input" << "12+34" << 0 << 3 << "" << int(Qt::Key_X) << ctrl << "34" << "12+";
    QTest::newRow("Ctrl+C copies") << "input" << "12+34" << 3 << 5 << "" << int(Qt::Key_C) << ctrl << "12+34" << "34";
    QTest::newRow("Ctrl+C without selection keeps the clipboard")
        << "input" << "12" << 1 << 1 << "old" << int(Qt::Key_C) << ctrl << "12" << "old";
    QTest::newRow("Ctrl+V pastes") << "input" << "12" << 2 << 2 << "*3" << int(Qt::Key_V) << ctrl << "12*3" << "*3";
    QTest::newRow("Ctrl+V with an empty clipboard") << "input" << "12" << 2 << 2 << "" << int(Qt::Key_V) << ctrl << "12" << "";
    QTest::newRow("Ctrl+A selects all") << "input" << "12+34" << 1 << 1 << "" << int(Qt::Key_A) << ctrl << "12+34" << "";
    QTest::newRow("Ctrl+C in the history") << "history" << "1+1= 2.00" << 0 << 3 << "" << int(Qt::Key_C) << ctrl << "1+1= 2.00" << "1+1";
    QTest::newRow("Ctrl+X in the history only leaves it alone")
        << "history" << "1+1= 2.00" << 0 << 3 << "old" << int(Qt::Key_X) << ctrl << "1+1= 2.00" << "old";
    QTest::newRow("Delete in the history does nothing")
        << "history" << "1+1= 2.00" << 0 << 3 << "" << int(Qt::Key_Delete) << 0 << "1+1= 2.00" << "";
}

void DocumentMenusTest::shortcutKeys()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, clipboardBefore);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, textAfter);
    QFETCH(QString, clipboardAfter);
    WindowFixture window;
    TForm1& form = *window.form;
    QApplication::clipboard()->setText(clipboardBefore);
    QTextEdit* target = box == QLatin1String("history") ? HistoryBox(form) : InputBox(form);
    target->setPlainText(text);
    target->setFocus();
    Select(target, from, to);

    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(target->toPlainText(), textAfter);
    QCOMPARE(QApplication::clipboard()->text(), clipboardAfter);
    if (key == Qt::Key_A)
        QCOMPARE(target->textCursor().selectedText(), text);
}

void DocumentMenusTest::fileShortcutsRunTheirCommands()
{
    WindowFixture window;
    TForm1& form = *window.form;
    InputBox(form)->setFocus();
    QTest::keyClick(InputBox(form), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(window.dialogs.count(ferrolin::FakeFileDialogs::Kind::Save), 1);
    QTest::keyClick(InputBox(form), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(window.dialogs.count(ferrolin::FakeFileDialogs::Kind::Open), 1);
    QTest::keyClick(InputBox(form), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(window.boxes.notices(), QStringList{"Nothing in results history to print"});
    InputBox(form)->setPlainText(QStringLiteral("1+1"));
    form.EvaluateInput();
    QCOMPARE(form.LastExpression(), QStringLiteral("1+1"));
    window.boxes.saveChoice = ferrolin::MessageBoxes::SaveChoice::Discard;
    QTest::keyClick(InputBox(form), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(form.LastExpression(), QString());
}

QTEST_MAIN(DocumentMenusTest)
#include "DocumentMenusTest.moc"
