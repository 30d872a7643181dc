// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpeechDispatcherVoice.h"

#include "platform/SpeechDispatcherAddress.h"
#include "platform/SpeechMarkup.h"
#include "platform/UnixSocket.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaObject>
#include <QProcess>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace ferrolin {

namespace {

std::atomic<std::uint32_t> nextVoiceSerial{1};

// A started service polls for its socket this often until it appears.
constexpr int kSpawnRetryMs = 100;
// How long a service that never opened its socket has to end once asked to.
constexpr int kStopGraceMs = 1000;
// Outcomes kept while the reply naming their message is awaited; more would mean a service that
// reports messages it never queued.
constexpr std::size_t kMaxEarlyOutcomes = 8;
// Phrases queued in the service whose end or cancel has not come yet.
constexpr std::size_t kMaxUnreportedPhrases = 256;

const char* PriorityName(SpeechPriority priority) {
    switch (priority) {
    case SpeechPriority::Important: return "IMPORTANT";
    case SpeechPriority::Message: return "MESSAGE";
    case SpeechPriority::Text: return "TEXT";
    case SpeechPriority::Notification: return "NOTIFICATION";
    case SpeechPriority::Progress: return "PROGRESS";
    }
    return "MESSAGE";
}

// The phrase as the data of a SPEAK command: a line that starts with a dot gets a second one, and
// a line holding a single dot ends the data.
QByteArray SpeakData(const QByteArray& text) {
    QByteArray data = text;
    data.replace("\r\n.", "\r\n..");
    if (data.startsWith('.')) data.prepend('.');
    data += "\r\n.\r\n";
    return data;
}

QString SocketReason(UnixSocket::Error error, const QString& fallback) {
    switch (error) {
    case UnixSocket::Error::NotFound: return QCoreApplication::translate("SpeechFailures", "No such file or directory");
    case UnixSocket::Error::Refused: return QCoreApplication::translate("SpeechFailures", "Connection refused");
    case UnixSocket::Error::AccessDenied: return QCoreApplication::translate("SpeechFailures", "Permission denied");
    default: return fallback;
    }
}

// The name a language is first asked for by: the one espeak-ng, the voice Ferrolin recommends,
// gives it. The voice list may later name it otherwise.
QString ServiceLanguageName(const QString& language) {
    return language == u"zh" ? QStringLiteral("cmn") : language;
}

// What the service calls `wanted` ("de", "pt-BR", "zh") among its voices' languages
// (lowercase): the language itself, a regional variant of it, or for Chinese, Mandarin (espeak-ng
// lists it as "cmn"). Empty when no voice speaks it.
QString VoiceLanguageFor(const QString& wanted, const QSet<QString>& languages) {
    const QString lower = wanted.toLower();
    QStringList names{lower};
    if (lower == u"zh") names << QStringLiteral("cmn");
    for (const QString& name : names) {
        if (languages.contains(name)) return name;
        for (const QString& language : languages)
            if (language.startsWith(name + u'-')) return language;
    }
    return {};
}

QString AnsweredWhatItShouldNot(const QString& socketPath) {
    return QCoreApplication::translate("SpeechFailures", "The speech service at %1 answered something it should not: a message that never ends").arg(socketPath);
}

// The command a refused reply answered, for the message.
const char* StepName(int step) {
    static const char* const names[] = {"CLIENT_NAME", "SSML_MODE", "NOTIFICATION", "PRIORITY",
                                        "SPEAK", "the phrase", "CANCEL", "LANGUAGE", "LIST SYNTHESIS_VOICES"};
    return names[step];
}

}  // namespace

SpeechDispatcherVoice::SpeechDispatcherVoice(QObject* parent) : SpeechDispatcherVoice(Options{}, parent) {}

SpeechDispatcherVoice::SpeechDispatcherVoice(Options options, QObject* parent)
    : Voice(parent), options_(std::move(options)), serial_(nextVoiceSerial++) {
    reader_ = NewReader();
    deadline_.setSingleShot(true);
    retry_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &SpeechDispatcherVoice::OnReplyTimeout);
    connect(&retry_, &QTimer::timeout, this, &SpeechDispatcherVoice::TryConnect);
}

SpeechDispatcherVoice::~SpeechDispatcherVoice() {
    if (socket_) {
        socket_->disconnect(this);
        // The service would otherwise go on reading a dead voice's queue, ahead of everyone
        // else's. A SPEAK already sent needs its data before the service reads commands again.
        if (socket_->IsConnected()) {
            if (inFlight_ && inFlight_->step == Step::Speak && !pending_.empty()) socket_->Write(pending_.front().bytes);
            socket_->Write("CANCEL SELF\r\nQUIT\r\n");
        }
        delete socket_;
    }
    if (spawn_ && spawn_->state() != QProcess::NotRunning) {
        // Killing a starting service could leave it half up; let it finish on its own.
        spawn_->disconnect(this);
        spawn_->setParent(QCoreApplication::instance());
        connect(spawn_, &QProcess::finished, spawn_, &QObject::deleteLater);
    }
}

SsipReader SpeechDispatcherVoice::NewReader() {
    SsipReader reader;
    // Only the languages are kept of the thousands of voices listed.
    reader.PassLinesOf(249, [this](const QByteArray& voice) {
        const QList<QByteArray> fields = voice.split('\t');
        if (fields.size() >= 2 && voiceLanguages_.size() < 4096) voiceLanguages_.insert(QString::fromUtf8(fields[1]).toLower());
    });
    return reader;
}

void SpeechDispatcherVoice::Speak(const QString& text) {
    if (text.isEmpty() || state_ == State::Failing) return;
    if (state_ == State::Idle) {
        StartConnecting();
        if (state_ == State::Failing) return;  // failed at once
    }
    ++lastPhrase_;
    const std::uint64_t phrase = (std::uint64_t(serial_) << 32) | lastPhrase_;
    if (!language_.isEmpty() && queuedLanguage_ != language_) {
        pending_.push_back({Step::Language, "SET SELF LANGUAGE " + ServiceLanguageName(language_).toLatin1() + "\r\n"});
        queuedLanguage_ = language_;
        voicesListed_ = false;
    }
    if (queuedPriority_ != priority_) {
        pending_.push_back({Step::Priority, QByteArray("SET SELF PRIORITY ") + PriorityName(priority_) + "\r\n"});
        queuedPriority_ = priority_;
    }
    pending_.push_back({Step::Speak, "SPEAK\r\n"});
    pending_.push_back({Step::Data, SpeakData(BuildSsml(phrase, text).toUtf8()), lastPhrase_});
    Pump();
}

void SpeechDispatcherVoice::Purge() {
    // Marks already on their way belong to the speech being discarded.
    droppedUpTo_ = lastPhrase_;
    if (state_ == State::Idle || state_ == State::Failing) return;
    const bool speakWritten = inFlight_ && inFlight_->step == Step::Speak;
    std::deque<Request> kept;
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        const bool phrase = pending_[i].step == Step::Speak || pending_[i].step == Step::Data;
        // The data of a SPEAK already written must follow it, or the service waits for it.
        const bool dataOfWrittenSpeak = speakWritten && i == 0 && pending_[i].step == Step::Data;
        if (!phrase || dataOfWrittenSpeak) kept.push_back(std::move(pending_[i]));
    }
    pending_ = std::move(kept);
    if (socket_ && socket_->IsConnected()) pending_.push_back({Step::Cancel, "CANCEL SELF\r\n"});
    Pump();
}

void SpeechDispatcherVoice::StartConnecting() {
    const SpeechAddress address = ResolveSpeechAddress();
    if (const auto* error = std::get_if<SpeechAddressError>(&address)) {
        Lose(error->message);
        return;
    }
    socketPath_ = std::get<SpeechSocketPath>(address).path;
    if (!socketPath_.isEmpty() && QFileInfo(socketPath_).isRelative()) socketPath_ = QFileInfo(socketPath_).absoluteFilePath();
    state_ = State::Connecting;
    spawned_ = false;
    spawnSucceeded_ = false;
    queuedPriority_.reset();
    queuedLanguage_.reset();
    TryConnect();
}

void SpeechDispatcherVoice::TryConnect() {
    if (!socket_) {
        socket_ = new UnixSocket(this);
        connect(socket_, &UnixSocket::Connected, this, &SpeechDispatcherVoice::OnConnected);
        connect(socket_, &UnixSocket::Failed, this, &SpeechDispatcherVoice::OnSocketError);
        connect(socket_, &UnixSocket::ReadyRead, this, &SpeechDispatcherVoice::OnReadyRead);
    }
    linked_ = false;
    reader_ = NewReader();
    if (state_ != State::Spawning) deadline_.start(options_.replyTimeoutMs);
    socket_->ConnectTo(socketPath_);
}

void SpeechDispatcherVoice::Spawn(const QString& reason) {
    spawned_ = true;
    state_ = State::Spawning;
    connectFailure_ = reason;
    spawnClock_.start();
    deadline_.start(options_.spawnTimeoutMs);
    spawn_ = new QProcess(this);
    spawn_->setStandardOutputFile(QProcess::nullDevice());
    // A group of its own: if it never opens its socket, giving up stops it and whatever it forked
    // (Lose), and a Ctrl+C meant for this program in a terminal does not reach the service.
    spawn_->setChildProcessModifier([] { ::setpgid(0, 0); });
    spawn_->setProgram(options_.spawnProgram);
    spawn_->setArguments({QStringLiteral("--spawn"), QStringLiteral("--communication-method"),
                          QStringLiteral("unix_socket"), QStringLiteral("--socket-path"), socketPath_});
    QProcess* const process = spawn_;
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart || process != spawn_ || state_ != State::Spawning) return;
        Lose(QCoreApplication::translate("SpeechFailures", "Speech is not available: the speech service is not installed. Install the "
                            "speech-dispatcher package to hear the calculator.\n"
                            "Can't connect to unix socket %1: %2. Autospawn: %3 could not be started: %4")
                 .arg(socketPath_, connectFailure_, options_.spawnProgram, process->errorString()));
    });
    connect(process, &QProcess::finished, this, [this, process](int exitCode, QProcess::ExitStatus status) {
        process->deleteLater();
        if (process == spawn_) spawn_ = nullptr;
        if (state_ != State::Spawning) return;
        if (status != QProcess::NormalExit || exitCode != 0) {
            const QString said = QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
            Lose(QCoreApplication::translate("SpeechFailures", "Can't connect to unix socket %1: %2. Autospawn: the speech service refused to start%3")
                     .arg(socketPath_, connectFailure_, said.isEmpty() ? QString() : QStringLiteral(": ") + said));
            return;
        }
        spawnSucceeded_ = true;
        TryConnect();
    });
    process->start();
    spawnGroup_ = process->processId();
}

void SpeechDispatcherVoice::OnConnected() {
    linked_ = true;
    deadline_.stop();
    retry_.stop();
    const QByteArray user = qEnvironmentVariable("USER", QStringLiteral("user")).toUtf8();
    // Marks, begin, end and cancel: the end and the cancel of a phrase are how a reader learns
    // that another program's speech has cut it, and that the service is free again.
    pending_.push_front({Step::Events, "SET SELF NOTIFICATION ALL on\r\n"});
    pending_.push_front({Step::Ssml, "SET SELF SSML_MODE on\r\n"});
    pending_.push_front({Step::ClientName, "SET SELF CLIENT_NAME " + user + ":ferrolin:voice\r\n"});
    Pump();
}

void SpeechDispatcherVoice::OnSocketError() {
    if (!socket_) return;
    const UnixSocket::Error error = socket_->error();
    if (linked_) {
        Lose(error == UnixSocket::Error::PeerClosed ? QCoreApplication::translate("SpeechFailures", "The speech service closed the connection")
                                                    : QCoreApplication::translate("SpeechFailures", "The speech service connection failed: ") + socket_->errorString());
        return;
    }
    const QString reason = SocketReason(error, socket_->errorString());
    const bool nobodyListens = error == UnixSocket::Error::NotFound || error == UnixSocket::Error::Refused;
    if (nobodyListens && state_ == State::Connecting && options_.autospawn && !spawned_) {
        Spawn(reason);
        return;
    }
    if (nobodyListens && state_ == State::Spawning && spawnSucceeded_ &&
        spawnClock_.elapsed() + kSpawnRetryMs < options_.spawnTimeoutMs) {
        retry_.start(kSpawnRetryMs);
        return;
    }
    const QString autospawn = !options_.autospawn ? QCoreApplication::translate("SpeechFailures", "Autospawn disabled")
                              : spawned_          ? QStringLiteral("the started service did not open its socket")
                                                  : QStringLiteral("not tried");
    Lose(QCoreApplication::translate("SpeechFailures", "Can't connect to unix socket %1: %2. Autospawn: %3").arg(socketPath_, reason, autospawn));
}

void SpeechDispatcherVoice::OnReadyRead() {
    if (!socket_) return;
    if (!reader_.Feed(socket_->ReadAll())) {
        Lose(reader_.failure() == SsipReader::Failure::TooLong
                 ? AnsweredWhatItShouldNot(socketPath_)
                 : QCoreApplication::translate("SpeechFailures", "The speech service at %1 does not answer in speech-dispatcher's protocol").arg(socketPath_));
        return;
    }
    while (const std::optional<SsipMessage> message = reader_.Take()) {
        OnMessage(*message);
        if (state_ == State::Failing) return;
    }
    // A message begun outside any reply must still end in time: nothing else would ever end it.
    if (!inFlight_) {
        if (!reader_.midMessage()) deadline_.stop();
        else if (!deadline_.isActive()) deadline_.start(options_.replyTimeoutMs);
    }
}

void SpeechDispatcherVoice::OnMessage(const SsipMessage& message) {
    if (message.code >= 700 && message.code < 800) {
        if (message.code == 700 && message.lines.size() >= 3) DeliverMark(message.lines[2]);
        else if (!message.lines.isEmpty()) OnPhraseEvent(message.code, message.lines[0]);
        return;
    }
    if (!inFlight_) {
        Lose(QCoreApplication::translate("SpeechFailures", "The speech service at %1 answered a question it was not asked").arg(socketPath_));
        return;
    }
    if (message.code >= 300) {
        Lose(QCoreApplication::translate("SpeechFailures", "The speech service refused %1: %2 %3")
                 .arg(QString::fromLatin1(StepName(int(inFlight_->step))), QString::number(message.code),
                      QString::fromUtf8(message.lines.last())));
        return;
    }
    if (inFlight_->step == Step::Events) state_ = State::Ready;
    if (inFlight_->step == Step::Voices) {
        const QString spoken = VoiceLanguageFor(language_, voiceLanguages_);
        voiceLanguages_.clear();
        if (spoken.isEmpty()) emit LanguageUnavailable();
        else if (spoken != ServiceLanguageName(language_))
            pending_.push_front({Step::Language, "SET SELF LANGUAGE " + spoken.toLatin1() + "\r\n"});
    }
    if (inFlight_->step == Step::Data && message.lines.size() >= 2) {
        // "225-<message id>": the id its begin, end and cancel events will carry.
        const QByteArray id = message.lines[0];
        const std::uint32_t phrase = inFlight_->phrase;
        const auto early = std::find_if(earlyOutcomes_.begin(), earlyOutcomes_.end(),
                                        [&id](const auto& outcome) { return outcome.first == id; });
        if (early != earlyOutcomes_.end()) {
            const Outcome outcome = early->second;
            earlyOutcomes_.erase(early);
            inFlight_.reset();
            deadline_.stop();
            DeliverOutcome(phrase, outcome);
            Pump();
            return;
        }
        // A service that never reports outcomes must not make this grow for ever.
        if (phraseOfMessage_.size() >= kMaxUnreportedPhrases) {
            phraseOfMessage_.erase(std::min_element(phraseOfMessage_.begin(), phraseOfMessage_.end(),
                                                    [](const auto& a, const auto& b) { return a.second < b.second; }));
        }
        phraseOfMessage_[id] = phrase;
    }
    inFlight_.reset();
    deadline_.stop();
    Pump();
}

void SpeechDispatcherVoice::OnReplyTimeout() {
    if (linked_ && !inFlight_ && reader_.midMessage()) {
        Lose(AnsweredWhatItShouldNot(socketPath_));
        return;
    }
    const double seconds = (state_ == State::Spawning ? options_.spawnTimeoutMs : deadline_.interval()) / 1000.0;
    if (state_ == State::Spawning && !linked_) {
        Lose(QCoreApplication::translate("SpeechFailures", "Can't connect to unix socket %1: %2. Autospawn: the speech service did not open its socket within %3 s")
                 .arg(socketPath_, connectFailure_, QString::number(seconds)));
        return;
    }
    if (!linked_) {
        Lose(QCoreApplication::translate("SpeechFailures", "Can't connect to unix socket %1: no answer within %2 s").arg(socketPath_, QString::number(seconds)));
        return;
    }
    Lose(QCoreApplication::translate("SpeechFailures", "The speech service at %1 did not answer within %2 s").arg(socketPath_, QString::number(seconds)));
}

void SpeechDispatcherVoice::Pump() {
    if (!linked_ || inFlight_) return;
    // The voice list takes the service a while (it asks its synthesiser, and a debug log writes
    // every one of thousands of lines): asked once the phrases so far are out, so none waits.
    if (pending_.empty() && state_ == State::Ready && queuedLanguage_ && !voicesListed_) {
        voicesListed_ = true;
        pending_.push_back({Step::Voices, "LIST SYNTHESIS_VOICES\r\n"});
    }
    if (pending_.empty()) return;
    inFlight_ = std::move(pending_.front());
    pending_.pop_front();
    socket_->Write(inFlight_->bytes);
    deadline_.start(inFlight_->step == Step::Voices ? kVoiceListReplies * options_.replyTimeoutMs : options_.replyTimeoutMs);
}

void SpeechDispatcherVoice::Lose(const QString& message) {
    deadline_.stop();
    retry_.stop();
    // A service this attempt started that has not opened its socket by now never will: it would
    // stay behind, one more with every attempt, after this program has gone.
    if (state_ == State::Spawning && !linked_ && spawnGroup_ > 0 && ::kill(-spawnGroup_, SIGTERM) == 0) {
        const pid_t group = pid_t(spawnGroup_);
        QTimer::singleShot(kStopGraceMs, QCoreApplication::instance(), [group] { ::kill(-group, SIGKILL); });
    }
    spawnGroup_ = 0;
    if (socket_) socket_->Abort();
    if (spawn_) {
        spawn_->disconnect(this);
        if (spawn_->state() == QProcess::NotRunning) {
            spawn_->deleteLater();
        } else {
            spawn_->setParent(QCoreApplication::instance());
            connect(spawn_, &QProcess::finished, spawn_, &QObject::deleteLater);
        }
        spawn_ = nullptr;
    }
    linked_ = false;
    reader_ = NewReader();
    pending_.clear();
    inFlight_.reset();
    queuedPriority_.reset();
    queuedLanguage_.reset();
    droppedUpTo_ = lastPhrase_;
    phraseOfMessage_.clear();
    earlyOutcomes_.clear();
    state_ = State::Failing;
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            if (state_ == State::Failing) state_ = State::Idle;
            emit Failed(message);
        },
        Qt::QueuedConnection);
}

void SpeechDispatcherVoice::DeliverMark(const QByteArray& name) {
    const std::optional<WordMark> mark = DecodeMarkName(QString::fromUtf8(name));
    if (!mark || (mark->phrase >> 32) != serial_) return;
    const std::uint32_t phrase = std::uint32_t(mark->phrase);
    if (phrase <= droppedUpTo_ || phrase > lastPhrase_) return;
    // Words come in order. espeak-ng sometimes reports the marks after a pause a second time;
    // a mark that does not move forward is one of those.
    const std::pair<std::uint32_t, qsizetype> at{phrase, mark->word.position};
    if (at <= lastMark_) return;
    lastMark_ = at;
    emit Word(mark->word.position, mark->word.length);
}

void SpeechDispatcherVoice::OnPhraseEvent(int code, const QByteArray& messageId) {
    // 701 begin, 702 end, 703 cancelled; pause and resume are never asked for.
    if (code != 702 && code != 703) return;
    const Outcome outcome = code == 702 ? Outcome::Finished : Outcome::Cancelled;
    const auto known = phraseOfMessage_.find(messageId);
    if (known == phraseOfMessage_.end()) {
        earlyOutcomes_.emplace_back(messageId, outcome);
        if (earlyOutcomes_.size() > kMaxEarlyOutcomes) earlyOutcomes_.pop_front();
        return;
    }
    const std::uint32_t phrase = known->second;
    phraseOfMessage_.erase(known);
    DeliverOutcome(phrase, outcome);
}

void SpeechDispatcherVoice::DeliverOutcome(std::uint32_t phrase, Outcome outcome) {
    // A purged phrase's cancel is the purge itself, not news.
    if (phrase <= droppedUpTo_) return;
    if (outcome == Outcome::Finished) {
        emit Finished();
        return;
    }
    // Marks of a cut phrase that were already on their way are not words heard any more.
    droppedUpTo_ = std::max(droppedUpTo_, phrase);
    emit Interrupted();
}

}  // namespace ferrolin
