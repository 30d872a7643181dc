// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's Help menu: the Quick Start Guide and the About window.
#include <QObject>
#include <QString>
#include <functional>

#include "dialogs/ReportError.h"
#include "platform/Platform.h"

class QAction;
class QDialog;
class QMenu;
class QWidget;

namespace ferrolin {

class SpokenFeedback;

class HelpCommands : public QObject {
    Q_OBJECT
public:
    // Adds the two items to `helpMenu`. The Help windows belong to `window`; `reportError` shows a
    // speech failure of the Guide in the error box. All of it outlives the commands.
    HelpCommands(QWidget& window, QMenu& helpMenu, const Platform& platform, SpokenFeedback& speech,
                 QString applicationTitle, ReportError reportError);

    void ShowGuide();
    void ShowAbout();

    // Runs a Help window modally and returns its result (QDialog::exec by default); tests hand
    // in their own to drive the window without a nested event loop.
    void SetWindowRunner(std::function<int(QDialog&)> run) { runWindow_ = std::move(run); }

private:
    QWidget& window_;
    const Platform& platform_;
    SpokenFeedback& speech_;
    QString applicationTitle_;
    ReportError reportError_;
    std::function<int(QDialog&)> runWindow_;
};

}  // namespace ferrolin
