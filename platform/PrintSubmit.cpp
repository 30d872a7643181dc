// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrintSubmit.h"

#include <QCoreApplication>
#include <QProcess>

namespace ferrolin {

std::optional<SubmitFailure> SubmitToPrintSystem(const QString& program, const QStringList& arguments,
                                                 const QString& printerName, int timeoutMs) {
    QProcess submit;
    submit.setStandardOutputFile(QProcess::nullDevice());
    submit.start(program, arguments);
    if (!submit.waitForStarted(timeoutMs)) {
        // The user's words first: what is missing and how to get it; the system's words after.
        return SubmitFailure{
            SubmitFailureKind::NotStarted,
            QCoreApplication::translate("ferrolin::Printing",
                                        "Printing needs the lp command of the cups-client package, and it could "
                                        "not be started: install cups-client, then print again\n"
                                        "%1 could not be started (%2)")
                .arg(program, submit.errorString())};
    }
    if (!submit.waitForFinished(timeoutMs)) {
        submit.kill();
        submit.waitForFinished(1000);
        return SubmitFailure{SubmitFailureKind::TimedOut,
                             QCoreApplication::translate("ferrolin::Printing",
                                                         "The print system did not take the job within %1 s: it may not be printed")
                                 .arg(timeoutMs / 1000)};
    }
    if (submit.exitStatus() != QProcess::NormalExit || submit.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(submit.readAllStandardError()).trimmed();
        return SubmitFailure{SubmitFailureKind::Refused,
                             QCoreApplication::translate("ferrolin::Printing", "The printer \"%1\" refused the job: %2")
                                 .arg(printerName, said.isEmpty() ? QStringLiteral("no reason given") : said)};
    }
    return std::nullopt;
}

}  // namespace ferrolin
