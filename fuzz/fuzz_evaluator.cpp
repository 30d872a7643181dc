// Any byte string: the evaluator returns a value or throws one of its known messages, leaves the
// floating-point environment clean, and its value can always be formatted.
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

void CheckMessage(std::string_view message, std::string_view input) {
    const bool utf8 = IsUtf8(input);
    if (message == ferrolin::kInvalidText) {
        if (utf8) Reject("valid UTF-8 rejected", input);
        return;
    }
    if (!utf8) Reject("invalid UTF-8 not reported as such", message);
    if (message == ferrolin::kInvalidOperation || message == ferrolin::kDivisionByZero ||
        message == ferrolin::kOverflow)
        return;
    static constexpr std::string_view kListTail = "' is not a valid floating point value";
    if (message.starts_with("'") && EndsWith(message, kListTail)) {
        const std::string_view element = message.substr(1, message.size() - 1 - kListTail.size());
        if (element.find(',') != std::string_view::npos) Reject("list element holds a comma", message);
        return;
    }
    if (message.find("\n\r") == std::string_view::npos) Reject("unknown message", message);
    CheckSyntaxMessage(message, Prepared(input));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    int notices = 0;
    ferrolin::EvaluatorOptions options;
    options.decimalSeparator = size > 0 && (data[0] & 1) ? U',' : U'.';
    options.onNotice = [&notices](const std::string& notice) {
        if (notice != ferrolin::kNotEnoughParameters) Reject("unknown notice", notice);
        ++notices;
    };
    ferrolin::Evaluator evaluator(options);
    std::feclearexcept(FE_ALL_EXCEPT);
    try {
        long double value = 0;
        if (!evaluator.EvaluateExpression(input, value)) Reject("false without an error", input);
        if (!IsUtf8(input)) Reject("invalid UTF-8 evaluated", input);
        for (int decimals = 1; decimals <= 6; ++decimals) {
            const std::string shown = ferrolin::FormatValue(value, decimals, U'.');
            if (shown.empty()) Reject("empty formatted value", input);
            for (char c : shown)
                if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'E' || c == 'N' ||
                      c == 'A' || c == 'I' || c == 'F'))
                    Reject("formatted value has a stray character", shown);
        }
    } catch (const ferrolin::EvaluationError& error) {
        CheckMessage(error.what(), input);
    }
    if (std::fetestexcept(FE_ALL_EXCEPT) != 0) Reject("floating-point flags left raised", input);
    if (std::fegetround() != FE_TONEAREST) Reject("rounding mode changed", input);
    return 0;
}
