// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluator/MyParser.h"

#include <array>
#include <limits>

#include "evaluator/Arithmetic.h"
#include "evaluator/Constants.h"
#include "evaluator/FunctionLibrary.h"
#include "evaluator/FunctionTable.h"
#include "evaluator/NumberConversion.h"
#include "evaluator/Power.h"
#include "evaluator/RandomSource.h"
#include "evaluator/Utf8.h"

namespace ferrolin {

using namespace detail;

namespace {

// Characters that run together into one operand token: digits, letters, "." and ",".
constexpr std::array<bool, 256> kOperandCharacter = [] {
    std::array<bool, 256> table{};
    for (int c = '0'; c <= '9'; ++c) table[c] = true;
    for (int c = 'a'; c <= 'z'; ++c) table[c] = table[c - 'a' + 'A'] = true;
    table['.'] = table[','] = true;
    return table;
}();

inline bool IsOperandCharacter(char c) { return kOperandCharacter[static_cast<unsigned char>(c)]; }

// Length of the UTF-8 character that starts with byte b (the text was validated already).
inline std::size_t CharacterLength(unsigned char b) {
    if (b < 0x80) return 1;
    if (b < 0xE0) return 2;
    if (b < 0xF0) return 3;
    return 4;
}

// The prepared text: every character up to the blank (code 32) dropped, A-Z lowercased.
// False when the text is not valid UTF-8, with `bad` the offset of the first byte that is not.
bool Prepare(std::string_view text, std::string& items, std::size_t& bad) {
    // Most expressions are plain ASCII without blanks or capitals: copy those whole.
    bool plain = true;
    for (const char c : text) {
        const unsigned char b = static_cast<unsigned char>(c);
        plain &= b > 32 && b < 0x80 && !(b >= 'A' && b <= 'Z');
    }
    if (plain) {
        items.assign(text);
        return true;
    }
    items.resize(text.size());
    char* out = items.data();
    std::u32string scratch;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            if (b > 32) *out++ = static_cast<char>((b >= 'A' && b <= 'Z') ? b + 32 : b);
            ++i;
            continue;
        }
        const std::size_t length = CharacterLength(b);
        scratch.clear();
        if (b < 0xC2 || length > text.size() - i || !DecodeUtf8(text.substr(i, length), scratch) ||
            scratch.size() != 1) {
            bad = i;
            return false;
        }
        for (std::size_t k = 0; k < length; ++k) *out++ = text[i + k];
        i += length;
    }
    items.resize(static_cast<std::size_t>(out - items.data()));
    return true;
}

// The offset in the caller's text just after the first `prepared` bytes that Prepare kept
// (Prepare keeps every byte above the blank, in order).
std::size_t OriginalOffset(std::string_view text, std::size_t prepared) {
    std::size_t i = 0;
    for (std::size_t kept = 0; i < text.size() && kept < prepared; ++i)
        kept += static_cast<unsigned char>(text[i]) > 32;
    return i;
}

}  // namespace

Evaluator::Evaluator(EvaluatorOptions options) : options_(options) {}
Evaluator::~Evaluator() = default;

detail::RandomSource* Evaluator::SeededRandomSource() {
    if (!options_.randomSeed) return nullptr;
    if (!random_ || randomSeed_ != *options_.randomSeed) {
        randomSeed_ = *options_.randomSeed;
        random_ = std::make_unique<detail::RandomSource>(randomSeed_);
    }
    return random_.get();
}

Evaluation Evaluator::Evaluate(std::string_view text) {
    Evaluation result;
    status_ = {};
    status_.random = SeededRandomSource();
    stopped_ = false;
    quoteStart_ = quoteEnd_ = 0;
    std::size_t bad = 0;
    if (!Prepare(text, Items, bad)) {
        result.failure = EvaluationFailure{ErrorKind::InvalidText, bad, ErrorMessage(ErrorKind::InvalidText)};
        return result;
    }
    Pos = 0;
    Size = Items.size();
    depth_ = 0;
    NextToken();
    const long double v = ParseExpression();
    if (!Failed()) CheckEnd();
    ClearFloatingPointFlags();
    if (status_.notices > 0) [[unlikely]]
        result.notices.assign(static_cast<std::size_t>(status_.notices), kNotEnoughParameters);
    if (Failed()) [[unlikely]] {
        result.failure = Failure(text);
        return result;
    }
    result.value = v;
    return result;
}

EvaluationFailure Evaluator::Failure(std::string_view text) const {
    EvaluationFailure failure;
    failure.kind = status_.kind;
    failure.position = OriginalOffset(text, stopped_ ? stop_ : Pos);
    const std::string_view items(Items);
    // Kinds that quote nothing ignore the quoted part.
    failure.message = ErrorMessage(failure.kind, items.substr(quoteStart_, quoteEnd_ - quoteStart_), Token());
    return failure;
}

long double Evaluator::Fail(ErrorKind kind, std::size_t quoteStart, std::size_t quoteEnd) {
    detail::Fail(status_, kind);
    quoteStart_ = quoteStart;
    quoteEnd_ = quoteEnd;
    return Stopped(Pos);
}

long double Evaluator::Stopped(std::size_t at) {
    if (!stopped_) {
        stopped_ = true;
        stop_ = at;
    }
    return 0;
}

void Evaluator::NextToken() {
    tokenStart_ = Pos;
    if (Pos >= Size) {
        tokenLength_ = 0;
        return;
    }
    if (IsOperandCharacter(Items[Pos])) {
        do ++Pos;
        while (Pos < Size && IsOperandCharacter(Items[Pos]));
    } else {
        Pos += CharacterLength(static_cast<unsigned char>(Items[Pos]));
    }
    tokenLength_ = Pos - tokenStart_;
}

bool Evaluator::Enter() {
    if (++depth_ <= kMaxNesting) return true;
    Fail(ErrorKind::NestedTooDeeply, 0, Pos);
    return false;
}

// Every step below tests the status right after a call that can fail and returns at once, so a
// failure travels back up as a value and nothing after it is read or computed.

long double Evaluator::ParseExpression() {
    long double acc = 0;
    if (!TokenIs('+') && !TokenIs('-')) {
        acc = ParseTerm();
        if (Failed()) return 0;
    }
    while (TokenIs('+') || TokenIs('-')) {
        const bool add = Items[tokenStart_] == '+';
        NextToken();
        const long double t = ParseTerm();
        if (Failed()) return 0;
        acc = add ? Add(acc, t, status_) : Sub(acc, t, status_);
        if (Failed()) return Stopped(tokenStart_);
    }
    return acc;
}

long double Evaluator::ParseTerm() {
    long double acc = ParseFactor();
    if (Failed()) return 0;
    while (TokenIs('*') || TokenIs('/')) {
        const bool multiply = Items[tokenStart_] == '*';
        NextToken();
        const long double f = ParseFactor();
        if (Failed()) return 0;
        acc = multiply ? Mul(f, acc, status_) : Div(acc, f, status_);
        if (Failed()) return Stopped(tokenStart_);
    }
    return acc;
}

long double Evaluator::ParseFactor() {
    long double v;
    // Function names are letters only: a token starting otherwise needs no look-up.
    const char first = tokenLength_ >= 2 ? Items[tokenStart_] : '\0';
    const FunctionInfo* fn = (first >= 'a' && first <= 'z') ? LookUpFunction(Token()) : nullptr;
    if (fn) {
        NextToken();
        if (!TokenIs('(')) return Fail(ErrorKind::MissingLeftBracket, 0, Pos);
    }
    if (TokenIs('(')) {
        if (!Enter()) return 0;
        NextToken();
        v = ParseExpression();
        if (Failed()) return 0;
        if (!TokenIs(')')) return Fail(ErrorKind::MissingRightBracket, 0, Pos);
        NextToken();
        if (fn) {
            v = fn->compute(v, ParameterList, status_);
            if (Failed()) return Stopped(tokenStart_);
        }
        --depth_;
    } else {
        if (tokenLength_ == 0) return Fail(ErrorKind::MissingOperand, 0, Pos);
        if (!ReadOperand(v)) return Fail(ErrorKind::UnableToEvaluate, 0, Pos);
        if (Failed()) return Stopped(Pos);
        NextToken();
    }
    while (TokenIs('^')) {
        if (!Enter()) return 0;
        NextToken();
        const long double x = ParseFactor();
        if (Failed()) return 0;
        --depth_;
        // NaN and infinities are neither whole nor fractional: an invalid operation.
        if (!IsFinite(x)) {
            FailInvalid(status_);
        } else {
            v = IsWhole(x) ? IntegerPower(v, x, status_) : GeneralPower(v, x, status_);
        }
        if (Failed()) return Stopped(tokenStart_);
    }
    return v;
}

bool Evaluator::ReadOperand(long double& v) {
    ParameterList.clear();
    const std::string_view token = Token();
    if (token.size() <= 2 && (token == "pi" || token == "e")) {
        v = token.size() == 2 ? kPi : kE;
        return true;
    }
    bool list = false;
    for (const char c : token) list |= c == ',';
    if (!list) return ReadFixedNumber(token, v, status_);

    // A comma list: each piece is one element; the list has no value of its own.
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = token.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? token.size() : comma;
        ParameterList.push_back(ReadListElement(token.substr(start, end - start), options_.decimalSeparator, status_));
        if (Failed()) {
            quoteStart_ = tokenStart_ + start;
            quoteEnd_ = tokenStart_ + end;
            Stopped(quoteEnd_);  // the caret goes after the failing element, not the whole list
            return true;
        }
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    v = std::numeric_limits<long double>::quiet_NaN();
    return true;
}

void Evaluator::CheckEnd() {
    if (Pos < Size) {
        Fail(ErrorKind::InvalidExpression, 0, Pos);
    } else if (tokenLength_ != 0) {
        Fail(ErrorKind::InvalidExpression, tokenStart_, Pos);
    }
}

namespace {
Evaluator& ThreadEvaluator(const EvaluatorOptions& options) {
    static thread_local Evaluator evaluator;
    evaluator.Options() = options;
    return evaluator;
}
}  // namespace

Evaluation Evaluate(std::string_view text, const EvaluatorOptions& options) {
    return ThreadEvaluator(options).Evaluate(text);
}

}  // namespace ferrolin
