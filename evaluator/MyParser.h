#pragma once
// The expression reader: recursive descent with one token of look-ahead, evaluating as it reads.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "evaluator/EvaluationError.h"
#include "evaluator/EvaluatorOptions.h"

namespace ferrolin {

class Evaluator {
public:
    explicit Evaluator(EvaluatorOptions options = {});

    // Evaluates `text` (UTF-8). Returns true with `value` set; every failure throws
    // EvaluationError. The floating-point environment is left clean either way.
    bool EvaluateExpression(std::string_view text, long double& value);

    EvaluatorOptions& Options() { return options_; }

    // Brackets, function calls and "^" may nest this deep; deeper input fails cleanly.
    static constexpr int kMaxNesting = 1000;

private:
    void NextToken();
    std::string ConsumedText() const;
    std::string TokenText() const;
    long double ParseExpression();
    long double ParseTerm();
    long double ParseFactor();
    bool ReadOperand(long double& v);
    void CheckEnd();
    [[noreturn]] void Fail(std::string_view quoted, std::string_view tail) const;
    void Enter();

    EvaluatorOptions options_;
    std::u32string Items;          // the prepared text: blanks removed, ASCII letters lowercased
    std::size_t Pos = 0;           // 0-based index of the next unread character
    std::size_t Size = 0;
    std::size_t tokenStart_ = 0;   // Token is Items[tokenStart_, tokenStart_ + tokenLength_)
    std::size_t tokenLength_ = 0;
    int depth_ = 0;
    std::vector<double> ParameterList;
};

// The module's own evaluator, for callers that need just one (not reentrant).
bool EvaluateExpression(std::string_view text, long double& value, const EvaluatorOptions& options = {});

}  // namespace ferrolin
