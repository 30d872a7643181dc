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

// Replaces UTF-16 halves without their partner (a broken UTF-16 file, a stray \uN in RTF) with
// U+FFFD, so that every history line is well-formed text.
void ReplaceLoneSurrogates(QString& text);

// Removes the control characters (C0 but the tab, DEL, C1): they have no place in a history line,
// and some writers leave NULs and other noise in their files.
void RemoveControlCharacters(QString& line);

// Lines end at CRLF, LF or CR; a final line break adds no empty line ("a\n" is one line,
// "a\n\n" two, "" none).
QStringList SplitLines(const QString& text);

// The lines of a plain-text file, without control characters.
QStringList DecodePlainTextLines(QByteArrayView data);

}  // namespace ferrolin
