// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/MenuShortcutDispatch.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace ferrolin {

MenuShortcutDispatch::MenuShortcutDispatch(QWidget* window, QList<Entry> entries, std::function<void()> refresh,
                                           QObject* parent)
    : QObject(parent), window_(window), entries_(std::move(entries)), refresh_(std::move(refresh))
{
    QCoreApplication::instance()->installEventFilter(this);
}

MenuShortcutDispatch::~MenuShortcutDispatch()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

const MenuShortcutDispatch::Entry* MenuShortcutDispatch::Find(const QKeyEvent& key) const
{
    if (key.key() == 0 || key.key() == Qt::Key_unknown)
        return nullptr;
    // The numeric keypad's Delete is the same key for the user.
    const QKeySequence pressed(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    for (const Entry& entry : entries_) {
        if (!entry.action->shortcut().isEmpty() && entry.action->shortcut() == pressed)
            return &entry;
    }
    return nullptr;
}

bool MenuShortcutDispatch::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    // Only keys meant for the window's own controls; open menus and dialogs keep theirs.
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != window_)
        return false;
    const Entry* entry = Find(*static_cast<QKeyEvent*>(event));
    if (!entry)
        return false;

    if (refresh_)
        refresh_();
    const bool enabled = entry->action->isEnabled();
    if (type == QEvent::ShortcutOverride) {
        // Left unaccepted, the key goes to the shortcut map and so to the enabled action. A
        // disabled one that lets its key through leaves the control free to claim it.
        return enabled || !entry->fallsThroughWhenDisabled;
    }
    // A key press only arrives when no shortcut took the key: the action is disabled.
    return !enabled && !entry->fallsThroughWhenDisabled;
}

}  // namespace ferrolin
