// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/AltMenuGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace ferrolin {

AltMenuGuard::AltMenuGuard(QObject* parent, std::chrono::milliseconds bridgeWait)
    : QObject(parent), bridgeWait_(bridgeWait) {}

void AltMenuGuard::Watch(QMenu& menu) {
    menu.installEventFilter(this);
    connect(&menu, &QMenu::aboutToShow, this, [this, menu = &menu] {
        opened_ = menu;
        sinceOpened_.start();
    });
    connect(&menu, &QMenu::aboutToHide, this, [this, menu = &menu] {
        if (opened_ == menu) opened_ = nullptr;
    });
}

bool AltMenuGuard::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    auto* menu = qobject_cast<QMenu*>(watched);
    // A key the bridge took while the menu was open and posts after it closed (the second of
    // two quick Escapes) is meant for whatever has the keyboard now, the menu bar usually.
    if (key && menu && !menu->isVisible() && !event->spontaneous()) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus != menu) {
            const auto* late = static_cast<QKeyEvent*>(event);
            QKeyEvent copy(late->type(), late->key(), late->modifiers(), late->text(), late->isAutoRepeat(),
                           ushort(late->count()));
            QApplication::sendEvent(focus, &copy);
        }
        return true;
    }
    if (event->type() != QEvent::KeyPress || watched != opened_) return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Alt) return false;
    // Only the first one can be the chord's, and only if the bridge posted it.
    const bool chords = !event->spontaneous() && sinceOpened_.elapsed() <= bridgeWait_.count();
    opened_ = nullptr;
    return chords;
}

}  // namespace ferrolin
