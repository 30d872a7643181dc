// SPDX-License-Identifier: GPL-3.0-or-later
// What the window is made of: names, captions, menus, geometry, keyboard order, screen readers.
#include <QAccessible>
#include <QAccessibleEvent>
#include <QHash>
#include <QImage>
#include <QSet>
#include <utility>
#include <QFontInfo>
#include <QFontMetrics>
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QMessageBox>
#include <QLayout>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

#include "window/ApplicationTitle.h"
#include "window/KeypadKeys.h"
#include "window/support/WindowFixture.h"

using namespace ferrolin::testing;
using ferrolin::TForm1;

namespace {
// Remembers the text-insert events posted on one object while accessibility is active.
QObject* watchedForInserts = nullptr;
QList<std::pair<int, QString>> inserts;  // where and what
void RecordInserts(QAccessibleEvent* event) {
    if (event->type() == QAccessible::TextInserted && event->object() == watchedForInserts) {
        const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
        inserts.append({inserted->changePosition(), inserted->textInserted()});
    }
}
}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void applicationTitle_data();
    void applicationTitle();
    void captionMenusAndToolbar();
    void historyTakesTheExtraHeight();
    void keysFormAGridInTableOrder();
    void captionsAndFunctionNamesShowWhole();
    void everyControlHasAnAccessibleName();
    void tabOrderRunsThroughTheKeysRowByRow();
    void appendedLineIsAnnouncedAtItsPosition();
    void functionNamesShowWholeAtTheSmallestSize();
    void everyWindowShowsTheProgramsIcon();
    void menuBarHasItsMenusFont();
};

void WindowLayoutTest::applicationTitle_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("build directory") << "build/ferrolin" << "Ferrolin";
    QTest::newRow("cut at the first dot") << "/opt/AddUp.Backup.EXE" << "Addup";
    QTest::newRow("rest lowercased") << "/usr/bin/FERROLIN" << "Ferrolin";
    QTest::newRow("no directory") << "calc" << "Calc";
    QTest::newRow("dot in a directory name only") << "/home/a.b/ferrolin" << "Ferrolin";
    QTest::newRow("leading dot gives nothing") << "/tmp/.hidden" << "";
    QTest::newRow("non-ASCII") << "/usr/bin/émile.bin" << "Émile";
}

void WindowLayoutTest::applicationTitle() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(ferrolin::ApplicationTitleFromPath(path), title);
}

void WindowLayoutTest::captionMenusAndToolbar() {
    WindowFixture window;
    // (The menus' captions and access keys: KeyboardAccessTest.)
    QCOMPARE(window.form->windowTitle(), QStringLiteral("Ferrolin 2009"));
    QCOMPARE(MenuNamed(*window.form, "MnuOptions")->actions().first(), ItemNamed(*window.form, "MnuAudio"));

    QCOMPARE(FindControl<QToolBar>(*window.form, "ToolBar1")->actions().size(), 0);
    QVERIFY(HistoryBox(*window.form)->isReadOnly());
    QVERIFY(!InputBox(*window.form)->acceptRichText());
}

// Top to bottom: toolbar, expression, functions beside the keypad, history. A taller window
// gives all its extra height to the history; the rest keep their size.
void WindowLayoutTest::historyTakesTheExtraHeight() {
    WindowFixture window;
    TForm1& form = *window.form;
    auto top = [&form](QWidget* part) { return part->mapTo(&form, QPoint(0, 0)).y(); };
    QWidget* toolbar = FindControl<QToolBar>(form, "ToolBar1");
    const QList<QWidget*> column{toolbar, InputBox(form), Keypad(form), HistoryBox(form)};
    for (qsizetype i = 1; i < column.size(); ++i)
        QVERIFY2(top(column[i - 1]) + column[i - 1]->height() <= top(column[i]), qPrintable(column[i]->objectName()));
    QCOMPARE(top(FunctionList(form)), top(Keypad(form)));
    QVERIFY(FunctionList(form)->mapTo(&form, QPoint(0, 0)).x() < Keypad(form)->mapTo(&form, QPoint(0, 0)).x());

    QList<int> heights;
    for (QWidget* part : column)
        heights.append(part->height());
    form.resize(form.width(), form.height() + 100);
    form.centralWidget()->layout()->activate();
    QTRY_COMPARE_WITH_TIMEOUT(HistoryBox(form)->height(), heights.back() + 100, 5000);
    for (qsizetype i = 0; i + 1 < column.size(); ++i)
        QCOMPARE(column[i]->height(), heights[i]);
}

// The 24 keys: one size, inside the keypad, none over another, four to a row in the order of the
// key table (the order Tab goes through them).
void WindowLayoutTest::keysFormAGridInTableOrder() {
    WindowFixture window;
    const auto keys = ferrolin::KeypadKeys();
    QCOMPARE(keys.size(), std::size_t{24});
    const QRect panel = Keypad(*window.form)->rect();
    QList<QRect> placed;
    for (const ferrolin::KeyDefinition& key : keys) {
        QPushButton* button = window.Key(key.objectName);
        QVERIFY2(button && button->parentWidget() == Keypad(*window.form), key.objectName);
        const QRect at = button->geometry();
        QVERIFY2(panel.contains(at), key.objectName);
        if (!placed.isEmpty())
            QCOMPARE(at.size(), placed.front().size());
        for (const QRect& earlier : placed)
            QVERIFY2(!earlier.intersects(at), key.objectName);
        placed.append(at);
    }
    for (qsizetype i = 0; i < placed.size(); ++i) {
        const QRect& rowStart = placed[i - i % 4];
        QCOMPARE(placed[i].top(), rowStart.top());  // same row as the others of its four
        if (i % 4 != 0)
            QVERIFY(placed[i].left() > placed[i - 1].left());
        if (i >= 4)
            QVERIFY(placed[i].top() > placed[i - 4].top());
    }
}

// The fonts are chosen from whatever the machine has installed; whichever it is, no key caption
// and no function name may be cut off.
void WindowLayoutTest::captionsAndFunctionNamesShowWhole() {
    WindowFixture window;
    window.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    const QFont windowFont = window.form->font();
    for (const QFont& font : {Keypad(*window.form)->font(), FunctionList(*window.form)->font(),
                              HistoryBox(*window.form)->font()}) {
        QCOMPARE(font.family(), windowFont.family());
    }
    const QFontMetrics keyMetrics(Keypad(*window.form)->font());
    for (const ferrolin::KeyDefinition& key : ferrolin::KeypadKeys()) {
        QPushButton* button = window.Key(key.objectName);
        QVERIFY2(keyMetrics.horizontalAdvance(button->text()) <= button->width() - 6, key.objectName);
    }
    QListWidget* list = FunctionList(*window.form);
    const QFontMetrics listMetrics(list->font());
    for (int row = 0; row < list->count(); ++row) {
        const QString name = list->item(row)->text();
        QVERIFY2(listMetrics.horizontalAdvance(name) <= list->viewport()->width(), qPrintable(name));
    }
}

void WindowLayoutTest::everyControlHasAnAccessibleName() {
    WindowFixture window;
    const QList<QPair<QString, QString>> expected = {
        {"RichEditInput", "Expression"}, {"RichEditOutput", "Results history"},
        {"ListBoxFunctions", "Functions"}, {"ButtonMultiply", "multiply"},
        {"ButtonEvaluate", "evaluate"}, {"ButtonClear", "clear"}, {"ButtonRecall", "recall"},
        {"ButtonLeftBracket", "left bracket"}, {"ButtonNum7", "7"}, {"ButtonDecimal", "decimal point"},
    };
    for (const auto& [name, accessible] : expected) {
        auto* widget = window.form->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->accessibleName(), accessible);
    }
    for (QPushButton* button : Keypad(*window.form)->findChildren<QPushButton*>()) {
        QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
        QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
    }
}

void WindowLayoutTest::tabOrderRunsThroughTheKeysRowByRow() {
    WindowFixture window;
    QStringList order;
    QWidget* widget = InputBox(*window.form);
    for (int step = 0; step < 27; ++step) {
        order.append(widget->objectName());
        widget = widget->nextInFocusChain();
        while (widget && !(widget->focusPolicy() & Qt::TabFocus)) {
            widget = widget->nextInFocusChain();
        }
    }
    QStringList expected = {"RichEditInput", "ListBoxFunctions"};
    for (const ferrolin::KeyDefinition& key : ferrolin::KeypadKeys()) {
        expected.append(QString::fromLatin1(key.objectName));
    }
    expected.append("RichEditOutput");
    QCOMPARE(order, expected);
    // Tab leaves the boxes instead of typing a tab character.
    QVERIFY(InputBox(*window.form)->tabChangesFocus());
    QVERIFY(HistoryBox(*window.form)->tabChangesFocus());
}

void WindowLayoutTest::appendedLineIsAnnouncedAtItsPosition() {
    WindowFixture window;
    watchedForInserts = HistoryBox(*window.form);
    inserts.clear();
    QAccessible::installUpdateHandler(RecordInserts);
    QAccessible::setActive(true);
    // The bridge turns on once it has reached the accessibility bus, a moment after start-up.
    if (qEnvironmentVariableIsSet("FERROLIN_REQUIRE_ACCESSIBILITY"))
        (void)QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000);
    if (!QAccessible::isActive()) {
        QAccessible::installUpdateHandler(nullptr);
        // The test run under scripts/run-accessible must not pass by skipping.
        if (qEnvironmentVariableIsSet("FERROLIN_REQUIRE_ACCESSIBILITY"))
            QFAIL("no accessibility bridge although one was required");
        QSKIP("this platform plugin has no accessibility bridge (run it with scripts/run-accessible)");
    }
    for (const char* input : {"1+1", "2*3"}) {
        window.SetInput(QString::fromLatin1(input));
        window.form->EvaluateInput();
    }
    QAccessible::installUpdateHandler(nullptr);
    watchedForInserts = nullptr;

    // Each line where it starts in the history's text: the first at 0, the next after the first
    // line and its paragraph break. (Qt reports the box's own change too, the break included, so
    // a line may be reported twice; never anywhere else.)
    const QHash<QString, int> lineStarts{{QStringLiteral("1+1= 2.00"), 0}, {QStringLiteral("2*3= 6.00"), 10}};
    QSet<QString> reported;
    for (const auto& [at, text] : inserts) {
        if (!lineStarts.contains(text))
            continue;
        QCOMPARE(at, lineStarts.value(text));
        reported.insert(text);
    }
    QCOMPARE(reported.size(), lineStarts.size());
}

void WindowLayoutTest::functionNamesShowWholeAtTheSmallestSize() {
    WindowFixture window;
    window.form->resize(window.form->minimumSize());
    QTRY_COMPARE_WITH_TIMEOUT(window.form->size(), window.form->minimumSize(), 5000);
    window.form->centralWidget()->layout()->activate();
    QListWidget* list = FunctionList(*window.form);
    const QFontMetrics metrics(list->font());
    for (int row = 0; row < list->count(); ++row) {
        const QString name = list->item(row)->text();
        // The item's text sits inside a few pixels of padding on each side.
        QVERIFY2(metrics.horizontalAdvance(name) + 8 <= list->viewport()->width(),
                 qPrintable(QStringLiteral("%1 in %2 px").arg(name).arg(list->viewport()->width())));
    }
    // Nor is any key cut off beside the list.
    for (const QPushButton* key : Keypad(*window.form)->findChildren<QPushButton*>()) {
        const QRect shown(key->mapTo(window.form.get(), QPoint(0, 0)), key->size());
        QVERIFY2(window.form->rect().contains(shown),
                 qPrintable(QStringLiteral("%1 at %2..%3 of %4 px").arg(key->text()).arg(shown.left())
                                .arg(shown.right()).arg(window.form->width())));
    }
}

// The icon is compiled in from the PNG the desktop entry names: the same pixels, in every window.
void WindowLayoutTest::everyWindowShowsTheProgramsIcon() {
    WindowFixture window;
    const QImage png(qEnvironmentVariable("FERROLIN_SOURCE_DIR") + QStringLiteral("/resources/io.github.ferrolin.Ferrolin.png"));
    QVERIFY(!png.isNull());
    const QImage shown = window.form->windowIcon().pixmap(png.size()).toImage();
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32), png.convertToFormat(QImage::Format_ARGB32));
    QMessageBox notice(QMessageBox::NoIcon, QStringLiteral("Ferrolin"), QStringLiteral("Not enough parameters"));
    QMessageBox error(QMessageBox::Critical, QStringLiteral("Ferrolin"), QStringLiteral("Missing operand"),
                      QMessageBox::Ok, window.form.get());
    for (const QMessageBox* box : {&notice, &error})
        QCOMPARE(box->windowIcon().cacheKey(), window.form->windowIcon().cacheKey());
}

void WindowLayoutTest::menuBarHasItsMenusFont() {
    WindowFixture window;
    const QFontInfo bar(window.form->menuBar()->font());
    const QFontInfo menu(MenuNamed(*window.form, "FileMenu")->font());
    QCOMPARE(bar.family(), menu.family());
    QCOMPARE(bar.pixelSize(), menu.pixelSize());
}

QTEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
