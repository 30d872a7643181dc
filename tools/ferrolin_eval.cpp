// SPDX-License-Identifier: GPL-3.0-or-later
// ferrolin-eval: evaluates expressions the way the calculator window does, for scripts and tests.
//
//   ferrolin-eval [--decimals N] [--] [EXPRESSION ...]
//   ferrolin-eval --version | --help
//
// Each success prints the history line the window would append; each failure prints the error
// box's text on stderr. Without expressions, every non-empty line of standard input is one, and
// a failure's text comes after a line that names the input line's number and text.
// Exit status: 0 when everything evaluated, 1 when anything failed or could not be read or
// written, 2 for a bad command line.
#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluator/MyParser.h"
#include "evaluator/ResultFormat.h"
#include "evaluator/Utf8.h"
#include "ferrolin/Version.h"
#include "tools/ferrolin_eval_usage.h"

namespace {

using ferrolin::DecimalPlaces;

const std::string kRange =
    "from " + std::to_string(DecimalPlaces::kFewest) + " to " + std::to_string(DecimalPlaces::kMost);

enum class Outcome { Success, Failure };

struct Settings {
    int decimals = DecimalPlaces::kDefault;
    std::vector<std::string> expressions;
};

// Exit code 2 and one line on stderr, as any shell user expects from a bad command line.
[[noreturn]] void UsageError(std::string_view problem) {
    std::cerr << "ferrolin-eval: " << problem << "; " << ferrolin::EvalUsageLine() << "\n";
    std::exit(2);
}

// Plain digits only: no sign, blanks, leading zeros or fraction.
std::optional<int> ParseDecimals(std::string_view text) {
    int places = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), places);
    if (text.empty() || text[0] < '1' || text[0] > '9' || error != std::errc() ||
        end != text.data() + text.size() || !DecimalPlaces::Allowed(places))
        return std::nullopt;
    return places;
}

Settings ParseArguments(int argc, char** argv) {
    Settings settings;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            settings.expressions.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << ferrolin::EvalHelpText();
            std::exit(0);
        } else if (arg == "--version") {
            std::cout << "ferrolin-eval " << ferrolin::kVersion << "\n";
            std::exit(0);
        } else if (arg == "--decimals") {
            if (i + 1 >= argc) UsageError("--decimals needs a number of decimal places");
            auto n = ParseDecimals(argv[++i]);
            if (!n) UsageError("--decimals must be a whole number " + kRange);
            settings.decimals = *n;
        } else if (arg.starts_with("--decimals=")) {
            auto n = ParseDecimals(arg.substr(std::strlen("--decimals=")));
            if (!n) UsageError("--decimals must be a whole number " + kRange);
            settings.decimals = *n;
        } else {
            UsageError("unknown option " + std::string(arg));
        }
    }
    return settings;
}

// The user's decimal separator. The C locale is restored afterwards so that nothing else in the
// process starts reading numbers the locale's way.
char32_t LocaleDecimalSeparator() {
    char32_t separator = U'.';
    if (std::setlocale(LC_NUMERIC, "")) {
        // A locale in a charset other than UTF-8 gets the point: its byte would not be text here.
        const char* point = std::localeconv()->decimal_point;
        separator = ferrolin::FirstCodePoint(point ? point : "").value_or(U'.');
    }
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

// The window joins the input box's lines, each trimmed; an argument may hold several lines too.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

// The message as a terminal shows it: the evaluator's line feed + carriage return pair is one
// line break here.
std::string TerminalText(std::string message) {
    for (std::size_t at = message.find("\n\r"); at != std::string::npos; at = message.find("\n\r", at + 1))
        message.erase(at + 1, 1);
    return message;
}

// Where an expression came from; a line of standard input is named in its failure, since the
// message alone does not tell a script's author which of many lines failed.
struct Source {
    std::size_t lineNumber = 0;  // 0: a command-line argument
};

// Notices first, then the line or the error, in the order the window shows them. stdout is
// flushed before anything goes to stderr so that both keep their order on one terminal.
Outcome EvaluateOne(ferrolin::Evaluator& evaluator, std::string_view input, int decimals, Source source = {}) {
    const std::string expression = ferrolin::ExpressionText(SplitLines(input));
    const ferrolin::Evaluation result = evaluator.Evaluate(expression);
    if (!result.notices.empty()) {
        std::cout.flush();
        for (const std::string& notice : result.notices) std::cerr << notice << "\n";
    }
    if (result.ok()) {
        std::cout << ferrolin::HistoryLine(expression, result.value, decimals, evaluator.Options().decimalSeparator)
                  << "\n";
        return Outcome::Success;
    }
    std::cout.flush();
    if (source.lineNumber > 0) std::cerr << "ferrolin-eval: line " << source.lineNumber << ": " << input << "\n";
    std::cerr << TerminalText(ferrolin::ErrorBoxText(result.failure->message)) << "\n";
    return Outcome::Failure;
}

// Standard input that is a folder or a closed descriptor reads as empty; say so instead.
std::optional<std::string> StandardInputProblem() {
    struct stat info {};
    if (fstat(0, &info) != 0) return std::string("cannot read standard input: ") + std::strerror(errno);
    if (S_ISDIR(info.st_mode)) return std::string("cannot read standard input: it is a folder");
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    // Results are written in blocks, not flushed at every line read; EvaluateOne flushes before
    // anything goes to stderr.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    Settings settings = ParseArguments(argc, argv);

    ferrolin::EvaluatorOptions options;
    options.decimalSeparator = LocaleDecimalSeparator();
    ferrolin::Evaluator evaluator(options);

    bool anyFailed = false;
    try {
        if (!settings.expressions.empty()) {
            for (const auto& expression : settings.expressions)
                anyFailed |= EvaluateOne(evaluator, expression, settings.decimals) == Outcome::Failure;
        } else {
            if (auto problem = StandardInputProblem()) {
                std::cerr << "ferrolin-eval: " << *problem << "\n";
                return 1;
            }
            std::string line;
            Source source;
            // A line too long for memory must be told from a read error: the stream lets the
            // allocation's failure through instead of only marking itself bad.
            std::cin.exceptions(std::ios::badbit);
            try {
                while (std::getline(std::cin, line)) {
                    ++source.lineNumber;
                    if (!line.empty() && line.back() == '\r') line.pop_back();  // files written on Windows
                    if (line.empty()) continue;
                    anyFailed |= EvaluateOne(evaluator, line, settings.decimals, source) == Outcome::Failure;
                }
            } catch (const std::bad_alloc&) {
                std::cout.flush();
                std::cerr << "ferrolin-eval: out of memory reading line " << source.lineNumber + 1
                          << " of standard input\n";
                return 1;
            } catch (const std::ios_base::failure&) {
                std::cout.flush();
                std::cerr << "ferrolin-eval: cannot read standard input\n";
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "ferrolin-eval: " << error.what() << "\n";
        return 1;
    }

    // A full disk or a closed pipe must not look like success to the calling script.
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "ferrolin-eval: cannot write the results\n";
        return 1;
    }
    return anyFailed ? 1 : 0;
}
