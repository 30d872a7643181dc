#pragma once
// The expression reader: recursive descent with one token of look-ahead, evaluating as it reads.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "evaluator/EvaluationError.h"
#include "evaluator/EvaluatorOptions.h"

namespace ferrolin {

namespace detail {
struct FailureTarget;
}

class Evaluator {
public:
    explicit Evaluator(EvaluatorOptions options = {});
    ~Evaluator();
    Evaluator(const Evaluator&) = delete;
    Evaluator& operator=(const Evaluator&) = delete;

    // Evaluates `text` (UTF-8). Returns true with `value` set; every failure throws
    // EvaluationError. The floating-point environment is left clean either way.
    bool EvaluateExpression(std::string_view text, long double& value);

    EvaluatorOptions& Options() { return options_; }

    // Brackets, function calls and "^" may nest this deep; deeper input fails cleanly.
    static constexpr int kMaxNesting = 1000;

private:
    void NextToken();
    bool TokenIs(char c) const { return tokenLength_ == 1 && Items[tokenStart_] == c; }
    std::string_view Token() const { return std::string_view(Items).substr(tokenStart_, tokenLength_); }
    std::string_view ConsumedText() const { return std::string_view(Items).substr(0, Pos); }
    long double ParseExpression();
    long double ParseTerm();
    long double ParseFactor();
    bool ReadOperand(long double& v);
    void CheckEnd();
    void Enter();

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
    std::unique_ptr<detail::FailureTarget> failure_;
};

// The module's own evaluator, for callers that need just one (not reentrant).
bool EvaluateExpression(std::string_view text, long double& value, const EvaluatorOptions& options = {});

}  // namespace ferrolin
