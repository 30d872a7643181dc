// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Voice for tests: remembers every Speak and Purge in order, can be told to fail, and lets the
// test play Word events as if the service had sent them. Nothing is ever spoken.
//
//   FakeVoice voice;
//   voice.Speak("1 + 2");                 // events(): {Speak, "1 + 2"}
//   voice.FailNext("No speech service");  // the next Speak/Purge fails: Failed("No speech service")
//   voice.FailAlways("...");              // every call fails until StopFailing()
//   voice.EmitWord(0, 1);                 // emits Word(0, 1) synchronously
//   voice.EmitWords("1 + 2");             // emits Word for each whitespace-separated word, in order
//
// A failed call is still recorded (with failed == true). Like the real voice, it returns normally
// and Failed arrives later, from the event loop.
#include "platform/Voice.h"

#include <QList>
#include <QString>
#include <optional>

namespace ferrolin {

class FakeVoice : public Voice {
    Q_OBJECT
public:
    enum class Call { Speak, Purge };
    struct Event {
        Call call;
        QString text;         // the phrase for Speak; empty for Purge
        bool failed = false;  // the call failed
        SpeechPriority priority = SpeechPriority::Message;  // the voice's priority at the call
        bool operator==(const Event&) const = default;
    };

    using Voice::Voice;

    void Speak(const QString& text) override;
    void Purge() override;
    void SetPriority(SpeechPriority priority) override { priority_ = priority; }
    SpeechPriority priority() const { return priority_; }
    void SetLanguage(const QString& language) override { language_ = language; }
    QString language() const { return language_; }
    // As the real voice does when the service has no voice for the language.
    void EmitLanguageUnavailable() { emit LanguageUnavailable(); }

    // Every call so far, oldest first.
    const QList<Event>& events() const { return events_; }
    // Only the texts of the Speak calls that succeeded, oldest first.
    QStringList spoken() const;
    void clear() { events_.clear(); }

    void FailNext(const QString& message);
    void FailAlways(const QString& message);
    void StopFailing();

    void EmitWord(int position, int length) { emit Word(position, length); }
    // Emits one Word per run of non-whitespace in `text`, as the real service would while speaking it.
    void EmitWords(const QString& text);

private:
    void Record(Call call, const QString& text);

    QList<Event> events_;
    std::optional<QString> failure_;
    bool failAlways_ = false;
    SpeechPriority priority_ = SpeechPriority::Message;
    QString language_;
};

}  // namespace ferrolin
