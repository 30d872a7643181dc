#pragma once
// Reads a results file back into history lines: RTF (ours or another program's) or plain text.
#include <QByteArray>
#include <QStringList>
#include <optional>

namespace ferrolin {

// Groups deeper than this make a document unreadable; real documents stay far below it.
inline constexpr int kMaxRtfGroupDepth = 1000;

// The text of an RTF document as lines: one per paragraph (\par) or line break (\line); a
// final paragraph mark adds no empty line, so WriteRtf's output reads back exactly. Formatting
// and the destinations a reader does not show (tables of fonts, colours and styles, document
// information, pictures, headers and footers, \* groups) are left out.
// nullopt when the bytes are not an RTF document (they must open with "{\rtf", after optional
// whitespace) or nest groups deeper than kMaxRtfGroupDepth. A document cut short (closing braces
// missing) yields what was read; anything after the closing brace is ignored.
std::optional<QStringList> ParseRtf(QByteArrayView data);

// Whether `data` opens, after optional whitespace, with "{\rtf".
bool LooksLikeRtf(QByteArrayView data);

// A results file's bytes as history lines: RTF when they look like RTF, plain text otherwise
// (see DecodePlainTextLines).
// nullopt when they look like RTF but cannot be read as such (the file cannot be loaded).
std::optional<QStringList> ReadResultsBytes(const QByteArray& data);

}  // namespace ferrolin
