// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/Utf8.h"

namespace ferrolin {

namespace {

// Decodes one character starting at text[i]; returns its length, or 0 when invalid.
std::size_t DecodeOne(std::string_view text, std::size_t i, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    std::size_t len;
    char32_t min;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2, c = b0 & 0x1F, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3, c = b0 & 0x0F, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4, c = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - i < len) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const unsigned char b = byte(i + k);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return len;
}

}  // namespace

bool DecodeUtf8(std::string_view text, std::u32string& out) {
    for (std::size_t i = 0; i < text.size();) {
        char32_t c;
        const std::size_t len = DecodeOne(text, i, c);
        if (len == 0) return false;
        out.push_back(c);
        i += len;
    }
    return true;
}

std::size_t EncodeUtf8(char32_t c, char out[4]) {
    std::string s;
    AppendUtf8(s, c);
    for (std::size_t i = 0; i < s.size(); ++i) out[i] = s[i];
    return s.size();
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::optional<char32_t> FirstCodePoint(std::string_view text) {
    char32_t c;
    if (text.empty() || DecodeOne(text, 0, c) == 0) return std::nullopt;
    return c;
}

std::optional<char32_t> LastCodePoint(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::size_t start = text.size() - 1;
    while (start > 0 && text.size() - start < 4 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    char32_t c;
    const std::size_t len = DecodeOne(text, start, c);
    if (len == 0 || start + len != text.size()) return std::nullopt;
    return c;
}

}  // namespace ferrolin
