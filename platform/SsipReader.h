#pragma once
// Splits what speech-dispatcher sends into its protocol's messages. Every line is three digits,
// then '-' when more lines of the same message follow or ' ' on the last one, then text, then
// CR LF. Replies to commands are codes 1xx to 5xx; 7xx are events (index marks and the like) that
// may arrive at any time between replies.
#include <QByteArray>
#include <QList>
#include <optional>

namespace ferrolin {

struct SsipMessage {
    int code = 0;
    QList<QByteArray> lines;  // the text of each line after the code and its separator
    bool operator==(const SsipMessage&) const = default;
};

class SsipReader {
public:
    // Takes the next bytes off the socket. False once the bytes cannot be the protocol: a line
    // without a code, a message whose lines change code, or a line that never ends.
    bool Feed(const QByteArray& bytes);
    // The next complete message, oldest first.
    std::optional<SsipMessage> Take();
    bool failed() const { return failed_; }

private:
    bool ReadLine(const QByteArray& line);

    QByteArray partial_;
    SsipMessage building_;
    QList<SsipMessage> done_;
    bool failed_ = false;
};

}  // namespace ferrolin
