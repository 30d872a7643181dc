#include "platform/SsipReader.h"

namespace ferrolin {

namespace {
// Longer than any reply or index mark this program causes; a peer that sends more without a line
// end is not speech-dispatcher.
constexpr qsizetype kMaxLine = 64 * 1024;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool SsipReader::Feed(const QByteArray& bytes) {
    if (failed_) return false;
    partial_ += bytes;
    qsizetype start = 0;
    for (qsizetype end; (end = partial_.indexOf('\n', start)) >= 0; start = end + 1) {
        QByteArray line = partial_.mid(start, end - start);
        if (line.endsWith('\r')) line.chop(1);
        if (!ReadLine(line)) {
            failed_ = true;
            return false;
        }
    }
    partial_.remove(0, start);
    if (partial_.size() > kMaxLine) failed_ = true;
    return !failed_;
}

bool SsipReader::ReadLine(const QByteArray& line) {
    if (line.size() < 4 || !IsDigit(line[0]) || !IsDigit(line[1]) || !IsDigit(line[2]) ||
        (line[3] != '-' && line[3] != ' '))
        return false;
    const int code = (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
    if (code < 100) return false;
    if (!building_.lines.isEmpty() && building_.code != code) return false;
    building_.code = code;
    building_.lines.append(line.mid(4));
    if (line[3] == ' ') {
        done_.append(std::move(building_));
        building_ = {};
    }
    return true;
}

std::optional<SsipMessage> SsipReader::Take() {
    if (done_.isEmpty()) return std::nullopt;
    return done_.takeFirst();
}

}  // namespace ferrolin
