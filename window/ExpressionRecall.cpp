// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ExpressionRecall.h"

namespace ferrolin {

void ExpressionRecall::Add(const QString& expression) {
    if (!expression.isEmpty()) entries_.append(expression);
    position_ = -1;
}

std::optional<QString> ExpressionRecall::Older(const QString& typing) {
    if (entries_.isEmpty() || position_ == 0) return std::nullopt;
    if (position_ < 0) {
        typing_ = typing;
        position_ = static_cast<int>(entries_.size());
    }
    --position_;
    return entries_.at(position_);
}

std::optional<QString> ExpressionRecall::Newer() {
    if (position_ < 0) return std::nullopt;
    ++position_;
    if (position_ >= entries_.size()) {
        position_ = -1;
        return typing_;
    }
    return entries_.at(position_);
}

}  // namespace ferrolin
