// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What screen readers are told about a checkable menu item. Qt's own menu items report "checked"
// but never that they can be checked at all, so a screen reader says "checked" for a ticked item
// and nothing for an unticked one. Items answered here report that they are checkable; and since
// Qt 6.4's AT-SPI bridge drops that state on its way to the screen reader (and the menu counts
// only items of the menu-item role as its children), an unticked item also says so in its name:
// Orca then speaks "Audio, not checked" and "Audio, checked".
#include <QAccessibleObject>

class QAction;
class QMenu;

namespace ferrolin {

class CheckableMenuItemAccessible : public QAccessibleObject, public QAccessibleActionInterface {
public:
    CheckableMenuItemAccessible(QMenu* menu, QAction* action);

    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    QRect rect() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QAction* action() const;
    QMenu* menu_;
};

// Installs, once per program, the factory that answers for every checkable action shown in a
// menu. Must run before a screen reader first asks about the menu.
void InstallCheckableMenuItemAccessibility();

}  // namespace ferrolin
