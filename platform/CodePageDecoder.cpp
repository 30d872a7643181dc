#include "platform/CodePageDecoder.h"

#include "platform/SingleByteCodePages.h"

namespace ferrolin {
namespace {

void AppendSingleByte(QByteArrayView bytes, const char16_t* upper, QString& out) {
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out.append(byte < 0x80 ? QChar(byte) : QChar(upper[byte - 0x80]));
    }
}

// Qt/ICU names for the code pages RTF writers use beyond the built-in tables. A fixed list:
// a document naming thousands of code pages must not make us look up thousands of converters.
const char* ConverterName(int codePage) {
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 866: return "IBM866";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 10000: return "macintosh";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

}  // namespace

QString DecodeWindows1252(QByteArrayView bytes) {
    QString out;
    out.reserve(bytes.size());
    AppendSingleByte(bytes, SingleByteUpperHalf(kWindowsWestern), out);
    return out;
}

void CodePageDecoder::Append(QByteArrayView bytes, int codePage, QString& out) {
    if (bytes.isEmpty()) return;
    if (const char16_t* upper = SingleByteUpperHalf(codePage)) {
        AppendSingleByte(bytes, upper, out);
        return;
    }
    QStringDecoder* converter = ConverterFor(codePage);
    if (converter == nullptr) {
        AppendSingleByte(bytes, SingleByteUpperHalf(kWindowsWestern), out);
        return;
    }
    // Each run is complete on its own: a multi-byte character cut at the end of a run is
    // shown as a replacement character rather than glued to the next run's bytes.
    out.append(converter->decode(bytes));
    converter->resetState();
}

QStringDecoder* CodePageDecoder::ConverterFor(int codePage) {
    const char* name = ConverterName(codePage);
    if (name == nullptr) return nullptr;
    auto found = converters_.find(codePage);
    if (found == converters_.end()) {
        auto converter = std::make_unique<QStringDecoder>(name, QStringConverter::Flag::Stateless);
        if (!converter->isValid()) converter.reset();
        found = converters_.emplace(codePage, std::move(converter)).first;
    }
    return found->second.get();
}

}  // namespace ferrolin
