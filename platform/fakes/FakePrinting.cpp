#include "platform/fakes/FakePrinting.h"

#include <QMetaObject>
#include <QTextBlock>
#include <QTextDocument>

namespace ferrolin {

bool FakePrinting::SetupPrinter(QWidget*)
{
    ++setupCalls;
    return setupAnswer;
}

void FakePrinting::Print(const QTextDocument& document, const QString& jobName)
{
    if (failWith) {
        QMetaObject::invokeMethod(this, [this, message = *failWith] { emit Failed(message); }, Qt::QueuedConnection);
        return;
    }
    Job job{jobName, {}, document.defaultFont().family()};
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        job.lines << block.text();
    jobs << job;
    QMetaObject::invokeMethod(this, [this] { emit Printed(); }, Qt::QueuedConnection);
}

}  // namespace ferrolin
