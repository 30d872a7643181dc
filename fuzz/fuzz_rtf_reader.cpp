// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes handed to the results-file loader: it must return (lines or "cannot load")
// without crashing, leaking or taking long, and needs no QApplication to do so.
#include "formats/RtfReader.h"
#include "formats/RtfWriter.h"

#include <QRegularExpression>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

std::optional<QStringList> ReadLines(QByteArrayView bytes) {
    const std::optional<ferrolin::HistoryText> history = ferrolin::ReadResultsHistory(bytes);
    if (!history) return std::nullopt;
    return history->Lines();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QStringList> lines = ReadLines(bytes);
    if (!lines) return 0;
    // No line holds a control character but the tab, whatever the bytes were.
    for (const QString& line : *lines) {
        for (QChar ch : line) {
            if (ch != u'\t' && ch.category() == QChar::Other_Control) std::abort();
        }
    }
    // Whatever was read must survive our own file format unchanged, except that a line break
    // decoded inside a line (\'0a, \u13) comes back as a break between lines.
    QStringList expected;
    static const QRegularExpression kBreak("\r\n|\r|\n");
    for (const QString& line : *lines) expected += line.split(kBreak);
    const std::optional<QStringList> again = ReadLines(ferrolin::WriteRtf(*lines, "Tahoma"));
    if (!again || *again != expected) std::abort();
    return 0;
}
