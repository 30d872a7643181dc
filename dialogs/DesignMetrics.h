// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs are laid out in pixels at 120 dots per inch; these helpers turn those into the
// pixels of the screen the dialog is on, so text and controls keep their proportions.
#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace ferrolin {

class DesignMetrics {
public:
    explicit DesignMetrics(const QWidget* widget);
    // For a screen of `logicalDpi` dots per inch (at least 1).
    explicit DesignMetrics(int logicalDpi);

    int Px(int designPixels) const;
    QSize Size(int width, int height) const;
    QRect Rect(int left, int top, int width, int height) const;

    // The program's font (FontFamily) at the given design pixel height.
    QFont Tahoma(int designPixelHeight) const;

    // The family of every window's text: Tahoma where it is installed, else `desktopFamily` (the
    // desktop's general font's family, which only the GUI thread may ask Qt for). Any thread.
    static QString FontFamily(const QString& desktopFamily);

private:
    // Whether Tahoma is installed: asked once, from any thread, and remembered for the program's
    // run (the answer waits for Qt to read every font on the system the first time).
    static bool HasTahoma();

    double factor_;
};

}  // namespace ferrolin
