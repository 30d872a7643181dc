#include "platform/RtfWriter.h"

#include <array>
#include <charconv>

namespace ferrolin {
namespace {

void AppendNumber(QByteArray& out, int value) {
    std::array<char, 12> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), result.ptr - digits.data());
}

void AppendHexByte(QByteArray& out, unsigned value) {
    static constexpr char kHex[] = "0123456789abcdef";
    out.append("\\'");
    out.append(kHex[(value >> 4) & 0xF]);
    out.append(kHex[value & 0xF]);
}

// `inFontTable`: a ';' would end the font's entry early, so it is written as \'3b there.
void AppendEscaped(QByteArray& out, const QString& text, bool inFontTable) {
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        switch (unit) {
        case u'\\': out.append("\\\\"); continue;
        case u'{': out.append("\\{"); continue;
        case u'}': out.append("\\}"); continue;
        case u'\t': out.append("\\tab "); continue;
        // A line break inside a history line is still a break for anyone reading the file.
        case u'\r':
        case u'\n': out.append("\\line "); continue;
        case u';':
            if (inFontTable) {
                AppendHexByte(out, unit);
                continue;
            }
            break;
        default: break;
        }
        if (unit < 0x20 || unit == 0x7F) {
            // Other control characters survive the round trip as their byte value.
            AppendHexByte(out, unit);
        } else if (unit < 0x80) {
            out.append(static_cast<char>(unit));
        } else {
            // RTF's \u takes a signed 16-bit number; surrogates go out one unit at a time,
            // which is exactly the UTF-16 pair readers expect.
            out.append("\\u");
            AppendNumber(out, static_cast<int16_t>(unit));
            out.append('?');
        }
    }
}

}  // namespace

QByteArray WriteRtf(const QStringList& lines, const QString& fontName) {
    qsizetype expected = 128 + fontName.size() * 8;
    for (const QString& line : lines) expected += line.size() + 8;

    QByteArray out;
    out.reserve(expected);
    out.append("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 ");
    AppendEscaped(out, fontName, true);
    out.append(";}}\n\\viewkind4\\uc1\\pard\\plain\\f0 ");
    for (const QString& line : lines) {
        AppendEscaped(out, line, false);
        out.append("\\par\n");
    }
    out.append('}');
    return out;
}

}  // namespace ferrolin
