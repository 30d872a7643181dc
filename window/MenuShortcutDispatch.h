// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Gives the window's menu shortcuts precedence over the focused control.
//
// A text box normally claims keys such as Ctrl+C or Delete for itself before any shortcut sees
// them. Here a key that is one of the actions' shortcuts goes to that action instead: it runs
// when the action is enabled, and is swallowed when it is not, so the focused control never
// sees it - unless the action lets its key fall through while disabled (Delete, Ctrl+V), in
// which case the control handles the key as usual.
#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QKeyEvent;
class QWidget;

namespace ferrolin {

class MenuShortcutDispatch : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QAction* action;
        bool fallsThroughWhenDisabled;
    };

    // Watches the keys of `window` (application-wide filter). `refresh` brings the actions'
    // enabled state up to date and runs before each decision. Owned by `parent`.
    MenuShortcutDispatch(QWidget* window, QList<Entry> entries, std::function<void()> refresh,
                         QObject* parent);
    ~MenuShortcutDispatch() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Entry* Find(const QKeyEvent& key) const;

    QWidget* window_;
    QList<Entry> entries_;
    std::function<void()> refresh_;
};

}  // namespace ferrolin
