// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The expression reader: recursive descent with one token of look-ahead, evaluating as it reads.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluator/Arithmetic.h"
#include "evaluator/EvaluationError.h"
#include "evaluator/EvaluatorOptions.h"

namespace ferrolin {

namespace detail {
class RandomSource;
}

// The outcome of one evaluation: a value or a failure, and the notices the caller owes the user
// either way ("Not enough parameters" once for each statistical call with fewer than two values;
// the evaluation went on with NaN). The evaluator shows nothing itself.
struct Evaluation {
    long double value = 0;
    std::optional<EvaluationFailure> failure;
    std::vector<std::string> notices;

    bool ok() const { return !failure.has_value(); }
};

class Evaluator {
public:
    explicit Evaluator(EvaluatorOptions options = {});
    Evaluator(const Evaluator&) = delete;
    Evaluator& operator=(const Evaluator&) = delete;
    ~Evaluator();

    // Evaluates `text` (UTF-8). The floating-point environment is left clean either way.
    Evaluation Evaluate(std::string_view text);

    EvaluatorOptions& Options() { return options_; }

    // Brackets, function calls and "^" may nest this deep; deeper input fails cleanly.
    static constexpr int kMaxNesting = 1000;

private:
    void NextToken();
    bool TokenIs(char c) const { return tokenLength_ == 1 && Items[tokenStart_] == c; }
    std::string_view Token() const { return std::string_view(Items).substr(tokenStart_, tokenLength_); }
    long double ParseExpression();
    long double ParseTerm();
    long double ParseFactor();
    bool ReadOperand(long double& v);
    void CheckEnd();
    bool Enter();
    // Records a reader failure quoting Items[quoteStart, quoteEnd); returns the value nobody reads.
    long double Fail(ErrorKind kind, std::size_t quoteStart, std::size_t quoteEnd);
    bool Failed() const { return status_.failed; }
    // Notes where reading stopped, unless a deeper frame already did; returns the unread value.
    long double Stopped(std::size_t at);
    EvaluationFailure Failure(std::string_view text) const;
    // The source random() draws from under the current options: null for the shared one.
    detail::RandomSource* SeededRandomSource();

    EvaluatorOptions options_;
    // The prepared text (UTF-8): every character up to the blank removed, A-Z lowercased.
    // A token is a run of operand characters or one whole character, never part of one.
    std::string Items;
    std::size_t Pos = 0;   // byte index of the next unread character
    std::size_t Size = 0;
    std::size_t tokenStart_ = 0;
    std::size_t tokenLength_ = 0;  // 0 once the end has been reached
    int depth_ = 0;
    std::vector<double> ParameterList;
    detail::Status status_;
    std::size_t quoteStart_ = 0, quoteEnd_ = 0;  // the part of Items a failure's message quotes
    std::size_t stop_ = 0;                       // where in Items reading stopped at a failure
    bool stopped_ = false;
    std::unique_ptr<detail::RandomSource> random_;  // built for a seed, rebuilt when it changes
    std::uint64_t randomSeed_ = 0;                  // the seed random_ was built from
};

// The module's own evaluator, for callers that need just one (one per thread).
Evaluation Evaluate(std::string_view text, const EvaluatorOptions& options = {});

}  // namespace ferrolin
