// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string: the evaluator returns a value or a failure whose kind matches one of its known
// messages and whose position is where the quoted text ends; it leaves the floating-point
// environment clean, and its value can always be formatted.
#include <cfenv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "evaluator/EvaluationError.h"
#include "evaluator/MyParser.h"
#include "evaluator/ResultFormat.h"

namespace {

[[noreturn]] void Reject(const char* why, std::string_view detail) {
    std::fprintf(stderr, "fuzz_evaluator: %s: \"%.*s\"\n", why, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        auto c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2
                  : c >= 0xF0 && c <= 0xF4 ? 3 : -1;
        if (extra < 0 || text.size() - i < static_cast<std::size_t>(extra) + 1) return false;
        std::uint32_t cp = c & (0x7F >> extra);
        for (int k = 1; k <= extra; ++k) {
            auto cc = static_cast<unsigned char>(text[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        i += extra + 1;
    }
    return true;
}

// Blanks and control characters removed, ASCII letters lowercased: byte-wise this is the same
// as per code point, since no byte of a multi-byte character is below 0x80.
std::string Prepared(std::string_view text) {
    std::string out;
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (c <= 32) continue;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : ch;
    }
    return out;
}

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

void CheckSyntaxMessage(std::string_view message, std::string_view prepared) {
    const std::size_t split = message.find("\n\r");
    const std::string_view quoted = message.substr(0, split);
    const std::string_view tail = message.substr(split + 2);
    const bool isPrefix = prepared.substr(0, quoted.size()) == quoted;
    if (!IsUtf8(quoted)) Reject("quoted text splits a character", message);

    static constexpr std::string_view kUnable = " Unable to evaluate ";
    if (tail == "Missing left bracket \"(\" " || tail == " Missing right bracket \")\"" ||
        tail == " Missing operand " || tail == " Expression nested too deeply") {
        if (!isPrefix) Reject("quotes something other than the text read", message);
    } else if (tail == "Invalid expression. Clear and start again") {
        // Either the text read so far, or the last token alone.
        if (!isPrefix && !EndsWith(prepared, quoted)) Reject("quotes neither text nor token", message);
        if (quoted.empty()) Reject("invalid expression with nothing quoted", message);
    } else if (tail.starts_with(kUnable)) {
        const std::string_view token = tail.substr(kUnable.size());
        if (!isPrefix) Reject("quotes something other than the text read", message);
        if (token.empty() || !EndsWith(quoted, token)) Reject("token is not the last thing read", message);
    } else {
        Reject("unknown syntax message", message);
    }
}

// The kind a message belongs to, read off the message alone.
ferrolin::ErrorKind KindOfMessage(std::string_view message) {
    using enum ferrolin::ErrorKind;
    if (message == ferrolin::kInvalidText) return InvalidText;
    if (message == ferrolin::kInvalidOperation) return InvalidOperation;
    if (message == ferrolin::kDivisionByZero) return DivisionByZero;
    if (message == ferrolin::kOverflow) return Overflow;
    if (message.starts_with("'") && EndsWith(message, "' is not a valid floating point value")) return NotValidFloat;
    const std::size_t split = message.find("\n\r");
    if (split == std::string_view::npos) Reject("unknown message", message);
    const std::string_view tail = message.substr(split + 2);
    if (tail == "Missing left bracket \"(\" ") return MissingLeftBracket;
    if (tail == " Missing right bracket \")\"") return MissingRightBracket;
    if (tail == " Missing operand ") return MissingOperand;
    if (tail == " Expression nested too deeply") return NestedTooDeeply;
    if (tail == "Invalid expression. Clear and start again") return InvalidExpression;
    if (tail.starts_with(" Unable to evaluate ")) return UnableToEvaluate;
    Reject("unknown syntax message", message);
}

void CheckFailure(const ferrolin::EvaluationFailure& failure, std::string_view input) {
    using enum ferrolin::ErrorKind;
    const std::string_view message = failure.message;
    if (KindOfMessage(message) != failure.kind) Reject("kind does not match the message", message);
    if (failure.position > input.size()) Reject("position beyond the text", message);
    const std::string_view before = input.substr(0, failure.position);
    const bool utf8 = IsUtf8(input);
    if (failure.kind == InvalidText) {
        if (utf8) Reject("valid UTF-8 rejected", input);
        if (!IsUtf8(before)) Reject("position is not the first byte that is not UTF-8", input);
        return;
    }
    if (!utf8) Reject("invalid UTF-8 not reported as such", message);
    // Reading stops just after a character the reader kept, or at the very start.
    if (!before.empty() && static_cast<unsigned char>(before.back()) <= 32) Reject("position after a blank", message);
    const std::string readSoFar = Prepared(before);
    if (failure.kind == NotValidFloat) {
        const std::string_view element = message.substr(1, message.find("' is not") - 1);
        if (element.find(',') != std::string_view::npos) Reject("list element holds a comma", message);
        if (readSoFar.find(element) == std::string::npos) Reject("element not in the text read", message);
        return;
    }
    if (failure.kind == InvalidOperation || failure.kind == DivisionByZero || failure.kind == Overflow) return;
    const std::string prepared = Prepared(input);
    CheckSyntaxMessage(message, prepared);
    // The caret lands after the quoted part: the text read so far, or the last token at the end.
    const std::string_view quoted = message.substr(0, message.find("\n\r"));
    const bool quotesTheTextRead = readSoFar == quoted;
    const bool quotesTheLastToken = readSoFar == prepared && EndsWith(prepared, quoted);
    if (!quotesTheTextRead && !(failure.kind == InvalidExpression && quotesTheLastToken))
        Reject("position is not the end of the quoted part", message);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    ferrolin::EvaluatorOptions options;
    options.decimalSeparator = size > 0 && (data[0] & 1) ? U',' : U'.';
    options.randomSeed = 1;  // a finding must replay the same draws
    ferrolin::Evaluator evaluator(options);
    std::feclearexcept(FE_ALL_EXCEPT);
    const ferrolin::Evaluation result = evaluator.Evaluate(input);
    for (const std::string& notice : result.notices)
        if (notice != ferrolin::kNotEnoughParameters) Reject("unknown notice", notice);
    if (result.ok()) {
        const long double value = result.value;
        if (!IsUtf8(input)) Reject("invalid UTF-8 evaluated", input);
        for (int decimals = ferrolin::DecimalPlaces::kFewest; decimals <= ferrolin::DecimalPlaces::kMost; ++decimals) {
            const std::string shown = ferrolin::FormatValue(value, decimals, U'.');
            if (shown.empty()) Reject("empty formatted value", input);
            for (char c : shown)
                if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'E' || c == 'N' ||
                      c == 'A' || c == 'I' || c == 'F'))
                    Reject("formatted value has a stray character", shown);
        }
    } else {
        CheckFailure(*result.failure, input);
    }
    if (std::fetestexcept(FE_ALL_EXCEPT) != 0) Reject("floating-point flags left raised", input);
    if (std::fegetround() != FE_TONEAREST) Reject("rounding mode changed", input);
    return 0;
}
