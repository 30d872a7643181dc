// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real message boxes, as QMessageBox dialogs run modally.
#include "platform/MessageBoxes.h"

namespace ferrolin {

class QtMessageBoxes : public MessageBoxes {
public:
    void ShowError(QWidget* owner, const QString& title, const QString& text) override;
    void ShowNotice(const QString& title, const QString& text) override;
    SaveChoice AskSaveChanges(QWidget* owner, const QString& title, const QString& question) override;
};

}  // namespace ferrolin
