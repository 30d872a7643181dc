// The Help menu: the Quick Start Guide and the About window.
#include "window/UnitMain.h"

#include "dialogs/UnitAbout.h"
#include "dialogs/UnitHelp.h"
#include "window/SpokenFeedback.h"

#include <QAction>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>

#include <memory>

namespace ferrolin {

namespace {

const QString kGuideLaunching =
    QStringLiteral(" Quick start help launching. Press the play button for speach");

QString AboutIntroduction()
{
    return QStringLiteral("I am Ferrolin version 2009. ") + QStringLiteral("  ..")
           + QStringLiteral("  My parser and speach engine are different in this version");
}

}  // namespace

void TForm1::CreateHelpCommands()
{
    ShowHelpWindow = [](QDialog& window) { return window.exec(); };

    MnuQuickStartGuide = HelpMenu->addAction(QStringLiteral("&Quick Start Guide"));
    MnuQuickStartGuide->setObjectName(QStringLiteral("MnuQuickStartGuide"));
    MnuQuickStartGuide->setShortcut(QKeySequence(Qt::Key_F1));
    MnuAbout = HelpMenu->addAction(QStringLiteral("&About"));
    MnuAbout->setObjectName(QStringLiteral("MnuAbout"));

    // Queued: both open a modal window, and a menu item triggered through the accessibility
    // interface must return to its caller before that window's event loop starts.
    connect(MnuQuickStartGuide, &QAction::triggered, this, &TForm1::MnuQuickStartGuideClick,
            Qt::QueuedConnection);
    connect(MnuAbout, &QAction::triggered, this, &TForm1::MnuAboutClick, Qt::QueuedConnection);
}

void TForm1::MnuQuickStartGuideClick()
{
    speech_->Say(kGuideLaunching);
    const auto guide = std::make_unique<TFormHelp>(
        this, platform_, [this](const QString& message) { ShowErrorBox(message); });
    ShowHelpWindow(*guide);
}

void TForm1::MnuAboutClick()
{
    const QString introduction = AboutIntroduction();
    auto about = std::make_unique<TFormAbout>(this, platform_, ApplicationTitle());

    speech_->Say(introduction);
    ShowHelpWindow(*about);

    // Whether Audio is on or not: the introduction must not outlast the window.
    speech_->Purge();
    about.reset();
}

}  // namespace ferrolin
