#include "platform/fakes/FakePrinting.h"

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
    if (failWith)
        throw PrintError(failWith->toStdString());
    Job job{jobName, {}, document.defaultFont().family()};
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        job.lines << block.text();
    jobs << job;
}

}  // namespace ferrolin
