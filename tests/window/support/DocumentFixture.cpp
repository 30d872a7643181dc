// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/support/DocumentFixture.h"
#include "window/ResultsHistory.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <QTextEdit>

namespace ferrolin::testing {

DocumentFixture::DocumentFixture(Printing* realPrinting)
{
    Platform platform;
    platform.messageBoxes = &boxes;
    platform.fileDialogs = &dialogs;
    platform.printing = realPrinting ? realPrinting : &printing;
    platform.makeVoice = [this] {
        auto made = std::make_unique<FakeVoice>();
        voice = made.get();
        return made;
    };
    form = std::make_unique<TForm1>(platform);
    form->SetDecimalSeparatorSource([] { return QStringLiteral("."); });
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("main window did not become active");
}

DocumentFixture::~DocumentFixture()
{
    // Tests leave unsaved histories behind; should the window ask about them on the way out, they
    // are dropped.
    boxes.nextChoices.clear();
    boxes.saveChoice = MessageBoxes::SaveChoice::Discard;
}

void DocumentFixture::Evaluate(const QStringList& expressions) const
{
    for (const QString& expression : expressions) {
        InputBox(*form)->setPlainText(expression);
        form->EvaluateInput();
    }
}

void DocumentFixture::SetHistory(const QStringList& lines) const
{
    form->History().Load(lines);
}

QStringList DocumentFixture::History() const {
    return form->History().Lines();
}

void DocumentFixture::AcceptOpen(const QString& fileName, int filterIndex)
{
    dialogs.openAnswers << FileDialogChoice{fileName, filterIndex};
}

void DocumentFixture::AcceptSave(const QString& fileName)
{
    dialogs.saveAnswers << FileDialogChoice{fileName, 0};
}

void DocumentFixture::Open(const QString& fileName, int filterIndex)
{
    AcceptOpen(fileName, filterIndex);
    Run(CommandAction(*form, DocumentCommand::Open));
}

void DocumentFixture::SaveAs(const QString& fileName)
{
    AcceptSave(fileName);
    Run(CommandAction(*form, DocumentCommand::SaveAs));
}

QByteArray ReadBytes(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteBytes(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(fileName));
}

}  // namespace ferrolin::testing
