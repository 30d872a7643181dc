// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/CheckableMenuItemAccessible.h"

#include <QCoreApplication>
#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace ferrolin {

namespace {

QString WithoutAmpersands(QString caption) {
    // "&&" is a shown ampersand; a lone "&" only marks the access key.
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption;
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (!action || !action->isCheckable() || action->menu()) return nullptr;
    for (QObject* shownIn : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(shownIn)) return new CheckableMenuItemAccessible(menu, action);
    }
    return nullptr;
}

}  // namespace

CheckableMenuItemAccessible::CheckableMenuItemAccessible(QMenu* menu, QAction* action)
    : QAccessibleObject(action), menu_(menu) {}

QAction* CheckableMenuItemAccessible::action() const { return static_cast<QAction*>(object()); }

QAccessibleInterface* CheckableMenuItemAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(menu_);
}

QString CheckableMenuItemAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return action()->isChecked() ? WithoutAmpersands(action()->text())
                                     : WithoutAmpersands(action()->text()) + QCoreApplication::translate("Menu", ", not checked");
    case QAccessible::Description:
        return action()->toolTip() == WithoutAmpersands(action()->text()) ? QString() : action()->toolTip();
    case QAccessible::Accelerator:
        return action()->shortcut().isEmpty() ? QKeySequence::mnemonic(action()->text()).toString(QKeySequence::NativeText)
                                              : action()->shortcut().toString(QKeySequence::NativeText);
    default:
        return QString();
    }
}

QAccessible::State CheckableMenuItemAccessible::state() const {
    QAccessible::State s;
    QAction* item = action();
    s.invisible = !menu_->isVisible() || !item->isVisible();
    s.disabled = !item->isEnabled();
    s.focusable = true;
    s.focused = menu_->activeAction() == item;
    s.checkable = true;
    s.checked = item->isChecked();
    return s;
}

QRect CheckableMenuItemAccessible::rect() const {
    const QRect inMenu = menu_->actionGeometry(action());
    return QRect(menu_->mapToGlobal(inMenu.topLeft()), inMenu.size());
}

void* CheckableMenuItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList CheckableMenuItemAccessible::actionNames() const {
    return action()->isEnabled() ? QStringList{pressAction(), toggleAction()} : QStringList{};
}

void CheckableMenuItemAccessible::doAction(const QString& actionName) {
    if (!action()->isEnabled()) return;
    if (actionName == pressAction() || actionName == toggleAction()) action()->trigger();
}

QStringList CheckableMenuItemAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName != pressAction()) return {};
    const QKeySequence mnemonic = QKeySequence::mnemonic(action()->text());
    return mnemonic.isEmpty() ? QStringList{} : QStringList{mnemonic.toString(QKeySequence::NativeText)};
}

void InstallCheckableMenuItemAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace ferrolin
