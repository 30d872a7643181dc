// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/support/WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTextEdit>

#include "window/ResultsHistory.h"
#include "window/SpokenFeedback.h"

namespace ferrolin::testing {

WindowFixture::WindowFixture(QString decimalSeparator, Printing* realPrinting)
    : separator(std::move(decimalSeparator)) {
    Platform platform;
    platform.messageBoxes = &boxes;
    platform.fileDialogs = &dialogs;
    platform.printing = realPrinting ? realPrinting : &printing;
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

WindowFixture::~WindowFixture() {
    // Tests leave unsaved histories behind; should the window ask about them on the way out, they
    // are dropped.
    boxes.nextChoices.clear();
    boxes.saveChoice = MessageBoxes::SaveChoice::Discard;
}

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

QStringList WindowFixture::HistoryLines() const { return form->History().Lines(); }

void WindowFixture::SetHistory(const QStringList& lines) const { form->History().Load(lines); }

void WindowFixture::Evaluate(const QStringList& expressions) const {
    for (const QString& expression : expressions) {
        InputBox(*form)->setPlainText(expression);
        form->EvaluateInput();
    }
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

void WindowFixture::AcceptOpen(const QString& fileName, int filterIndex) {
    dialogs.openAnswers << FileDialogChoice{fileName, filterIndex};
}

void WindowFixture::AcceptSave(const QString& fileName) { dialogs.saveAnswers << FileDialogChoice{fileName, 0}; }

void WindowFixture::Open(const QString& fileName, int filterIndex) {
    AcceptOpen(fileName, filterIndex);
    Run(CommandAction(*form, DocumentCommand::Open));
}

void WindowFixture::SaveAs(const QString& fileName) {
    AcceptSave(fileName);
    Run(CommandAction(*form, DocumentCommand::SaveAs));
}

QByteArray ReadBytes(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void WriteBytes(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(fileName));
}

}  // namespace ferrolin::testing
