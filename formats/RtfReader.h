// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a results file back into history lines: RTF (ours or another program's) or plain text.
#include <QByteArray>
#include <QStringList>
#include <optional>

#include "formats/PlainTextLines.h"

namespace ferrolin {

// Groups deeper than this make a document unreadable. Real documents nest a few thousand deep at
// most (an Outlook message: 2,714); a group costs the reader 16 bytes, so the bound is 16 MB.
inline constexpr int kMaxRtfGroupDepth = 1'000'000;

// The text of an RTF document as lines: one per paragraph (\par) or line break (\line); a
// final paragraph mark adds no empty line, so WriteRtf's output reads back exactly. Formatting
// and the destinations a reader does not show (tables of fonts, colours, styles and lists, document
// information, pictures, headers and footers, unknown \* groups) are left out, and so is hidden
// text (\v). Bytes are decoded in the code page of their font's \fcharset or \cpg, else of the
// document's \ansicpg; a malformed byte becomes U+FFFD, and no control character but the tab
// reaches a line.
// nullopt when the bytes are not an RTF document (they must open with "{\rtf", after optional
// whitespace) or nest groups deeper than kMaxRtfGroupDepth. A document cut short (closing braces
// missing) yields what was read; anything after the closing brace is ignored.
std::optional<HistoryText> ParseRtfHistory(QByteArrayView data);

// Whether `data` opens, after optional whitespace, with "{\rtf".
bool LooksLikeRtf(QByteArrayView data);

// A results file's bytes as history lines: RTF when they look like RTF, plain text otherwise
// (see DecodePlainTextLines).
// nullopt when they look like RTF but cannot be read as such (the file cannot be loaded).
// Needs about twice the bytes' size for the text, and no more.
std::optional<HistoryText> ReadResultsHistory(QByteArrayView data);

}  // namespace ferrolin
