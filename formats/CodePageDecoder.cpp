// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CodePageDecoder.h"

#include <optional>

namespace ferrolin {
namespace {

// Qt's (ICU's) name for each code page RTF writers name in \ansicpg, \cpg or through \fcharset.
// A fixed list: a document naming thousands of code pages must not make us open thousands of
// converters. ICU has no converter for some Mac pages; the close relative stands in for them
// (Mac Icelandic, Romanian and Croatian differ from Mac Roman in a few letters, Mac Ukrainian
// from Mac Cyrillic in two; the Mac CJK pages are the Windows ones plus a few symbols).
const char* ConverterName(int codePage) {
    switch (codePage) {
    case kSymbolCodePage: return "windows-1252";
    case 437: return "cp437";
    case 737: return "cp737";
    case 775: return "cp775";
    case 850: return "cp850";
    case 852: return "cp852";
    case 855: return "cp855";
    case 857: return "cp857";
    case 860: return "cp860";
    case 861: return "cp861";
    case 862: return "cp862";
    case 863: return "cp863";
    case 864: return "cp864";
    case 865: return "cp865";
    case 866: return "cp866";
    case 869: return "cp869";
    case 874: return "windows-874";
    case 932: return "windows-932";
    case 936: return "windows-936";
    case 949: return "windows-949";
    case 950: return "windows-950";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1252: return "windows-1252";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 10000: return "macintosh";
    case 10001: return "windows-932";
    case 10002: return "windows-950";
    case 10003: return "windows-949";
    case 10006: return "x-mac-greek";
    case 10007: return "x-mac-cyrillic";
    case 10008: return "windows-936";
    case 10010: return "macintosh";
    case 10017: return "x-mac-cyrillic";
    case 10029: return "x-mac-centraleurroman";
    case 10079: return "macintosh";
    case 10081: return "x-mac-turkish";
    case 10082: return "macintosh";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

bool IsMultiByte(int codePage) {
    switch (codePage) {
    case 932: case 936: case 949: case 950:
    case 10001: case 10002: case 10003: case 10008:
    case 65001: return true;
    default: return false;
    }
}

// What ICU's Windows tables give for the bytes Windows leaves undefined.
bool IsC1Control(char16_t ch) { return ch >= 0x80 && ch < 0xA0; }

constexpr char16_t kSubstitute = 0x1A;  // what some ICU converters put for a malformed sequence

}  // namespace

struct CodePageDecoder::Page {
    std::optional<QStringDecoder> converter;  // multi-byte pages only
    std::array<char16_t, 128> upperHalf{};
    bool singleByte = false;
};

CodePageDecoder::CodePageDecoder() = default;
CodePageDecoder::~CodePageDecoder() = default;

bool IsKnownCodePage(int codePage) { return ConverterName(codePage) != nullptr; }

CodePageDecoder::Page& CodePageDecoder::PageFor(int codePage) {
    if (!IsKnownCodePage(codePage)) codePage = kWindowsWestern;
    auto found = pages_.find(codePage);
    if (found != pages_.end()) return *found->second;

    auto page = std::make_unique<Page>();
    QStringDecoder converter(ConverterName(codePage), QStringConverter::Flag::Stateless);
    if (!IsMultiByte(codePage) && converter.isValid()) {
        char bytes[128];
        for (int i = 0; i < 128; ++i) bytes[i] = static_cast<char>(0x80 + i);
        const QString upper = converter.decode(QByteArrayView(bytes, 128));
        if (upper.size() == 128) {
            for (int i = 0; i < 128; ++i) {
                const char16_t ch = upper[i].unicode();
                page->upperHalf[i] = IsC1Control(ch) ? char16_t(QChar::ReplacementCharacter) : ch;
            }
            page->singleByte = true;
            // The byte Word writes for every bulleted list's bullet in the Symbol font.
            if (codePage == kSymbolCodePage) page->upperHalf[0xB7 - 0x80] = u'\u2022';
        }
    }
    if (!page->singleByte) {
        if (converter.isValid()) {
            page->converter.emplace(std::move(converter));
        } else {
            // Qt built without ICU: keep the text readable as Western rather than lose it.
            PageFor(kWindowsWestern);
            page->upperHalf = pages_.at(kWindowsWestern)->upperHalf;
            page->singleByte = true;
        }
    }
    return *pages_.emplace(codePage, std::move(page)).first->second;
}

const char16_t* CodePageDecoder::UpperHalf(int codePage) {
    Page& page = PageFor(codePage);
    return page.singleByte ? page.upperHalf.data() : nullptr;
}

void CodePageDecoder::Append(QByteArrayView bytes, int codePage, QString& out) {
    if (bytes.isEmpty()) return;
    Page& page = PageFor(codePage);
    if (page.singleByte) {
        const qsizetype start = out.size();
        out.resize(start + bytes.size());
        QChar* to = out.data() + start;
        for (char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            *to++ = byte < 0x80 ? QChar(byte) : QChar(page.upperHalf[byte - 0x80]);
        }
        return;
    }
    // Each run is complete on its own. Qt keeps a lead byte cut off at the end of the run for a
    // next call instead of reporting it, so a line feed follows the run: it is never a trail
    // byte, and it turns a waiting lead byte into a malformed sequence that the converter marks.
    QByteArray run;
    run.reserve(bytes.size() + 1);
    run.append(bytes);
    run.append('\n');
    QString text = page.converter->decode(run);
    page.converter->resetState();
    if (text.endsWith(u'\n')) text.chop(1);
    // ICU's Japanese tables swap 0x1A and 0x7F, so a SUB from either byte is no error.
    if (!bytes.contains(char(kSubstitute)) && !bytes.contains('\x7f'))
        text.replace(QChar(kSubstitute), QChar::ReplacementCharacter);
    out.append(text);
}

QString DecodeWindows1252(QByteArrayView bytes) {
    CodePageDecoder decoder;
    QString out;
    decoder.Append(bytes, kWindowsWestern, out);
    return out;
}

}  // namespace ferrolin
