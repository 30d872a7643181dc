// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RtfWriter.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace ferrolin {
namespace {

// The longest spelling of one UTF-16 unit: \u-32768\'3f.
constexpr qsizetype kMaxBytesPerUnit = 12;

// Appends to a byte array through a raw pointer: room is made once per line instead of being
// checked for every character, which keeps a 100,000-line history fast to write.
class RtfSink {
public:
    explicit RtfSink(qsizetype expected) { bytes_.resize(expected); }

    void Reserve(qsizetype more) {
        if (used_ + more <= bytes_.size()) return;
        bytes_.resize(std::max(bytes_.size() * 2, used_ + more));
    }

    void Put(char c) { bytes_.data()[used_++] = c; }

    template <size_t N>
    void Put(const char (&text)[N]) {
        std::memcpy(bytes_.data() + used_, text, N - 1);
        used_ += N - 1;
    }

    void PutHexByte(unsigned value) {
        static constexpr char kHex[] = "0123456789abcdef";
        Put("\\'");
        Put(kHex[(value >> 4) & 0xF]);
        Put(kHex[value & 0xF]);
    }

    void PutNumber(int value) {
        char* at = bytes_.data() + used_;
        used_ += std::to_chars(at, at + 8, value).ptr - at;
    }

    QByteArray Take() {
        bytes_.resize(used_);
        return std::move(bytes_);
    }

private:
    QByteArray bytes_;
    qsizetype used_ = 0;
};

// `inFontTable`: a ';' would end the font's entry early, so it is written as \'3b there.
void PutEscaped(RtfSink& out, const QString& text, bool inFontTable) {
    out.Reserve(text.size() * kMaxBytesPerUnit + 16);
    const char16_t* units = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = units[i];
        if (unit >= 0x20 && unit < 0x7F && unit != u'\\' && unit != u'{' && unit != u'}' &&
            !(unit == u';' && inFontTable)) {
            out.Put(static_cast<char>(unit));
            continue;
        }
        switch (unit) {
        case u'\\': out.Put("\\\\"); break;
        case u'{': out.Put("\\{"); break;
        case u'}': out.Put("\\}"); break;
        case u';': out.PutHexByte(unit); break;
        case u'\t': out.Put("\\tab "); break;
        // A line break inside a history line is still a break for anyone reading the file.
        case u'\r':
            if (i + 1 < size && units[i + 1] == u'\n') ++i;
            out.Put("\\line ");
            break;
        case u'\n': out.Put("\\line "); break;
        default:
            if (unit < 0x80) {
                // Other control characters survive the round trip as their byte value.
                out.PutHexByte(unit);
            } else {
                // RTF's \u takes a signed 16-bit number; surrogates go out one unit at a time,
                // which is exactly the UTF-16 pair readers expect. The '?' for readers without
                // Unicode is spelled \'3f: pandoc 2.17 drops the character after a literal '?'.
                out.Put("\\u");
                out.PutNumber(static_cast<int16_t>(unit));
                out.Put("\\'3f");
            }
            break;
        }
    }
}

}  // namespace

QByteArray WriteRtf(const QStringList& lines, const QString& fontName) {
    qsizetype expected = 128;
    for (const QString& line : lines) expected += line.size() + 8;

    RtfSink out(expected);
    out.Reserve(128);
    out.Put("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 ");
    PutEscaped(out, fontName, true);
    out.Reserve(64);
    out.Put(";}}\n\\viewkind4\\uc1\\pard\\plain\\f0 ");
    for (const QString& line : lines) {
        PutEscaped(out, line, false);
        out.Put("\\par\n");
    }
    out.Reserve(1);
    out.Put('}');
    return out.Take();
}

}  // namespace ferrolin
