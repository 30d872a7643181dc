// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HomePageLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace ferrolin {

namespace {

class HomePageLabelAccessible final : public QAccessibleWidget {
public:
    explicit HomePageLabelAccessible(HomePageLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        const QString own = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && own.isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return own;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction()) {
            // Queued: the link may end in a modal notice, which must not hold up the caller
            // (an assistive technology waiting for its request to return).
            QMetaObject::invokeMethod(static_cast<HomePageLabel*>(widget()), &HomePageLabel::activate,
                                      Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        if (actionName == pressAction())
            return {QStringLiteral("Return"), QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }
};

QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(HomePageLabel::staticMetaObject.className()) && object->isWidgetType())
        return new HomePageLabelAccessible(static_cast<HomePageLabel*>(object));
    return nullptr;
}

void InstallAccessibleFactoryOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace

HomePageLabel::HomePageLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    InstallAccessibleFactoryOnce();
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void HomePageLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    emit mouseEntered();
}

void HomePageLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    emit mouseLeft();
}

void HomePageLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: a press that is dragged off the label before release does not count.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        emit activated();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void HomePageLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            event->accept();
            emit activated();
        }
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void HomePageLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Keyboard users need to see where the focus is; the underline belongs to the mouse.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace ferrolin
