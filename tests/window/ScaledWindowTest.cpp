// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a screen scaled by 1.5, where lines one logical pixel wide fall between device
// pixels: the frames of the boxes must still show, and the backing store made ahead of the first
// paint must be the one the paint uses; the menu bar's overflow chevron is drawn at device pixels.
#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QTest>

#include "window/BackingStorePages.h"
#include "window/ChevronIconStyle.h"
#include "window/support/WindowFixture.h"

using namespace ferrolin::testing;

namespace {
constexpr double kScale = 1.5;
}

class ScaledWindowTest : public QObject {
    Q_OBJECT
private slots:
    void boxFramesShow();
    void firstPaintKeepsTheStoreMadeAhead();
    void overflowChevronIsDrawnInDevicePixels_data();
    void overflowChevronIsDrawnInDevicePixels();
};

// The window as its backing store paints it; each box's four edges, midway along, have a pixel
// clearly darker than the box's background.
void ScaledWindowTest::boxFramesShow() {
    WindowFixture window;
    const QImage whole = window.form->grab().toImage();
    QCOMPARE(whole.devicePixelRatio(), kScale);
    for (QWidget* box : {static_cast<QWidget*>(InputBox(*window.form)), static_cast<QWidget*>(FunctionList(*window.form)),
                         static_cast<QWidget*>(HistoryBox(*window.form))}) {
        const QRectF logical(box->mapTo(window.form.get(), QPoint(0, 0)), box->size());
        const QImage image = whole.copy(QRectF(logical.topLeft() * kScale, logical.size() * kScale).toAlignedRect());
        const int background = qGray(box->palette().color(QPalette::Base).rgb());
        const auto edgeShows = [&](int x, int y, int stepX, int stepY) {
            for (int i = 0; i < 3; ++i, x += stepX, y += stepY)
                if (qGray(image.pixel(x, y)) < background - 40) return true;
            return false;
        };
        const int midX = image.width() / 2, midY = image.height() / 2;
        QVERIFY2(edgeShows(0, midY, 1, 0), qPrintable(box->objectName() + " left"));
        QVERIFY2(edgeShows(image.width() - 1, midY, -1, 0), qPrintable(box->objectName() + " right"));
        QVERIFY2(edgeShows(midX, 0, 0, 1), qPrintable(box->objectName() + " top"));
        QVERIFY2(edgeShows(midX, image.height() - 1, 0, -1), qPrintable(box->objectName() + " bottom"));
    }
}

// Device pixels and logical ones differ here: a store sized in the wrong ones would be made again
// by the first paint, and the pages mapped ahead would go unused.
void ScaledWindowTest::firstPaintKeepsTheStoreMadeAhead() {
    QWidget window;
    window.resize(301, 207);
    window.show();
    ferrolin::MapBackingStorePages(window);
    auto* ahead = static_cast<QImage*>(window.backingStore()->paintDevice());
    QVERIFY(ahead && !ahead->isNull());
    const uchar* pixels = ahead->constBits();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    QCOMPARE(static_cast<QImage*>(window.backingStore()->paintDevice())->constBits(), pixels);
}

void ScaledWindowTest::overflowChevronIsDrawnInDevicePixels_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QPoint>("inked");  // on the icon's 16-pixel design grid
    QTest::addColumn<QPoint>("blank");
    // The arrow heads point right in a horizontal bar and down in a vertical one.
    QTest::newRow("horizontal") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << QPoint(3, 12) << QPoint(12, 3);
    QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton) << QPoint(12, 3) << QPoint(3, 12);
}

void ScaledWindowTest::overflowChevronIsDrawnInDevicePixels() {
    QFETCH(int, which);
    QFETCH(QPoint, inked);
    QFETCH(QPoint, blank);
    const ferrolin::ChevronIconStyle style;
    const QIcon icon = style.standardIcon(static_cast<QStyle::StandardPixmap>(which));
    const QImage image = icon.pixmap(QSize(16, 16), kScale).toImage();
    QCOMPARE(image.size(), QSize(24, 24));
    const auto strongestAlphaNear = [&](QPoint design) {
        const QPoint centre = (QPointF(design) * kScale).toPoint();
        int strongest = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.valid(centre.x() + dx, centre.y() + dy))
                    strongest = std::max(strongest, qAlpha(image.pixel(centre.x() + dx, centre.y() + dy)));
        return strongest;
    };
    QVERIFY(strongestAlphaNear(inked) > 100);
    QCOMPARE(strongestAlphaNear(blank), 0);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
    QApplication app(argc, argv);
    ScaledWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScaledWindowTest.moc"
