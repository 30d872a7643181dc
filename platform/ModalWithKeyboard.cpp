// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModalWithKeyboard.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace ferrolin {

int ExecWithKeyboard(QDialog& dialog) {
    const QPointer<QWidget> before = QApplication::activeWindow();
    // Queued into the dialog's own event loop, so it runs once the dialog is shown.
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.raise();
        dialog.activateWindow();
    });
    const int result = dialog.exec();
    // With no window manager nobody gives the keyboard back either.
    if (before && before != &dialog && before->isVisible()) before->activateWindow();
    return result;
}

}  // namespace ferrolin
