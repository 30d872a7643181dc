// SPDX-License-Identifier: GPL-3.0-or-later
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

QStringList HistoryText::Lines() const {
    if (lineCount == 0) return {};
    return text.split(u'\n');
}

void ReplaceLoneSurrogates(QString& text, qsizetype from) {
    const QChar* chars = text.constData();
    const qsizetype size = text.size();
    for (qsizetype i = from; i < size; ++i) {
        if (!chars[i].isSurrogate()) continue;
        if (chars[i].isHighSurrogate() && i + 1 < size && chars[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        text[i] = QChar::ReplacementCharacter;
        chars = text.constData();
    }
}

namespace {

bool IsControl(char16_t u) { return (u < 0x20 && u != u'\t') || (u >= 0x7F && u < 0xA0); }

}  // namespace

void RemoveControlCharacters(QString& line, qsizetype from) {
    const auto first = std::find_if(line.cbegin() + from, line.cend(), [](QChar ch) { return IsControl(ch.unicode()); });
    // Most lines have none: look before touching (and detaching) the string.
    if (first == line.cend()) return;
    QChar* chars = line.data();
    qsizetype kept = first - line.cbegin();
    for (qsizetype i = kept; i < line.size(); ++i) {
        if (!IsControl(chars[i].unicode())) chars[kept++] = chars[i];
    }
    line.truncate(kept);
}

qsizetype BreakAtLineSeparators(QString& text, qsizetype from) {
    qsizetype found = 0;
    const auto isSeparator = [](QChar ch) { return ch == u'\u2028' || ch == u'\u2029'; };
    if (std::none_of(text.cbegin() + from, text.cend(), isSeparator)) return 0;
    QChar* chars = text.data();
    for (qsizetype i = from; i < text.size(); ++i) {
        if (isSeparator(chars[i])) {
            chars[i] = u'\n';
            ++found;
        }
    }
    return found;
}

HistoryText DecodePlainTextHistory(QByteArrayView data) {
    // In place: every line break becomes one '\n', control characters go.
    HistoryText history{DecodePlainText(data), 0};
    QString& text = history.text;
    QChar* chars = text.data();
    const qsizetype size = text.size();
    qsizetype kept = 0;
    qsizetype breaks = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t ch = chars[i].unicode();
        if (ch == u'\n' || ch == u'\r' || ch == u'\u2028' || ch == u'\u2029') {
            if (ch == u'\r' && i + 1 < size && chars[i + 1] == u'\n') ++i;
            chars[kept++] = u'\n';
            ++breaks;
        } else if (!IsControl(ch)) {
            chars[kept++] = ch;
        }
    }
    text.truncate(kept);
    if (kept > 0 && text.back() == u'\n') {
        text.chop(1);  // a final line break adds no empty line
        history.lineCount = breaks;
    } else {
        history.lineCount = kept > 0 ? breaks + 1 : 0;
    }
    return history;
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
