// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8 to code points and back, strict: overlong forms, surrogates and values past U+10FFFF
// are rejected.
#include <optional>
#include <string>
#include <string_view>

namespace ferrolin {

// Appends the code points of `text` to `out`; false (with `out` partly filled) on invalid UTF-8.
bool DecodeUtf8(std::string_view text, std::u32string& out);
void AppendUtf8(std::string& out, char32_t c);
// Writes c into out[0..4); returns the number of bytes.
std::size_t EncodeUtf8(char32_t c, char out[4]);
// The first code point of a UTF-8 text, or nothing when it is empty or does not open with a
// whole character; what follows it is not looked at.
std::optional<char32_t> FirstCodePoint(std::string_view text);
// The last code point of a UTF-8 text, or nothing when it is empty or ends mid-character.
std::optional<char32_t> LastCodePoint(std::string_view text);

}  // namespace ferrolin
