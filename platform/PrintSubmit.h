// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Handing a finished PDF to the print system through its submit program (lp). Waits for the
// program: call it only off the GUI thread.
#include <QString>
#include <QStringList>

#include <optional>

#include "formats/Failure.h"

namespace ferrolin {

enum class SubmitFailureKind {
    NotStarted,  // the submit program is missing or cannot run
    TimedOut,    // it did not finish in time: the job may or may not print
    Refused,     // it ran and said no
};
// The message is for the error box: what is wrong and what to do, then the detail.
using SubmitFailure = Failure<SubmitFailureKind>;

// Runs `program arguments` and waits at most `timeoutMs` for each of its start and its end.
// `printerName` names the printer in the messages.
std::optional<SubmitFailure> SubmitToPrintSystem(const QString& program, const QStringList& arguments,
                                                 const QString& printerName, int timeoutMs);

}  // namespace ferrolin
