// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A speech voice: phrases are queued and spoken in the background, in order.
#include <QObject>
#include <QString>

namespace ferrolin {

// speech-dispatcher's message priorities, highest first. They decide whose speech interrupts whose
// across programs, a screen reader's included: IMPORTANT interrupts everything, MESSAGE queues
// behind other MESSAGEs, TEXT is cut short by a newer TEXT and by MESSAGE and IMPORTANT,
// NOTIFICATION and PROGRESS give way to everything else.
enum class SpeechPriority { Important, Message, Text, Notification, Progress };

// Every operation returns at once and never throws, whatever the speech service does: a service
// that is missing, hung, dead or talking nonsense costs the phrases it did not speak, and is
// reported through Failed.
class Voice : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Voice() override = default;

    // Queues `text` behind everything this voice still has to say. Connects to the speech service
    // on first use.
    virtual void Speak(const QString& text) = 0;

    // Discards everything this voice is saying or has queued; other programs' speech is left alone.
    virtual void Purge() = 0;

    // The priority of the phrases spoken after this call; a new voice speaks at Message.
    virtual void SetPriority(SpeechPriority priority) = 0;

    // The language of the phrases spoken after this call, as SSIP names it ("de", "pt-BR"); a
    // new voice speaks the service's default language.
    virtual void SetLanguage(const QString& language) = 0;

signals:
    // A word of a phrase starts being spoken: its position and length in that phrase's QString
    // (UTF-16 units). Always delivered on the thread that owns the voice.
    void Word(int position, int length);

    // A phrase was spoken to its end.
    void Finished();

    // A phrase was cut short, or dropped before it began, by the speech service itself: another
    // program's speech (a screen reader's) took its place. The words heard of it came as Word;
    // saying the rest is up to the caller. Phrases ended by Purge or by a failure are not reported.
    void Interrupted();

    // The speech service could not be reached or stopped answering; what this voice had not yet
    // spoken is dropped and the next Speak tries again. `message` is readable text. Delivered from
    // the event loop, never from inside Speak or Purge, once per failed connection.
    void Failed(const QString& message);

    // The speech service has no voice for the language asked for: it speaks with its default
    // voice, so the phrases to come had better be English.
    void LanguageUnavailable();
};

}  // namespace ferrolin
