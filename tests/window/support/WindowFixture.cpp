// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/support/WindowFixture.h"
#include "window/ResultsHistory.h"
#include "window/SpokenFeedback.h"

#include <QAction>
#include <QMenu>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>

namespace ferrolin::testing {

WindowFixture::WindowFixture(QString decimalSeparator) : separator(std::move(decimalSeparator)) {
    Platform platform;
    platform.messageBoxes = &boxes;
    platform.makeVoice = [this] {
        auto made = std::make_unique<FakeVoice>();
        voice = made.get();
        return made;
    };
    form = std::make_unique<TForm1>(platform);
    form->SetDecimalSeparatorSource([this] { return separator; });
    form->Speech().SetScreenReaderProbe([this] { return screenReader; });
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) {
        qWarning("main window did not become active");
    }
}

WindowFixture::~WindowFixture() = default;

QPushButton* WindowFixture::Key(const char* objectName) const {
    return form->findChild<QPushButton*>(QString::fromLatin1(objectName));
}

void WindowFixture::Click(const char* objectName) const {
    QPushButton* key = Key(objectName);
    if (!key) {
        qFatal("no key %s", objectName);
    }
    QTest::mouseClick(key, Qt::LeftButton);
}

void WindowFixture::Type(const QString& text) const {
    InputBox(*form)->setFocus();
    QTest::keyClicks(InputBox(*form), text);
}

void WindowFixture::SetInput(const QString& text) const {
    InputBox(*form)->setPlainText(text);
    QTextCursor end = InputBox(*form)->textCursor();
    end.movePosition(QTextCursor::End);
    InputBox(*form)->setTextCursor(end);
}

QString WindowFixture::Input() const { return InputBox(*form)->toPlainText(); }

QStringList WindowFixture::HistoryLines() const {
    return form->History().Lines();
}

void WindowFixture::ClickFunction(int row) const {
    QListWidget* list = FunctionList(*form);
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void WindowFixture::SetAudio(bool on) const {
    if (form->Speech().IsOn() != on) {
        ItemNamed(*form, "MnuAudio")->trigger();
    }
}

void WindowFixture::ChoosePrecision(int places) const {
    for (QAction* item : MenuNamed(*form, "mnuPrecision")->actions()) {
        if (item->data().toInt() == places) {
            item->trigger();
            return;
        }
    }
    qFatal("no precision item %d", places);
}

void WindowFixture::PressEnter(QWidget* target, bool autoRepeat, Qt::KeyboardModifiers modifiers) const {
    QWidget* receiver = target ? target : QApplication::focusWidget();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, modifiers, QStringLiteral("\r"), autoRepeat);
    QApplication::sendEvent(receiver, &press);
}

void WindowFixture::ReleaseEnter(QWidget* target) const {
    QWidget* receiver = target ? target : QApplication::focusWidget();
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(receiver, &release);
}

}  // namespace ferrolin::testing
