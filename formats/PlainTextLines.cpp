#include "formats/PlainTextLines.h"

#include "formats/CodePageDecoder.h"

#include <QStringDecoder>
#include <algorithm>

namespace ferrolin {
namespace {

bool StartsWith(QByteArrayView data, QByteArrayView prefix) { return data.startsWith(prefix); }

// The mark has been taken off already: a second U+FEFF is text and stays.
QString DecodeUtf(QByteArrayView data, QStringConverter::Encoding encoding, bool* failed = nullptr) {
    // Stateless: bytes cut off at the end are an error (U+FFFD), not kept for a next call.
    QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = decoder.decode(data);
    if (failed != nullptr) *failed = decoder.hasError();
    // Qt's UTF-16 decoder passes unpaired surrogates through.
    ReplaceLoneSurrogates(text);
    return text;
}

}  // namespace

QString DecodePlainText(QByteArrayView data) {
    if (StartsWith(data, "\xFF\xFE")) return DecodeUtf(data.sliced(2), QStringConverter::Utf16LE);
    if (StartsWith(data, "\xFE\xFF")) return DecodeUtf(data.sliced(2), QStringConverter::Utf16BE);
    if (StartsWith(data, "\xEF\xBB\xBF")) return DecodeUtf(data.sliced(3), QStringConverter::Utf8);
    bool invalid = false;
    QString text = DecodeUtf(data, QStringConverter::Utf8, &invalid);
    if (!invalid) return text;
    return DecodeWindows1252(data);
}

void ReplaceLoneSurrogates(QString& text) {
    const QChar* chars = text.constData();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (!chars[i].isSurrogate()) continue;
        if (chars[i].isHighSurrogate() && i + 1 < size && chars[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        text[i] = QChar::ReplacementCharacter;
        chars = text.constData();
    }
}

void RemoveControlCharacters(QString& line) {
    const auto isControl = [](QChar ch) {
        const char16_t u = ch.unicode();
        return (u < 0x20 && u != u'\t') || (u >= 0x7F && u < 0xA0);
    };
    // Most lines have none: look before touching (and detaching) the string.
    if (std::none_of(line.cbegin(), line.cend(), isControl)) return;
    line.removeIf(isControl);
}

QStringList DecodePlainTextLines(QByteArrayView data) {
    QStringList lines = SplitLines(DecodePlainText(data));
    for (QString& line : lines) RemoveControlCharacters(line);
    return lines;
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar ch = text[i];
        if (ch != u'\n' && ch != u'\r') continue;
        lines.append(text.sliced(start, i - start));
        if (ch == u'\r' && i + 1 < size && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < size) lines.append(text.sliced(start));
    return lines;
}

}  // namespace ferrolin
