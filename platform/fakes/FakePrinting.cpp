// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/FakePrinting.h"

#include <QMetaObject>
#include <QTextDocument>

namespace ferrolin {

void FakePrinting::SetupPrinter(QWidget*)
{
    ++setupCalls;
}

void FakePrinting::Print(const QTextDocument& document, const QString& jobName)
{
    if (failWith) {
        QMetaObject::invokeMethod(this, [this, message = *failWith] { emit Failed(message); }, Qt::QueuedConnection);
        return;
    }
    Job job{jobName, {}, document.defaultFont().family()};
    // As printed: every line break, between paragraphs or inside one, starts a line.
    job.lines = document.toPlainText().split(QLatin1Char('\n'));
    jobs << job;
    QMetaObject::invokeMethod(this, [this] { emit Printed(); }, Qt::QueuedConnection);
}

}  // namespace ferrolin
