#include "evaluator/MyParser.h"

#include <array>
#include <limits>

#include "evaluator/Arithmetic.h"
#include "evaluator/Constants.h"
#include "evaluator/FunctionLibrary.h"
#include "evaluator/FunctionTable.h"
#include "evaluator/NumberConversion.h"
#include "evaluator/Power.h"
#include "evaluator/Utf8.h"

namespace ferrolin {

using namespace detail;

// Failures inside the reader jump back to EvaluateExpression (see FailureTarget): no object with
// a destructor may be alive in the reader's frames.

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
// False when the text is not valid UTF-8.
bool Prepare(std::string_view text, std::string& items) {
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
            scratch.size() != 1)
            return false;
        for (std::size_t k = 0; k < length; ++k) *out++ = text[i + k];
        i += length;
    }
    items.resize(static_cast<std::size_t>(out - items.data()));
    return true;
}

}  // namespace

Evaluator::Evaluator(EvaluatorOptions options)
    : options_(std::move(options)), failure_(std::make_unique<FailureTarget>()) {}

Evaluator::~Evaluator() = default;

bool Evaluator::EvaluateExpression(std::string_view text, long double& value) {
    FailureScope scope(failure_.get());
    if (setjmp(failure_->resume) != 0) {
        ClearFloatingPointFlags();
        throw EvaluationError(failure_->message);
    }
    if (!Prepare(text, Items)) Raise(kInvalidText);
    Pos = 0;
    Size = Items.size();
    depth_ = 0;
    NextToken();
    const long double v = ParseExpression();
    CheckEnd();
    ClearFloatingPointFlags();
    value = v;
    return true;
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

void Evaluator::Enter() {
    if (++depth_ > kMaxNesting) Raise(ConsumedText(), "\n\r Expression nested too deeply");
}

long double Evaluator::ParseExpression() {
    long double acc = 0;
    if (!TokenIs('+') && !TokenIs('-')) acc = ParseTerm();
    while (TokenIs('+') || TokenIs('-')) {
        const bool add = Items[tokenStart_] == '+';
        NextToken();
        const long double t = ParseTerm();
        acc = add ? Add(acc, t) : Sub(acc, t);
    }
    return acc;
}

long double Evaluator::ParseTerm() {
    long double acc = ParseFactor();
    while (TokenIs('*') || TokenIs('/')) {
        const bool multiply = Items[tokenStart_] == '*';
        NextToken();
        const long double f = ParseFactor();
        acc = multiply ? Mul(f, acc) : Div(acc, f);
    }
    return acc;
}

long double Evaluator::ParseFactor() {
    long double v;
    // Function names are letters only: a token starting otherwise needs no look-up.
    const char first = tokenLength_ >= 2 ? Items[tokenStart_] : '\0';
    const int fn = (first >= 'a' && first <= 'z') ? FindFunction(Token()) : -1;
    if (fn >= 0) {
        NextToken();
        if (!TokenIs('(')) Raise(ConsumedText(), "\n\rMissing left bracket \"(\" ");
    }
    if (TokenIs('(')) {
        Enter();
        NextToken();
        v = ParseExpression();
        if (!TokenIs(')')) Raise(ConsumedText(), "\n\r Missing right bracket \")\"");
        NextToken();
        if (fn >= 0) v = ApplyFunction(fn, v, ParameterList, options_.onNotice);
        --depth_;
    } else {
        if (tokenLength_ == 0) Raise(ConsumedText(), "\n\r Missing operand ");
        if (!ReadOperand(v)) Raise(ConsumedText(), "\n\r Unable to evaluate ", Token());
        NextToken();
    }
    while (TokenIs('^')) {
        Enter();
        NextToken();
        const long double x = ParseFactor();
        --depth_;
        // The fractional-part test is an ordered comparison: NaN and infinities are invalid.
        if (!IsFinite(x)) RaiseInvalid();
        v = x != __builtin_truncl(x) ? GeneralPower(v, x) : IntegerPower(v, x);
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
    if (!list) return ReadFixedNumber(token, v);

    // A comma list: each piece is one element; the list has no value of its own.
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = token.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? token.size() : comma;
        ParameterList.push_back(ReadListElement(token.substr(start, end - start), options_.decimalSeparator));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    v = std::numeric_limits<long double>::quiet_NaN();
    return true;
}

void Evaluator::CheckEnd() {
    if (Pos < Size) Raise(ConsumedText(), "\n\rInvalid expression. Clear and start again");
    if (tokenLength_ != 0) Raise(Token(), "\n\rInvalid expression. Clear and start again");
}

bool EvaluateExpression(std::string_view text, long double& value, const EvaluatorOptions& options) {
    static thread_local Evaluator evaluator;
    evaluator.Options() = options;
    return evaluator.EvaluateExpression(text, value);
}

}  // namespace ferrolin
