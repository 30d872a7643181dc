// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits what speech-dispatcher sends into its protocol's messages. Every line is three digits,
// then '-' when more lines of the same message follow or ' ' on the last one, then text, then
// CR LF. Replies to commands are codes 1xx to 5xx; 7xx are events (index marks and the like) that
// may arrive at any time between replies.
#include <QByteArray>
#include <QList>
#include <functional>
#include <optional>

namespace ferrolin {

struct SsipMessage {
    int code = 0;
    QList<QByteArray> lines;  // the text of each line after the code and its separator
    bool operator==(const SsipMessage&) const = default;
};

class SsipReader {
public:
    enum class Failure {
        None,
        NotTheProtocol,  // a line without a code, or a message whose lines change code
        TooLong,         // a line or a message longer than any the service sends
    };

    // Takes the next bytes off the socket. False once the bytes cannot be the protocol. Memory
    // stays bounded whatever the peer sends: a message may hold kMaxMessageLines lines of
    // kMaxLineBytes at most.
    bool Feed(const QByteArray& bytes);
    // The next complete message, oldest first.
    std::optional<SsipMessage> Take();
    bool failed() const { return failure_ != Failure::None; }
    Failure failure() const { return failure_; }
    // Part of a message has come and the rest has not yet.
    bool midMessage() const { return !partial_.isEmpty() || !building_.lines.isEmpty() || passing_; }

    // The lines of messages with `code` but their last are handed to `sink` as they come instead
    // of being kept, so such a message may have any number of lines: speech-dispatcher lists its
    // voices (code 249) one a line, thousands of them. The message is delivered with its last
    // line alone.
    void PassLinesOf(int code, std::function<void(const QByteArray&)> sink);

    // Longer than any reply or event the service sends this program (an index mark event is four
    // lines, a reply two).
    static constexpr qsizetype kMaxLineBytes = 64 * 1024;
    static constexpr qsizetype kMaxMessageLines = 64;

private:
    bool ReadLine(const QByteArray& line);

    QByteArray partial_;
    SsipMessage building_;
    QList<SsipMessage> done_;
    int passCode_ = 0;
    std::function<void(const QByteArray&)> passSink_;
    bool passing_ = false;  // within a message whose lines go to passSink_
    Failure failure_ = Failure::None;
};

}  // namespace ferrolin
