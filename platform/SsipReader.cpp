// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SsipReader.h"

namespace ferrolin {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool SsipReader::Feed(const QByteArray& bytes) {
    if (failed()) return false;
    partial_ += bytes;
    qsizetype start = 0;
    for (qsizetype end; (end = partial_.indexOf('\n', start)) >= 0; start = end + 1) {
        QByteArray line = partial_.mid(start, end - start);
        if (line.endsWith('\r')) line.chop(1);
        if (line.size() > kMaxLineBytes) failure_ = Failure::TooLong;
        else if (!ReadLine(line)) failure_ = failure_ == Failure::None ? Failure::NotTheProtocol : failure_;
        if (failed()) {
            partial_.clear();
            building_ = {};
            passing_ = false;
            return false;
        }
    }
    partial_.remove(0, start);
    if (partial_.size() > kMaxLineBytes) failure_ = Failure::TooLong;
    return !failed();
}

bool SsipReader::ReadLine(const QByteArray& line) {
    if (line.size() < 4 || !IsDigit(line[0]) || !IsDigit(line[1]) || !IsDigit(line[2]) ||
        (line[3] != '-' && line[3] != ' '))
        return false;
    const int code = (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
    if (code < 100) return false;
    if (!building_.lines.isEmpty() && building_.code != code) return false;
    if (passing_ && code != passCode_) return false;
    if (passSink_ && code == passCode_ && line[3] == '-' && building_.lines.isEmpty()) {
        passing_ = true;
        passSink_(line.mid(4));
        return true;
    }
    passing_ = false;
    if (building_.lines.size() >= kMaxMessageLines) {
        failure_ = Failure::TooLong;
        return false;
    }
    building_.code = code;
    building_.lines.append(line.mid(4));
    if (line[3] == ' ') {
        done_.append(std::move(building_));
        building_ = {};
    }
    return true;
}

void SsipReader::PassLinesOf(int code, std::function<void(const QByteArray&)> sink) {
    passCode_ = code;
    passSink_ = std::move(sink);
}

std::optional<SsipMessage> SsipReader::Take() {
    if (done_.isEmpty()) return std::nullopt;
    return done_.takeFirst();
}

}  // namespace ferrolin
