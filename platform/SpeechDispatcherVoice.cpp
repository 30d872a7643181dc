#include "platform/SpeechDispatcherVoice.h"

#include "formats/SpeechMarkup.h"

#include <QMetaObject>
#include <QPointer>
#include <libspeechd.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <string>
#include <unordered_map>

namespace ferrolin {

// libspeechd calls back on its own thread with nothing but the server's client id, so every
// connected voice is entered here under that id. An entry is removed before its connection
// closes and before its voice dies; posting happens under the same lock, so nothing is ever
// posted to a voice that is gone, and Qt discards what was posted but not yet delivered.
class SpeechMarkRouter {
public:
    static void Add(std::size_t clientId, SpeechDispatcherVoice* voice) {
        std::lock_guard lock(mutex());
        voices().emplace(clientId, voice);
    }

    static void Remove(std::size_t clientId, SpeechDispatcherVoice* voice) {
        std::lock_guard lock(mutex());
        auto [first, last] = voices().equal_range(clientId);
        for (auto it = first; it != last; ++it) {
            if (it->second == voice) {
                voices().erase(it);
                return;
            }
        }
    }

    // Runs on libspeechd's thread: no spd_* calls here, they would deadlock. Client ids are only
    // unique per service, so voices connected to different services may share one; each voice
    // recognises its own marks by the serial in the phrase number.
    static void OnIndexMark(std::size_t, std::size_t clientId, SPDNotificationType state, char* mark) {
        if (state != SPD_EVENT_INDEX_MARK || mark == nullptr) return;
        const QString name = QString::fromUtf8(mark);
        std::lock_guard lock(mutex());
        auto [first, last] = voices().equal_range(clientId);
        for (auto it = first; it != last; ++it) {
            SpeechDispatcherVoice* voice = it->second;
            QMetaObject::invokeMethod(voice, [voice, name] { voice->DeliverMark(name); }, Qt::QueuedConnection);
        }
    }

private:
    static std::mutex& mutex() {
        static std::mutex m;
        return m;
    }
    static std::unordered_multimap<std::size_t, SpeechDispatcherVoice*>& voices() {
        static std::unordered_multimap<std::size_t, SpeechDispatcherVoice*> v;
        return v;
    }
};

namespace {

// libspeechd writes to its socket with plain write(): once the service has died that raises
// SIGPIPE, which would end the program. Keep it blocked on this thread for the call and swallow
// one that arrived, so the call just returns -1.
class SigpipeGuard {
public:
    SigpipeGuard() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        alreadyPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
    }
    ~SigpipeGuard() {
        if (!alreadyPending_) {
            const timespec zero{0, 0};
            while (sigtimedwait(&pipe_, nullptr, &zero) == SIGPIPE) {}
        }
        pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    SigpipeGuard(const SigpipeGuard&) = delete;
    SigpipeGuard& operator=(const SigpipeGuard&) = delete;

private:
    sigset_t pipe_;
    sigset_t old_;
    bool alreadyPending_ = false;
};

std::atomic<std::uint32_t> nextVoiceSerial{1};

std::string TakeLibraryMessage(char* message) {
    std::string text = message ? message : "";
    std::free(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

}  // namespace

struct SpeechDispatcherVoice::Link {
    SPDConnection* connection;
    std::size_t clientId;
};

SpeechDispatcherVoice::SpeechDispatcherVoice(QObject* parent) : SpeechDispatcherVoice(Options{}, parent) {}

SpeechDispatcherVoice::SpeechDispatcherVoice(Options options, QObject* parent)
    : Voice(parent), options_(options), serial_(nextVoiceSerial++) {}

SpeechDispatcherVoice::~SpeechDispatcherVoice() {
    // The service would otherwise go on reading a dead voice's queue, ahead of everyone else's.
    if (link_) {
        SigpipeGuard guard;
        spd_cancel(link_->connection);
    }
    Disconnect();
}

void SpeechDispatcherVoice::EnsureConnected() {
    if (link_) return;
    char* error = nullptr;
    SPDConnection* connection = nullptr;
    {
        SigpipeGuard guard;
        connection = spd_open2("ferrolin", "voice", nullptr, SPD_MODE_THREADED, nullptr,
                               options_.autospawn ? 1 : 0, &error);
    }
    if (!connection) {
        std::string reason = TakeLibraryMessage(error);
        if (reason.empty()) reason = "Could not connect to the speech service";
        throw SpeechError(reason);
    }
    std::free(error);

    const int clientId = spd_get_client_id(connection);
    connection->callback_im = &SpeechMarkRouter::OnIndexMark;
    if (clientId < 0 || spd_set_data_mode(connection, SPD_DATA_SSML) != 0 ||
        spd_set_notification_on(connection, SPD_INDEX_MARKS) != 0) {
        spd_close(connection);
        throw SpeechError("The speech service refused to report word positions");
    }
    link_ = std::make_unique<Link>(Link{connection, std::size_t(clientId)});
    SpeechMarkRouter::Add(link_->clientId, this);
}

void SpeechDispatcherVoice::Disconnect() {
    if (!link_) return;
    SpeechMarkRouter::Remove(link_->clientId, this);
    const std::unique_ptr<Link> link = std::move(link_);
    droppedUpTo_ = lastPhrase_;
    SigpipeGuard guard;
    spd_close(link->connection);
}

void SpeechDispatcherVoice::FailLost(const char* what) {
    Disconnect();
    throw SpeechError(std::string("The speech service stopped answering while ") + what);
}

namespace {
SPDPriority ToSpdPriority(SpeechPriority priority) {
    switch (priority) {
    case SpeechPriority::Important: return SPD_IMPORTANT;
    case SpeechPriority::Message: return SPD_MESSAGE;
    case SpeechPriority::Text: return SPD_TEXT;
    case SpeechPriority::Notification: return SPD_NOTIFICATION;
    case SpeechPriority::Progress: return SPD_PROGRESS;
    }
    return SPD_MESSAGE;
}
}  // namespace

void SpeechDispatcherVoice::Speak(const QString& text) {
    if (text.isEmpty()) return;
    EnsureConnected();
    const std::uint64_t phrase = (std::uint64_t(serial_) << 32) | ++lastPhrase_;
    const QByteArray ssml = BuildSsml(phrase, text).toUtf8();
    int result;
    {
        SigpipeGuard guard;
        result = spd_say(link_->connection, ToSpdPriority(priority_), ssml.constData());
    }
    if (result < 0) FailLost("speaking");
}

void SpeechDispatcherVoice::Purge() {
    EnsureConnected();
    // Marks already on their way belong to the speech being discarded.
    droppedUpTo_ = lastPhrase_;
    int result;
    {
        SigpipeGuard guard;
        result = spd_cancel(link_->connection);
    }
    if (result < 0) FailLost("stopping speech");
}

void SpeechDispatcherVoice::DeliverMark(const QString& name) {
    const std::optional<WordMark> mark = DecodeMarkName(name);
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

}  // namespace ferrolin
