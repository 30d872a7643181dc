// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window that speaks through the real speech-dispatcher voice (whatever SPEECHD_ADDRESS
// leads to), on fake message boxes: for the tests of a speech service that misbehaves.
#include <QPushButton>
#include <QSignalSpy>
#include <QStringList>
#include <memory>

#include "platform/SpeechDispatcherVoice.h"
#include "platform/fakes/FakeMessageBoxes.h"
#include "window/UnitMain.h"
#include "window/support/WindowControls.h"

namespace ferrolin::testing {

struct SpeakingWindow {
    explicit SpeakingWindow(SpeechDispatcherVoice::Options options);

    FakeMessageBoxes boxes;
    std::unique_ptr<TForm1> form;
    SpeechDispatcherVoice* voice = nullptr;  // owned by the window
    std::unique_ptr<QSignalSpy> failures;     // the voice's Failed signals

    // Types the expression and evaluates it with Enter, or with the "=" key.
    void EvaluateWithEnter(const QString& expression) const;
    void EvaluateWithKey(const QString& expression) const;
    QStringList History() const;
};

}  // namespace ferrolin::testing
