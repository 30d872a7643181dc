// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RtfReader.h"

#include "formats/CodePageDecoder.h"
#include "formats/PlainTextLines.h"
#include "formats/RtfControlWords.h"

#include <algorithm>
#include <limits>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace ferrolin {
namespace {

// TableProperties: \nesttableprops, whose only visible effect is the \nestrow that ends a
// nested table's row.
enum class Destination : unsigned char { Text, FontTable, TableProperties, Hidden };

// What a group inherits from its parent and what its closing brace restores. Kept small: a
// document may nest groups as deep as kMaxRtfGroupDepth.
struct GroupState {
    Destination destination = Destination::Text;
    bool insideUpr = false;     // \upr: its \*\ud part has the Unicode text, the rest is the fallback
    bool hiddenText = false;    // \v: text the author hid
    int unicodeSkip = 1;        // \ucN: fallback characters that follow each \uN
    int font = -1;              // \fN; -1 is the default font (\deffN)
};

// A font's character set and code page as its \fonttbl entry declares them.
struct FontEncoding {
    int charset = -1;  // \fcharsetN, -1 when not given
    int codePage = 0;  // \cpgN, 0 when not given
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

// The code page Word uses for a font's \fcharset. 0 is ANSI, which is Windows-1252 whatever the
// document's \ansicpg says (a Western font in a Japanese document); 1 (default) and the
// character sets without a code page of their own mean the document's code page.
int CodePageOfCharset(int charset, int documentCodePage, bool ansiDocument) {
    switch (charset) {
    case 0: return ansiDocument ? kWindowsWestern : documentCodePage;
    case 2: return kSymbolCodePage;
    case 77: return 10000;
    case 78: return 10001;
    case 79: return 10003;
    case 80: return 10008;
    case 81: return 10002;
    case 85: return 10006;
    case 86: return 10081;
    case 88: return 10029;
    case 89: return 10007;
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

    std::optional<HistoryText> Run();

private:
    struct ControlWord {
        std::string_view name;
        bool hasParameter = false;
        int parameter = 0;
    };

    GroupState& State() { return groups_.back(); }
    bool ShowingText() const {
        const GroupState& state = groups_.back();
        return state.destination == Destination::Text && !state.hiddenText;
    }

    void SetDocumentCodePage(int codePage, bool ansi);
    int CodePageOfFont(int font) const;
    // The current font's code page, and its upper half when it has one byte per character.
    int CurrentCodePage();
    const char16_t* CurrentUpperHalf();

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
    void EndRow();
    bool ConsumeFallback();

    QByteArrayView data_;
    qsizetype pos_ = 0;
    std::vector<GroupState> groups_;
    // The lines so far, joined by '\n'; the line being read starts at lineStart_.
    QString text_;
    qsizetype lineStart_ = 0;
    qsizetype lineCount_ = 0;
    QByteArray pendingBytes_;  // a run of bytes in a multi-byte code page, decoded as one
    int pendingCodePage_ = kWindowsWestern;
    int fallbackLeft_ = 0;     // characters still to skip after a \uN
    int documentCodePage_ = kWindowsWestern;
    bool ansiDocument_ = true;  // \ansi, not \mac, \pc or \pca
    int defaultFont_ = -1;
    int footnotes_ = 0;
    int fontBeingDefined_ = -1;
    std::map<int, FontEncoding> fonts_;
    CodePageDecoder decoder_;
    // A group just opened: a \* here marks an optional destination.
    bool atGroupStart_ = false;
    bool optionalDestination_ = false;  // \* seen, its destination word not yet
    // The code page of the font last asked about; fonts change far less often than text runs.
    int cachedFont_ = -2;
    int cachedCodePage_ = kWindowsWestern;
    const char16_t* cachedUpperHalf_ = nullptr;
};

void RtfParser::SetDocumentCodePage(int codePage, bool ansi) {
    documentCodePage_ = codePage;
    ansiDocument_ = ansi;
    cachedFont_ = -2;
}

int RtfParser::CodePageOfFont(int font) const {
    if (font < 0) font = defaultFont_;
    const auto found = fonts_.find(font);
    if (found == fonts_.end()) return documentCodePage_;
    // An explicit code page wins over the one the character set implies.
    if (found->second.codePage > 0) return found->second.codePage;
    return CodePageOfCharset(found->second.charset, documentCodePage_, ansiDocument_);
}

int RtfParser::CurrentCodePage() {
    const int font = State().font;
    if (font != cachedFont_) {
        cachedFont_ = font;
        cachedCodePage_ = CodePageOfFont(font);
        cachedUpperHalf_ = decoder_.UpperHalf(cachedCodePage_);
    }
    return cachedCodePage_;
}

const char16_t* RtfParser::CurrentUpperHalf() {
    CurrentCodePage();
    return cachedUpperHalf_;
}

bool RtfParser::ConsumeFallback() {
    if (fallbackLeft_ <= 0) return false;
    --fallbackLeft_;
    return true;
}

void RtfParser::FlushBytes() {
    if (pendingBytes_.isEmpty()) return;
    decoder_.Append(pendingBytes_, pendingCodePage_, text_);
    pendingBytes_.clear();
}

void RtfParser::AddByte(unsigned char byte) {
    const int codePage = CurrentCodePage();
    if (const char16_t* upperHalf = cachedUpperHalf_) {
        FlushBytes();
        text_.append(byte < 0x80 ? QChar(byte) : QChar(upperHalf[byte - 0x80]));
        return;
    }
    if (!pendingBytes_.isEmpty() && pendingCodePage_ != codePage) FlushBytes();
    pendingCodePage_ = codePage;
    pendingBytes_.append(static_cast<char>(byte));
}

void RtfParser::AddChar(char16_t ch) {
    FlushBytes();
    text_.append(QChar(ch));
}

void RtfParser::AddCodePoint(int codePoint) {
    FlushBytes();
    if (codePoint < 0 || codePoint > 0x10FFFF) {
        text_.append(QChar::ReplacementCharacter);
    } else if (codePoint > 0xFFFF) {
        text_.append(QChar::highSurrogate(static_cast<char32_t>(codePoint)));
        text_.append(QChar::lowSurrogate(static_cast<char32_t>(codePoint)));
    } else {
        text_.append(QChar(static_cast<char16_t>(codePoint)));
    }
}

void RtfParser::EndLine() {
    FlushBytes();
    ReplaceLoneSurrogates(text_, lineStart_);
    RemoveControlCharacters(text_, lineStart_);
    lineCount_ += BreakAtLineSeparators(text_, lineStart_);
    text_.append(u'\n');
    lineStart_ = text_.size();
    ++lineCount_;
}

void RtfParser::EndRow() {
    // A table row is one line; the tab its last cell left behind goes.
    FlushBytes();
    if (text_.size() > lineStart_ && text_.endsWith(u'\t')) text_.chop(1);
    EndLine();
}

std::optional<HistoryText> RtfParser::Run() {
    while (pos_ < data_.size() && IsSpace(data_[pos_])) ++pos_;
    if (!data_.sliced(pos_).startsWith("{\\rtf")) return std::nullopt;
    const qsizetype afterHeader = pos_ + 5;
    if (afterHeader < data_.size() && IsLetter(data_[afterHeader])) return std::nullopt;

    groups_.reserve(64);
    // Every character of the text comes from at least one byte of the file: growing the text by
    // doubling could take twice its size again.
    text_.reserve(data_.size() - pos_ + 16);
    groups_.emplace_back();
    ++pos_;

    while (pos_ < data_.size() && !groups_.empty()) {
        const char c = data_[pos_];
        switch (c) {
        case '{':
            ++pos_;
            FlushBytes();
            fallbackLeft_ = 0;
            // The groups are a stack on the heap, not recursion: the bound is memory, not the
            // thread's stack, and reaching it is a clean refusal.
            if (groups_.size() >= static_cast<size_t>(kMaxRtfGroupDepth)) return std::nullopt;
            groups_.push_back(groups_.back());
            atGroupStart_ = true;
            optionalDestination_ = false;
            break;
        case '}':
            ++pos_;
            FlushBytes();
            fallbackLeft_ = 0;
            if (groups_.back().destination == Destination::FontTable) fontBeingDefined_ = -1;
            groups_.pop_back();
            atGroupStart_ = false;
            optionalDestination_ = false;
            break;
        case '\\':
            ++pos_;
            if (pos_ < data_.size() && IsLetter(data_[pos_])) {
                HandleControlWord(ReadControlWord());
                atGroupStart_ = false;
            } else {
                const bool star = pos_ < data_.size() && data_[pos_] == '*';
                ReadControlSymbol();
                if (!star) atGroupStart_ = false;
            }
            break;
        case '\r':
        case '\n':
        case '\0':
            // Line ends are layout of the file, not text; NULs are noise some writers leave.
            ++pos_;
            break;
        default:
            atGroupStart_ = false;
            optionalDestination_ = false;
            if (IsPlainAscii(c) && fallbackLeft_ == 0 && ShowingText() && CurrentUpperHalf() != nullptr) {
                // Most of a document is runs of plain ASCII text: take them whole.
                qsizetype end = pos_ + 1;
                while (end < data_.size() && IsPlainAscii(data_[end])) ++end;
                FlushBytes();
                text_.append(QLatin1StringView(data_.data() + pos_, end - pos_));
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
    if (text_.size() > lineStart_) EndLine();
    if (lineCount_ > 0) text_.chop(1);  // the last line's '\n'
    text_.squeeze();
    return HistoryText{std::move(text_), lineCount_};
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
        // Marks the destination word that opens a group as one a reader may skip: the group is
        // hidden unless we know that word (\ud). Anywhere else it means nothing.
        optionalDestination_ = atGroupStart_;
        return;
    }
    optionalDestination_ = false;
    if (ConsumeFallback() || !ShowingText()) return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}': AddChar(static_cast<char16_t>(symbol)); break;
    case '~': AddChar(u'\u00A0'); break;
    case '_': AddChar(u'\u2011'); break;
    case '-': AddChar(u'\u00AD'); break;  // optional hyphen: the soft hyphen
    case '\r':
    case '\n': EndLine(); break;  // a backslash before a line end is an old spelling of \par
    default: break;               // \| and \: show nothing
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
        if (fontBeingDefined_ >= 0) fonts_[fontBeingDefined_].charset = word.parameter;
        cachedFont_ = -2;
        break;
    case RtfWord::FontCodePage:
        if (fontBeingDefined_ >= 0 && word.parameter > 0) fonts_[fontBeingDefined_].codePage = word.parameter;
        cachedFont_ = -2;
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
    if (std::exchange(optionalDestination_, false) && id == RtfWord::Other) {
        // An optional destination we do not know: skip its group.
        state.destination = Destination::Hidden;
        return;
    }
    if (state.destination == Destination::FontTable) {
        HandleFontTableWord(id, word);
        if (id != RtfWord::HiddenDestination) return;
    }

    switch (id) {
    case RtfWord::Ansi: SetDocumentCodePage(kWindowsWestern, true); break;
    case RtfWord::Mac: SetDocumentCodePage(10000, false); break;
    case RtfWord::Pc: SetDocumentCodePage(437, false); break;
    case RtfWord::Pca: SetDocumentCodePage(850, false); break;
    case RtfWord::AnsiCodePage:
        if (word.parameter > 0) SetDocumentCodePage(word.parameter, ansiDocument_);
        break;
    case RtfWord::DefaultFont:
        defaultFont_ = word.parameter;
        cachedFont_ = -2;
        break;
    case RtfWord::FontTable: state.destination = Destination::FontTable; break;
    case RtfWord::Font: state.font = std::max(0, word.parameter); break;
    case RtfWord::Plain:
        state.font = -1;
        state.hiddenText = false;
        break;
    case RtfWord::HiddenText: state.hiddenText = !word.hasParameter || word.parameter != 0; break;
    case RtfWord::UnicodeSkip: state.unicodeSkip = std::max(0, word.parameter); break;
    case RtfWord::Unicode:
        if (ShowingText()) {
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
    case RtfWord::NestedTableProperties:
        if (state.destination == Destination::Text) state.destination = Destination::TableProperties;
        break;
    case RtfWord::NestedRow:
        if (state.destination == Destination::Text || state.destination == Destination::TableProperties) EndRow();
        break;
    default:
        if (state.destination != Destination::Text) break;
        if (id == RtfWord::Paragraph || id == RtfWord::Line || id == RtfWord::Section) {
            // Ends the line even when hidden: the paragraphs around it are still two.
            EndLine();
        } else if (id == RtfWord::Row) {
            EndRow();
        } else if (id == RtfWord::FootnoteMark) {
            // The footnote's number where the text refers to it; the note itself is hidden.
            if (!state.hiddenText) text_.append(QString::number(++footnotes_));
        } else if (const char16_t ch = RtfWordCharacter(id); ch != 0 && !state.hiddenText) {
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

std::optional<HistoryText> ParseRtfHistory(QByteArrayView data) { return RtfParser(data).Run(); }

std::optional<HistoryText> ReadResultsHistory(QByteArrayView data) {
    if (LooksLikeRtf(data)) return ParseRtfHistory(data);
    return DecodePlainTextHistory(data);
}

}  // namespace ferrolin
