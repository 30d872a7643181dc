#include "platform/RtfReader.h"

#include "platform/CodePageDecoder.h"
#include "platform/PlainTextLines.h"
#include "platform/RtfControlWords.h"
#include "platform/SingleByteCodePages.h"

#include <algorithm>
#include <limits>
#include <map>
#include <string_view>
#include <vector>

namespace ferrolin {
namespace {

enum class Destination : unsigned char { Text, FontTable, Hidden };

// What a group inherits from its parent and what its closing brace restores.
struct GroupState {
    Destination destination = Destination::Text;
    bool insideUpr = false;     // \upr: its \*\ud part has the Unicode text, the rest is the fallback
    int unicodeSkip = 1;        // \ucN: fallback characters that follow each \uN
    int codePage = kWindowsWestern;
    const char16_t* upperHalf = nullptr;  // built-in table for codePage, if it has one
};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// Text that means itself in every code page we decode with a table.
bool IsPlainAscii(char c) { return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}'; }

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The code page Windows uses for a font's \fcharset; 0 (ANSI) and 1 (default) mean the
// document's own code page.
int CodePageOfCharset(int charset, int documentCodePage) {
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return documentCodePage;
    }
}

class RtfParser {
public:
    explicit RtfParser(QByteArrayView data) : data_(data) {}

    std::optional<QStringList> Run();

private:
    struct ControlWord {
        std::string_view name;
        bool hasParameter = false;
        int parameter = 0;
    };

    GroupState& State() { return groups_.back(); }
    bool ShowingText() const { return groups_.back().destination == Destination::Text; }

    void SetCodePage(GroupState& state, int codePage);
    int CodePageOfFont(int font) const;

    ControlWord ReadControlWord();
    void ReadControlSymbol();
    void HandleControlWord(const ControlWord& word);
    void HandleFontTableWord(RtfWord id, const ControlWord& word);
    void SkipBinary(int count);

    void AddByte(unsigned char byte);
    void AddChar(char16_t ch);
    void AddCodePoint(int codePoint);
    void FlushBytes();
    void EndLine();
    bool ConsumeFallback();

    QByteArrayView data_;
    qsizetype pos_ = 0;
    std::vector<GroupState> groups_;
    QStringList lines_;
    QString line_;
    QByteArray pendingBytes_;  // a run of bytes in a multi-byte code page, decoded as one
    int pendingCodePage_ = kWindowsWestern;
    int fallbackLeft_ = 0;     // characters still to skip after a \uN
    int documentCodePage_ = kWindowsWestern;
    int defaultFont_ = -1;
    int fontBeingDefined_ = -1;
    std::map<int, int> fontCodePages_;
    CodePageDecoder decoder_;
};

void RtfParser::SetCodePage(GroupState& state, int codePage) {
    if (codePage <= 0) codePage = documentCodePage_;
    state.codePage = codePage;
    state.upperHalf = SingleByteUpperHalf(codePage);
}

int RtfParser::CodePageOfFont(int font) const {
    const auto found = fontCodePages_.find(font);
    return found == fontCodePages_.end() ? documentCodePage_ : found->second;
}

bool RtfParser::ConsumeFallback() {
    if (fallbackLeft_ <= 0) return false;
    --fallbackLeft_;
    return true;
}

void RtfParser::FlushBytes() {
    if (pendingBytes_.isEmpty()) return;
    decoder_.Append(pendingBytes_, pendingCodePage_, line_);
    pendingBytes_.clear();
}

void RtfParser::AddByte(unsigned char byte) {
    const GroupState& state = State();
    if (state.upperHalf != nullptr) {
        FlushBytes();
        line_.append(byte < 0x80 ? QChar(byte) : QChar(state.upperHalf[byte - 0x80]));
        return;
    }
    if (!pendingBytes_.isEmpty() && pendingCodePage_ != state.codePage) FlushBytes();
    pendingCodePage_ = state.codePage;
    pendingBytes_.append(static_cast<char>(byte));
}

void RtfParser::AddChar(char16_t ch) {
    FlushBytes();
    line_.append(QChar(ch));
}

void RtfParser::AddCodePoint(int codePoint) {
    FlushBytes();
    if (codePoint < 0 || codePoint > 0x10FFFF) {
        line_.append(QChar::ReplacementCharacter);
    } else if (codePoint > 0xFFFF) {
        const char32_t wide = static_cast<char32_t>(codePoint);
        line_.append(QString::fromUcs4(&wide, 1));
    } else {
        line_.append(QChar(static_cast<char16_t>(codePoint)));
    }
}

void RtfParser::EndLine() {
    FlushBytes();
    ReplaceLoneSurrogates(line_);
    lines_.append(line_);
    line_.clear();
}

std::optional<QStringList> RtfParser::Run() {
    while (pos_ < data_.size() && IsSpace(data_[pos_])) ++pos_;
    if (!data_.sliced(pos_).startsWith("{\\rtf")) return std::nullopt;
    const qsizetype afterHeader = pos_ + 5;
    if (afterHeader < data_.size() && IsLetter(data_[afterHeader])) return std::nullopt;

    groups_.reserve(64);
    groups_.emplace_back();
    SetCodePage(groups_.back(), kWindowsWestern);
    ++pos_;

    while (pos_ < data_.size() && !groups_.empty()) {
        const char c = data_[pos_];
        switch (c) {
        case '{':
            ++pos_;
            FlushBytes();
            fallbackLeft_ = 0;
            if (groups_.size() >= static_cast<size_t>(kMaxRtfGroupDepth)) return std::nullopt;
            groups_.push_back(groups_.back());
            break;
        case '}':
            ++pos_;
            FlushBytes();
            fallbackLeft_ = 0;
            if (groups_.back().destination == Destination::FontTable) fontBeingDefined_ = -1;
            groups_.pop_back();
            break;
        case '\\':
            ++pos_;
            if (pos_ < data_.size() && IsLetter(data_[pos_])) {
                HandleControlWord(ReadControlWord());
            } else {
                ReadControlSymbol();
            }
            break;
        case '\r':
        case '\n':
        case '\0':
            // Line ends are layout of the file, not text; NULs are noise some writers leave.
            ++pos_;
            break;
        default:
            if (IsPlainAscii(c) && fallbackLeft_ == 0 && ShowingText() && State().upperHalf != nullptr) {
                // Most of a document is runs of plain ASCII text: take them whole.
                qsizetype end = pos_ + 1;
                while (end < data_.size() && IsPlainAscii(data_[end])) ++end;
                FlushBytes();
                line_.append(QLatin1StringView(data_.data() + pos_, end - pos_));
                pos_ = end;
                break;
            }
            ++pos_;
            if (ConsumeFallback() || !ShowingText()) break;
            AddByte(static_cast<unsigned char>(c));
            break;
        }
    }

    FlushBytes();
    if (!line_.isEmpty()) EndLine();
    return std::move(lines_);
}

RtfParser::ControlWord RtfParser::ReadControlWord() {
    // Names are at most 32 letters; a longer run is consumed whole and matches nothing.
    constexpr qsizetype kMaxNameLength = 32;
    ControlWord word;
    const qsizetype nameStart = pos_;
    while (pos_ < data_.size() && IsLetter(data_[pos_])) ++pos_;
    const qsizetype nameLength = pos_ - nameStart;
    if (nameLength <= kMaxNameLength) word.name = std::string_view(data_.data() + nameStart, nameLength);

    bool negative = false;
    if (pos_ + 1 < data_.size() && data_[pos_] == '-' && IsDigit(data_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < data_.size() && IsDigit(data_[pos_])) {
        // Saturates instead of overflowing: a huge number is as wrong as a big one, but harmless.
        constexpr long long kLimit = std::numeric_limits<int>::max();
        long long value = 0;
        while (pos_ < data_.size() && IsDigit(data_[pos_])) {
            value = std::min(kLimit, value * 10 + (data_[pos_] - '0'));
            ++pos_;
        }
        word.hasParameter = true;
        word.parameter = static_cast<int>(negative ? -value : value);
    }
    if (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;
    return word;
}

void RtfParser::ReadControlSymbol() {
    if (pos_ >= data_.size()) return;
    const char symbol = data_[pos_++];
    if (symbol == '\'') {
        // \'hh: a byte in the current code page. A broken escape is dropped, not guessed at.
        const int high = pos_ < data_.size() ? HexValue(data_[pos_]) : -1;
        const int low = pos_ + 1 < data_.size() ? HexValue(data_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) {
            if (high >= 0) ++pos_;
            return;
        }
        pos_ += 2;
        if (ConsumeFallback() || !ShowingText()) return;
        AddByte(static_cast<unsigned char>(high * 16 + low));
        return;
    }
    if (symbol == '*') {
        // An optional destination: shown only if we know it (see \ud), hidden otherwise.
        State().destination = Destination::Hidden;
        return;
    }
    if (ConsumeFallback() || !ShowingText()) return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}': AddChar(static_cast<char16_t>(symbol)); break;
    case '~': AddChar(u'\u00A0'); break;
    case '_': AddChar(u'\u2011'); break;
    case '\r':
    case '\n': EndLine(); break;  // a backslash before a line end is an old spelling of \par
    default: break;               // \- (optional hyphen), \| and \: show nothing
    }
}

void RtfParser::SkipBinary(int count) {
    if (count <= 0) return;
    pos_ += std::min<qsizetype>(count, data_.size() - pos_);
}

void RtfParser::HandleFontTableWord(RtfWord id, const ControlWord& word) {
    switch (id) {
    case RtfWord::Font: fontBeingDefined_ = word.parameter; break;
    case RtfWord::FontCharset:
        if (fontBeingDefined_ >= 0 && fontCodePages_.count(fontBeingDefined_) == 0) {
            fontCodePages_[fontBeingDefined_] = CodePageOfCharset(word.parameter, documentCodePage_);
        }
        break;
    case RtfWord::FontCodePage:
        // An explicit code page wins over the one the character set implies.
        if (fontBeingDefined_ >= 0 && word.parameter > 0) fontCodePages_[fontBeingDefined_] = word.parameter;
        break;
    default: break;
    }
}

void RtfParser::HandleControlWord(const ControlWord& word) {
    const RtfWord id = LookUpRtfWord(word.name);
    if (id == RtfWord::Binary) {
        // The data of \binN is raw bytes, never text, even inside a \uN fallback.
        SkipBinary(word.hasParameter ? word.parameter : 0);
        ConsumeFallback();
        return;
    }
    if (ConsumeFallback()) return;
    FlushBytes();

    GroupState& state = State();
    if (state.destination == Destination::FontTable) {
        HandleFontTableWord(id, word);
        if (id != RtfWord::HiddenDestination) return;
    }

    switch (id) {
    case RtfWord::Ansi: documentCodePage_ = kWindowsWestern; SetCodePage(state, documentCodePage_); break;
    case RtfWord::Mac: documentCodePage_ = 10000; SetCodePage(state, documentCodePage_); break;
    case RtfWord::Pc: documentCodePage_ = 437; SetCodePage(state, documentCodePage_); break;
    case RtfWord::Pca: documentCodePage_ = 850; SetCodePage(state, documentCodePage_); break;
    case RtfWord::AnsiCodePage:
        if (word.parameter > 0) {
            documentCodePage_ = word.parameter;
            SetCodePage(state, documentCodePage_);
        }
        break;
    case RtfWord::DefaultFont: defaultFont_ = word.parameter; break;
    case RtfWord::FontTable: state.destination = Destination::FontTable; break;
    case RtfWord::Font: SetCodePage(state, CodePageOfFont(word.parameter)); break;
    case RtfWord::Plain: SetCodePage(state, CodePageOfFont(defaultFont_)); break;
    case RtfWord::UnicodeSkip: state.unicodeSkip = std::max(0, word.parameter); break;
    case RtfWord::Unicode:
        if (state.destination == Destination::Text) {
            // Signed 16-bit on the wire; pairs of surrogates arrive as two \u words.
            AddCodePoint(word.parameter < 0 ? word.parameter + 0x10000 : word.parameter);
        }
        fallbackLeft_ = state.unicodeSkip;
        break;
    case RtfWord::UnicodePair:
        state.destination = Destination::Hidden;
        state.insideUpr = true;
        break;
    case RtfWord::UnicodeDestination:
        if (state.insideUpr) state.destination = Destination::Text;
        break;
    case RtfWord::HiddenDestination: state.destination = Destination::Hidden; break;
    default:
        if (state.destination != Destination::Text) break;
        if (id == RtfWord::Paragraph || id == RtfWord::Line || id == RtfWord::Section) {
            EndLine();
        } else if (id == RtfWord::Row) {
            // A table row is one line; the tab its last cell left behind goes.
            FlushBytes();
            if (line_.endsWith(u'\t')) line_.chop(1);
            EndLine();
        } else if (const char16_t ch = RtfWordCharacter(id)) {
            AddChar(ch);
        }
        break;
    }
}

}  // namespace

bool LooksLikeRtf(QByteArrayView data) {
    qsizetype pos = 0;
    while (pos < data.size() && IsSpace(data[pos])) ++pos;
    return data.sliced(pos).startsWith("{\\rtf");
}

std::optional<QStringList> ParseRtf(QByteArrayView data) { return RtfParser(data).Run(); }

std::optional<QStringList> ReadResultsBytes(const QByteArray& data) {
    if (LooksLikeRtf(data)) return ParseRtf(data);
    return DecodePlainTextLines(data);
}

}  // namespace ferrolin
