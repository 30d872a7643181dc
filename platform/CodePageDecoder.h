#pragma once
// Turns bytes in a Windows code page into text: the built-in single-byte tables first,
// then Qt's converters (ICU) for the multi-byte Asian pages and the DOS/Mac ones.
#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <map>
#include <memory>

namespace ferrolin {

inline constexpr int kWindowsWestern = 1252;

// Decodes `bytes` as Windows-1252; never fails (every byte maps to a character).
QString DecodeWindows1252(QByteArrayView bytes);

class CodePageDecoder {
public:
    // Appends `bytes`, taken as one run in `codePage`, to `out`. A code page we cannot decode
    // is read as Windows-1252 so that nothing is dropped.
    void Append(QByteArrayView bytes, int codePage, QString& out);

private:
    QStringDecoder* ConverterFor(int codePage);

    std::map<int, std::unique_ptr<QStringDecoder>> converters_;
};

}  // namespace ferrolin
