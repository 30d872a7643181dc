// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DesignMetrics.h"

#include <QFontDatabase>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ferrolin {

namespace {
constexpr double kDesignDpi = 120.0;
}

DesignMetrics::DesignMetrics(const QWidget* widget)
    : DesignMetrics(widget->logicalDpiY())
{
}

DesignMetrics::DesignMetrics(int logicalDpi)
    : factor_(std::max(logicalDpi, 1) / kDesignDpi)
{
}

int DesignMetrics::Px(int designPixels) const
{
    return static_cast<int>(std::lround(designPixels * factor_));
}

QSize DesignMetrics::Size(int width, int height) const
{
    return {Px(width), Px(height)};
}

QRect DesignMetrics::Rect(int left, int top, int width, int height) const
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

QFont DesignMetrics::Tahoma(int designPixelHeight) const
{
    QFont font;
    font.setFamilies({FontFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family())});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(Px(designPixelHeight), 1));
    return font;
}

QString DesignMetrics::FontFamily(const QString& desktopFamily)
{
    return HasTahoma() ? QStringLiteral("Tahoma") : desktopFamily;
}

bool DesignMetrics::HasTahoma()
{
    static const bool installed = QFontDatabase::hasFamily(QStringLiteral("Tahoma"));
    return installed;
}

}  // namespace ferrolin
