// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that works as a link: by mouse, by keyboard (focus, Enter or Space) and through the
// accessibility interface (role link, action press).
#include <QLabel>

namespace ferrolin {

class HomePageLabel : public QLabel {
    Q_OBJECT
public:
    explicit HomePageLabel(const QString& text, QWidget* parent = nullptr);

public slots:
    void activate() { emit activated(); }

signals:
    void activated();
    void mouseEntered();
    void mouseLeft();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ferrolin
