// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowFonts.h"

#include <QFontDatabase>
#include <QThreadPool>

#include <memory>

#include "dialogs/DesignMetrics.h"
#include "window/StartUpFonts.h"

namespace ferrolin {

// Naming only a family that exists spares Qt a fallback search through fontconfig for each size.
// Whether Tahoma exists is known only once Qt has read every font on the system, the longest step
// of start-up, so that runs beside the building of the menus, on Qt's global thread pool (the pool
// the raster engine also splits large fills across, so its thread is used again rather than
// started for one job).
std::shared_future<QString> PreferredFamily() {
    static const std::shared_future<QString> family = [] {
        auto promise = std::make_shared<std::promise<QString>>();
        std::shared_future<QString> result = promise->get_future().share();
        QThreadPool::globalInstance()->start(
            [promise, fallback = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()] {
                FinishReadingFontConfiguration();
                promise->set_value(DesignMetrics::FontFamily(fallback));
            });
        return result;
    }();
    return family;
}

QFont PreferredFont(int pixels) {
    QFont font(PreferredFamily().get());
    font.setPixelSize(pixels);
    return font;
}

}  // namespace ferrolin
