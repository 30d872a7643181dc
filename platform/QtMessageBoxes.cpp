// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtMessageBoxes.h"

#include "platform/ModalWithKeyboard.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace ferrolin {

void QtMessageBoxes::ShowError(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);  // messages quote user input, which must never be markup
    ExecWithKeyboard(box);
}

void QtMessageBoxes::ShowNotice(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    // Without an owner Qt places the box near the active window; a notice belongs in the middle
    // of the screen.
    box.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        box.move(screen->availableGeometry().center() - box.rect().center());
    }
    ExecWithKeyboard(box);
}

MessageBoxes::SaveChoice QtMessageBoxes::AskSaveChanges(QWidget* owner, const QString& title,
                                                        const QString& question) {
    QMessageBox box(QMessageBox::Question, title, question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (ExecWithKeyboard(box)) {
    case QMessageBox::Yes:
        return SaveChoice::Save;
    case QMessageBox::No:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

}  // namespace ferrolin
