#pragma once
// A speech voice: phrases are queued and spoken in the background, in order.
#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

namespace ferrolin {

// The speech service could not be reached or refused a request; what() is readable text.
class SpeechError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Voice : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Voice() override = default;

    // Queues `text` behind everything this voice still has to say and returns at once.
    // Connects to the speech service on first use. Throws SpeechError when it cannot.
    virtual void Speak(const QString& text) = 0;

    // Discards everything this voice is saying or has queued; other programs' speech is left alone.
    // Throws SpeechError when the service cannot be reached.
    virtual void Purge() = 0;

signals:
    // A word of a phrase starts being spoken: its position and length in that phrase's QString
    // (UTF-16 units). Always delivered on the thread that owns the voice.
    void Word(int position, int length);
};

}  // namespace ferrolin
