// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a screen scaled by 1.5, where lines one logical pixel wide fall between device
// pixels: the frames of the boxes must still show, and the backing store made ahead of the first
// paint must be the one the paint uses.
#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QTest>

#include "window/BackingStorePages.h"
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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
    QApplication app(argc, argv);
    ScaledWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScaledWindowTest.moc"
