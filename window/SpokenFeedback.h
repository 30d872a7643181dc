// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's spoken feedback: the one place that knows whether Options > Audio is on,
// speaks the window's phrases, and shows a speech failure.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "dialogs/ReportError.h"

class QAction;

namespace ferrolin {

class Voice;

class SpokenFeedback : public QObject {
    Q_OBJECT
public:
    // `audioItem` is the checkable Options > Audio item: its check mark is whether the window
    // speaks. `voice` may be null (the platform has none): then nothing is ever said.
    // `reportError` shows a speech failure's message in the error box.
    SpokenFeedback(QAction& audioItem, std::unique_ptr<Voice> voice, ReportError reportError, QObject* parent);
    ~SpokenFeedback() override;

    bool IsOn() const;

    // Speaks `phrase` in the background, queued behind earlier phrases, when Audio is on. A
    // speech failure is shown in the error box once (until Audio is switched off and on again)
    // and never stops the caller.
    void Say(const QString& phrase);
    // A result's reading. With a screen reader the announced history line is the result's one
    // reading, so then nothing is said.
    void SayResult(const QString& formattedValue);
    // Silences whatever the window's voice is saying or has queued, whether Audio is on or not.
    void Purge();

    // Whether a screen reader is listening: then the window's phrases give way to its speech.
    // Default: Qt's accessibility bridge is active. Tests hand in their own.
    void SetScreenReaderProbe(std::function<bool()> probe);

    // The window's voice (null when the platform has none).
    Voice* voice() const { return voice_.get(); }

private:
    void ShowFailure(const QString& message);

    QAction& audioItem_;
    std::unique_ptr<Voice> voice_;
    ReportError reportError_;
    std::function<bool()> screenReaderRunning_;
    bool failureShown_ = false;
};

}  // namespace ferrolin
