#pragma once
#include <utility>
// The real Voice: speech-dispatcher through libspeechd.
//
// Nothing touches the service until the first Speak or Purge, so creating a voice at start-up is
// free. Phrases go out as SSML with an index mark before every word; the marks come back on
// libspeechd's own thread and are handed to this object's thread as Word signals.
#include "platform/Voice.h"

#include <cstdint>
#include <memory>

namespace ferrolin {

class SpeechDispatcherVoice : public Voice {
    Q_OBJECT
public:
    struct Options {
        // Let libspeechd start the service when none is running. Off only where a test needs a
        // service that is plainly missing.
        bool autospawn = true;
    };

    explicit SpeechDispatcherVoice(QObject* parent = nullptr);
    SpeechDispatcherVoice(Options options, QObject* parent = nullptr);
    ~SpeechDispatcherVoice() override;

    void Speak(const QString& text) override;
    void Purge() override;
    void SetPriority(SpeechPriority priority) override { priority_ = priority; }

    bool isConnected() const { return link_ != nullptr; }

private:
    friend class SpeechMarkRouter;

    void EnsureConnected();
    void Disconnect();
    [[noreturn]] void FailLost(const char* what);
    void DeliverMark(const QString& name);

    Options options_;
    SpeechPriority priority_ = SpeechPriority::Message;
    struct Link;  // the open connection to the service
    std::unique_ptr<Link> link_;
    const std::uint32_t serial_;  // tells this voice's marks from other voices' in this process
    std::uint32_t lastPhrase_ = 0;
    // Marks of this phrase and the ones before it belong to speech that was purged or lost.
    std::uint32_t droppedUpTo_ = 0;
    std::pair<std::uint32_t, qsizetype> lastMark_{0, -1};  // phrase and position of the last word reported
};

}  // namespace ferrolin
