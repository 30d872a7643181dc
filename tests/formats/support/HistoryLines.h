// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The readers' results as a list of lines, the shape the format tests compare against.
#include <QByteArrayView>
#include <QStringList>
#include <optional>

#include "formats/RtfReader.h"

namespace ferrolin::test {

inline std::optional<QStringList> LinesOf(const std::optional<HistoryText>& history) {
    if (!history) return std::nullopt;
    return history->Lines();
}

inline std::optional<QStringList> ParseRtf(QByteArrayView data) { return LinesOf(ParseRtfHistory(data)); }
inline std::optional<QStringList> ReadResultsBytes(QByteArrayView data) { return LinesOf(ReadResultsHistory(data)); }

}  // namespace ferrolin::test
