// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/FakeVoice.h"

#include "platform/SpeechMarkup.h"

#include <QMetaObject>

namespace ferrolin {

void FakeVoice::Speak(const QString& text) { Record(Call::Speak, text); }

void FakeVoice::Purge() { Record(Call::Purge, QString()); }

void FakeVoice::Record(Call call, const QString& text) {
    if (failure_) {
        events_.append({call, text, true, priority_});
        const QString message = *failure_;
        if (!failAlways_) failure_.reset();
        QMetaObject::invokeMethod(this, [this, message] { emit Failed(message); }, Qt::QueuedConnection);
        return;
    }
    events_.append({call, text, false, priority_});
}

QStringList FakeVoice::spoken() const {
    QStringList texts;
    for (const Event& event : events_)
        if (event.call == Call::Speak && !event.failed) texts.append(event.text);
    return texts;
}

void FakeVoice::FailNext(const QString& message) {
    failure_ = message;
    failAlways_ = false;
}

void FakeVoice::FailAlways(const QString& message) {
    failure_ = message;
    failAlways_ = true;
}

void FakeVoice::StopFailing() {
    failure_.reset();
    failAlways_ = false;
}

void FakeVoice::EmitWords(const QString& text) {
    for (const SpokenWord& word : WordsOf(text)) emit Word(word.position, word.length);
}

}  // namespace ferrolin
