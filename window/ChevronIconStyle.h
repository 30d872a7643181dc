// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's own style, with the menu bar's overflow button drawn rather than loaded, and
// drawn only if it shows.
// Every menu bar asks its style for that icon when it is made, and the style reads it from an
// image file, with Qt's reader loading every image plugin installed to guess its format: three
// libraries at every start for a button that shows only when the window is too narrow.
#include <QProxyStyle>

namespace ferrolin {

class ChevronIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace ferrolin
