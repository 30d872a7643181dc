// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoding a plain-text file whose encoding nobody told us.
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace ferrolin {

// UTF-16LE after FF FE, UTF-16BE after FE FF, UTF-8 after EF BB BF (the mark is not part of the
// text), else UTF-8 when the bytes are valid UTF-8, else Windows-1252. Never fails: what cannot
// be decoded becomes U+FFFD.
QString DecodePlainText(QByteArrayView data);

// A history as one text: its lines joined by '\n' (no line holds one), and how many there are,
// which tells no lines ("", 0) from one empty line ("", 1). Open shows it as it is, without the
// memory of a string per line.
struct HistoryText {
    QString text;
    qsizetype lineCount = 0;

    QStringList Lines() const;
};

// Replaces UTF-16 halves without their partner (a broken UTF-16 file, a stray \uN in RTF) with
// U+FFFD, from `from` on, so that every history line is well-formed text.
void ReplaceLoneSurrogates(QString& text, qsizetype from = 0);

// Removes the control characters (C0 but the tab, DEL, C1): they have no place in a history line,
// and some writers leave NULs and other noise in their files.
void RemoveControlCharacters(QString& line, qsizetype from = 0);

// Turns the Unicode line and paragraph separators (U+2028, U+2029) from `from` on into '\n',
// since the history box would break its lines there; returns how many it found.
qsizetype BreakAtLineSeparators(QString& text, qsizetype from);

// Lines end at CRLF, LF or CR; a final line break adds no empty line ("a\n" is one line,
// "a\n\n" two, "" none).
QStringList SplitLines(const QString& text);

// The lines of a plain-text file (see DecodePlainText and SplitLines; U+2028 and U+2029 end lines
// too), without control characters.
HistoryText DecodePlainTextHistory(QByteArrayView data);
inline QStringList DecodePlainTextLines(QByteArrayView data) { return DecodePlainTextHistory(data).Lines(); }

}  // namespace ferrolin
