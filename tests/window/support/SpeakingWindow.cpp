// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/support/SpeakingWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTextEdit>

#include "window/ResultsHistory.h"

namespace ferrolin::testing {

SpeakingWindow::SpeakingWindow(SpeechDispatcherVoice::Options options) {
    Platform platform;
    platform.messageBoxes = &boxes;
    platform.makeVoice = [this, options] {
        auto made = std::make_unique<SpeechDispatcherVoice>(options);
        voice = made.get();
        return made;
    };
    form = std::make_unique<TForm1>(platform);
    failures = std::make_unique<QSignalSpy>(voice, &Voice::Failed);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) qWarning("main window was not shown");
    ItemNamed(*form, "MnuAudio")->trigger();
}

void SpeakingWindow::EvaluateWithEnter(const QString& expression) const {
    InputBox(*form)->setPlainText(expression);
    InputBox(*form)->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(InputBox(*form), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(InputBox(*form), &release);
}

void SpeakingWindow::EvaluateWithKey(const QString& expression) const {
    InputBox(*form)->setPlainText(expression);
    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("ButtonEvaluate")), Qt::LeftButton);
}

QStringList SpeakingWindow::History() const { return form->History().Lines(); }

}  // namespace ferrolin::testing
