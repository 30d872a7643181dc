// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/HelpCommands.h"

#include "dialogs/UnitAbout.h"
#include "dialogs/UnitHelp.h"
#include "platform/ModalWithKeyboard.h"
#include "platform/UiLanguage.h"
#include "window/SpokenFeedback.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>

#include <memory>

namespace ferrolin {

namespace {

const char* const kGuideLaunching =
    QT_TRANSLATE_NOOP("Speech", " Quick start help launching. Press the play button for speach");

QString AboutIntroduction()
{
    return SpokenText("Speech", QT_TRANSLATE_NOOP("Speech", "I am Ferrolin version 2009. ")) + QStringLiteral("  ..")
           + SpokenText("Speech", QT_TRANSLATE_NOOP("Speech", "  My parser and speach engine are different in this version"));
}

}  // namespace

HelpCommands::HelpCommands(QWidget& window, QMenu& helpMenu, const Platform& platform,
                           SpokenFeedback& speech, QString applicationTitle,
                           ReportError reportError)
    : window_(window),
      platform_(platform),
      speech_(speech),
      applicationTitle_(std::move(applicationTitle)),
      reportError_(std::move(reportError)),
      runWindow_([](QDialog& shown) { return ExecWithKeyboard(shown); })
{
    QAction* guide = helpMenu.addAction(QCoreApplication::translate("Menu", "&Quick Start Guide"));
    guide->setObjectName(QStringLiteral("MnuQuickStartGuide"));
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* about = helpMenu.addAction(QCoreApplication::translate("Menu", "&About"));
    about->setObjectName(QStringLiteral("MnuAbout"));

    // Queued: both open a modal window, and a menu item triggered through the accessibility
    // interface must return to its caller before that window's event loop starts.
    connect(guide, &QAction::triggered, this, &HelpCommands::ShowGuide, Qt::QueuedConnection);
    connect(about, &QAction::triggered, this, &HelpCommands::ShowAbout, Qt::QueuedConnection);
}

void HelpCommands::ShowGuide()
{
    speech_.Say(QString::fromUtf8(kGuideLaunching));
    const auto guide = std::make_unique<TFormHelp>(&window_, platform_, reportError_);
    runWindow_(*guide);
}

void HelpCommands::ShowAbout()
{
    const QString introduction = AboutIntroduction();
    auto about = std::make_unique<TFormAbout>(&window_, platform_, applicationTitle_);

    speech_.Say(introduction);
    runWindow_(*about);

    // Whether Audio is on or not: the introduction must not outlast the window.
    speech_.Purge();
    about.reset();
}

}  // namespace ferrolin
