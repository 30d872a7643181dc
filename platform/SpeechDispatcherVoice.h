// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real Voice: speech-dispatcher through its own text protocol (SSIP) on a unix socket that
// the event loop drives. Nothing here ever waits: connecting, starting the service and every
// reply are events, and each reply has a deadline. A service that is missing, hung, dead or
// answers in another protocol loses the phrases not yet spoken and is reported once through
// Failed; the next Speak connects afresh.
//
// The protocol is spoken here rather than through libspeechd, the service's C client: its
// connect and replies block the caller, and its callbacks arrive on a thread of its own with no
// way back to the object they are for. A few lines of text on a socket the event loop watches
// need neither.
//
// Nothing touches the service until the first Speak, so creating a voice at start-up is free.
// Phrases go out as SSML with an index mark before every word; the service reports each mark as
// it reaches it, and the voice turns those into Word signals. The service also reports the end of
// each phrase and its cancelling (by another program's speech, or while waiting behind it), which
// become Finished and Interrupted.
#include "platform/SsipReader.h"
#include "platform/Voice.h"

#include <QElapsedTimer>
#include <QSet>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <utility>

class QProcess;

namespace ferrolin {

class UnixSocket;

class SpeechDispatcherVoice : public Voice {
    Q_OBJECT
public:
    struct Options {
        // Start the service when none is listening. Off only where a test needs a service that
        // is plainly missing.
        bool autospawn = true;
        // The program started (with --spawn) when nothing listens at the socket.
        QString spawnProgram = QStringLiteral("speech-dispatcher");
        // A reply that takes longer means the service hangs.
        int replyTimeoutMs = 3000;
        // How long a started service may take to open its socket.
        int spawnTimeoutMs = 6000;
    };

    explicit SpeechDispatcherVoice(QObject* parent = nullptr);
    SpeechDispatcherVoice(Options options, QObject* parent = nullptr);
    ~SpeechDispatcherVoice() override;

    void Speak(const QString& text) override;
    void Purge() override;
    void SetPriority(SpeechPriority priority) override { priority_ = priority; }
    void SetLanguage(const QString& language) override { language_ = language; }

    // The service has accepted this voice's settings and takes phrases.
    bool isConnected() const { return state_ == State::Ready; }

private:
    // Failing: a failure is on its way to Failed; until it is delivered, phrases are dropped
    // with it rather than starting another attempt.
    enum class State { Idle, Connecting, Spawning, Ready, Failing };
    enum class Step { ClientName, Ssml, Events, Priority, Speak, Data, Cancel, Language, Voices };
    struct Request {
        Step step;
        QByteArray bytes;
        std::uint32_t phrase = 0;  // for Data: the phrase it carries
    };
    // What the service reports of a phrase once it has played (or not).
    enum class Outcome { Finished, Cancelled };

    void Pump();
    void StartConnecting();
    void TryConnect();
    void Spawn(const QString& why);
    void OnConnected();
    void OnSocketError();
    void OnReadyRead();
    void OnMessage(const SsipMessage& message);
    void OnReplyTimeout();
    void Lose(const QString& message);
    void DeliverMark(const QByteArray& name);
    void OnPhraseEvent(int code, const QByteArray& messageId);
    void DeliverOutcome(std::uint32_t phrase, Outcome outcome);

    Options options_;
    SpeechPriority priority_ = SpeechPriority::Message;
    QString language_;  // empty: the service's default voice
    State state_ = State::Idle;
    UnixSocket* socket_ = nullptr;  // made once, for every connection this voice opens
    QString socketPath_;
    QProcess* spawn_ = nullptr;
    qint64 spawnGroup_ = 0;         // the process group of the service this attempt started
    bool spawned_ = false;          // this connection attempt has started the service
    bool spawnSucceeded_ = false;   // ... and the start reported success
    bool linked_ = false;           // the socket is connected
    QString connectFailure_;        // why the first attempt failed, for the message
    QElapsedTimer spawnClock_;
    QTimer deadline_;   // the reply awaited, or the connection under way
    QTimer retry_;      // waiting for a started service to open its socket
    SsipReader NewReader();
    SsipReader reader_;
    QSet<QString> voiceLanguages_;  // the languages of the service's voices, while it lists them
    bool voicesListed_ = false;     // asked for this connection and language
    // The voice list may take the service this many ordinary replies' time; a hung service is
    // still found out within it.
    static constexpr int kVoiceListReplies = 3;
    std::deque<Request> pending_;      // not yet written
    std::optional<Request> inFlight_;  // written, its reply awaited
    std::optional<QString> queuedLanguage_;  // the service's language once pending_ is through
    std::optional<SpeechPriority> queuedPriority_;  // the service's priority once pending_ is through

    const std::uint32_t serial_;  // tells this voice's marks from other voices' in this process
    std::uint32_t lastPhrase_ = 0;
    // Marks of this phrase and the ones before it belong to speech that was purged or lost.
    std::uint32_t droppedUpTo_ = 0;
    std::pair<std::uint32_t, qsizetype> lastMark_{0, -1};  // phrase and position of the last word reported
    // The service's message id of each phrase whose outcome has not come yet.
    std::map<QByteArray, std::uint32_t> phraseOfMessage_;
    // Outcomes that came before the reply naming their message (the service's threads race);
    // a few recent ones, matched once the reply arrives.
    std::deque<std::pair<QByteArray, Outcome>> earlyOutcomes_;
};

}  // namespace ferrolin
