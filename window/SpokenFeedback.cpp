// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/SpokenFeedback.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QTimer>

#include "platform/UiLanguage.h"
#include "platform/Voice.h"

namespace ferrolin {

SpokenFeedback::SpokenFeedback(QAction& audioItem, std::unique_ptr<Voice> voice, ReportError reportError,
                               QObject* parent)
    : QObject(parent),
      audioItem_(audioItem),
      voice_(std::move(voice)),
      reportError_(std::move(reportError)),
      screenReaderRunning_([] { return QAccessible::isActive(); }) {
    if (voice_) {
        voice_->SetLanguage(SpeechLanguage());
        connect(voice_.get(), &Voice::Failed, this, &SpokenFeedback::ShowFailure);
        connect(voice_.get(), &Voice::LanguageUnavailable, this, [this] {
            // Told once; with English shown there is nothing better to fall back to.
            if (SpeaksEnglish() || UiLanguage().isEmpty()) return;
            SpeakEnglishFromNowOn();
            reportError_(QCoreApplication::translate(
                "Messages", "No voice for this language is installed: phrases are spoken in English"));
        });
    }
    connect(&audioItem_, &QAction::toggled, this, [this](bool on) {
        if (on) {
            failureShown_ = false;  // a new start: report the next failure again
        }
    });
}

SpokenFeedback::~SpokenFeedback() = default;

bool SpokenFeedback::IsOn() const { return audioItem_.isChecked(); }

void SpokenFeedback::Say(const QString& phrase) {
    if (!IsOn() || phrase.isEmpty() || !voice_) {
        return;
    }
    // A screen reader's own speech must never wait behind the window's phrases: at Text
    // priority its speech cuts them short, and a newer phrase replaces an older one.
    voice_->SetPriority(screenReaderRunning_() ? SpeechPriority::Text : SpeechPriority::Message);
    voice_->Speak(SpokenText("Speech", phrase));  // a failure comes back later through Voice::Failed
}

void SpokenFeedback::SayResult(const QString& formattedValue) {
    if (IsOn() && !screenReaderRunning_()) {
        Say(SpokenText("Speech", QT_TRANSLATE_NOOP("Speech", "Result = ")) + formattedValue);
    }
}

void SpokenFeedback::Purge() {
    if (voice_) {
        voice_->Purge();
    }
}

void SpokenFeedback::SetScreenReaderProbe(std::function<bool()> probe) {
    screenReaderRunning_ = probe ? std::move(probe) : std::function<bool()>([] { return QAccessible::isActive(); });
}

void SpokenFeedback::ShowFailure(const QString& message) {
    if (failureShown_) {
        return;
    }
    failureShown_ = true;
    // Shown once the command that spoke has finished its work, so the failure never cuts it short.
    QTimer::singleShot(0, this, [this, message] { reportError_(message); });
}

}  // namespace ferrolin
