// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An evaluation's failure and notices in the user's language. The evaluator writes English; the
// window translates by the failure's kind and keeps the quoted part of the expression as typed.
#include <QString>
#include <string>

namespace ferrolin {

struct EvaluationFailure;

QString ErrorText(const EvaluationFailure& failure);
QString NoticeText(const std::string& notice);

}  // namespace ferrolin
