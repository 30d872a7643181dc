// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dialog's controls as a user and a screen reader find them: by their object names. A name
// that no longer exists fails the test at once instead of handing it a null pointer.
#include <QWidget>

namespace ferrolin::testing {

template <class Control>
Control* Named(const QWidget& dialog, const char* objectName) {
    auto* control = dialog.findChild<Control*>(QString::fromLatin1(objectName));
    if (!control) qFatal("the dialog has no %s", objectName);
    return control;
}

}  // namespace ferrolin::testing
