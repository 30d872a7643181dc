#include "platform/ModalWithKeyboard.h"

#include <QDialog>
#include <QTimer>

namespace ferrolin {

int ExecWithKeyboard(QDialog& dialog) {
    // Queued into the dialog's own event loop, so it runs once the dialog is shown.
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.raise();
        dialog.activateWindow();
    });
    return dialog.exec();
}

}  // namespace ferrolin
