// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpeechMarkup.h"

#include <QStringList>

namespace ferrolin {

namespace {

constexpr QChar kMarkSeparator = u'_';
const QString kMarkPrefix = QStringLiteral("w");

// XML 1.0 allows tab, LF, CR and everything from U+0020 except the surrogate block (when not a
// proper pair) and U+FFFE/U+FFFF.
bool IsXmlChar(char32_t c) {
    if (c == 0x9 || c == 0xA || c == 0xD) return true;
    if (c < 0x20) return false;
    if (c >= 0xD800 && c <= 0xDFFF) return false;
    if (c == 0xFFFE || c == 0xFFFF) return false;
    return c <= 0x10FFFF;
}

void AppendEscaped(QString& out, QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
            continue;
        }
        switch (c.unicode()) {
        case u'&': out += QStringLiteral("&amp;"); break;
        case u'<': out += QStringLiteral("&lt;"); break;
        case u'>': out += QStringLiteral("&gt;"); break;
        case u'"': out += QStringLiteral("&quot;"); break;
        case u'\'': out += QStringLiteral("&apos;"); break;
        default: out += IsXmlChar(c.unicode()) ? c : QChar(u' ');
        }
    }
}

std::optional<std::uint64_t> ParseNumber(QStringView digits) {
    if (digits.isEmpty() || digits.size() > 19) return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

}  // namespace

QList<SpokenWord> WordsOf(const QString& text) {
    QList<SpokenWord> words;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        while (i < size && text[i].isSpace()) ++i;
        if (i == size) break;
        const qsizetype start = i;
        while (i < size && !text[i].isSpace()) ++i;
        words.append({int(start), int(i - start)});
    }
    return words;
}

QString EncodeMarkName(const WordMark& mark) {
    return kMarkPrefix + QString::number(mark.phrase) + kMarkSeparator +
           QString::number(mark.word.position) + kMarkSeparator + QString::number(mark.word.length);
}

std::optional<WordMark> DecodeMarkName(const QString& name) {
    if (!name.startsWith(kMarkPrefix)) return std::nullopt;
    const QStringView body = QStringView(name).mid(kMarkPrefix.size());
    const QList<QStringView> parts = body.split(kMarkSeparator);
    if (parts.size() != 3) return std::nullopt;
    const auto phrase = ParseNumber(parts[0]);
    const auto position = ParseNumber(parts[1]);
    const auto length = ParseNumber(parts[2]);
    constexpr std::uint64_t kMaxInt = 0x7FFFFFFF;
    if (!phrase || !position || !length || *position > kMaxInt || *length > kMaxInt || *length == 0)
        return std::nullopt;
    return WordMark{*phrase, {int(*position), int(*length)}};
}

QString EscapeForXml(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    AppendEscaped(out, text);
    return out;
}

QString BuildSsml(std::uint64_t phrase, const QString& text) {
    QString out = QStringLiteral("<speak>");
    qsizetype done = 0;
    for (const SpokenWord& word : WordsOf(text)) {
        AppendEscaped(out, QStringView(text).mid(done, word.position - done));
        // espeak-ng drops a mark that opens a new sentence unless something stands between the
        // full stop and the mark; an empty break changes nothing that is heard.
        if (done > 0 && QStringLiteral(".!?;:").contains(text[done - 1])) out += QStringLiteral("<break time=\"0ms\"/>");
        out += QStringLiteral("<mark name=\"") + EncodeMarkName({phrase, word}) + QStringLiteral("\"/>");
        AppendEscaped(out, QStringView(text).mid(word.position, word.length));
        done = word.position + word.length;
    }
    AppendEscaped(out, QStringView(text).mid(done));
    out += QStringLiteral("</speak>");
    return out;
}

}  // namespace ferrolin
