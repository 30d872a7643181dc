// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns bytes in a Windows, DOS or Mac code page into text through Qt's converters (ICU).
#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <array>
#include <map>
#include <memory>

namespace ferrolin {

inline constexpr int kWindowsWestern = 1252;
// Windows' number for the symbol character set (\fcharset2): its fonts draw their own pictures
// at byte values; only their bullet is read as such, the rest as Windows-1252.
inline constexpr int kSymbolCodePage = 42;

// Decodes `bytes` as Windows-1252; never fails (the five bytes it leaves undefined become U+FFFD).
QString DecodeWindows1252(QByteArrayView bytes);

// Whether `codePage` is one we decode with its own converter; any other is read as Windows-1252.
bool IsKnownCodePage(int codePage);

class CodePageDecoder {
public:
    CodePageDecoder();
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    // For a code page of one byte per character: the 128 characters that bytes 0x80-0xFF stand
    // for (ASCII below), bytes the code page leaves undefined as U+FFFD. nullptr for the
    // multi-byte pages (Asian ones, UTF-8). An unknown code page is Windows-1252's table.
    const char16_t* UpperHalf(int codePage);

    // Appends `bytes`, taken as one run in `codePage`, to `out`. A malformed or cut-off
    // multi-byte sequence becomes U+FFFD; nothing is dropped.
    void Append(QByteArrayView bytes, int codePage, QString& out);

private:
    struct Page;
    Page& PageFor(int codePage);

    std::map<int, std::unique_ptr<Page>> pages_;
};

}  // namespace ferrolin
