// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modal message boxes, behind an interface so that tests never block on a real one.
#include <QString>

class QWidget;

namespace ferrolin {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // The error box: critical icon, one OK button, owned by `owner` (the active window).
    // `text` is shown as given (the caller has already applied the full-stop rule).
    virtual void ShowError(QWidget* owner, const QString& title, const QString& text) = 0;

    // A plain notice: no icon, one OK button, centred on the screen.
    virtual void ShowNotice(const QString& title, const QString& text) = 0;

    enum class SaveChoice { Save, Discard, Cancel };
    // Asks whether to save unsaved work before it would be lost.
    virtual SaveChoice AskSaveChanges(QWidget* owner, const QString& title, const QString& question) = 0;
};

}  // namespace ferrolin
