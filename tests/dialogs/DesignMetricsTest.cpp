// SPDX-License-Identifier: GPL-3.0-or-later
// Sizes given at 120 dots per inch become the screen's pixels, rounded to the nearest pixel, so
// that the windows keep their proportions on every screen.
#include <QTest>

#include "dialogs/DesignMetrics.h"

using ferrolin::DesignMetrics;

class DesignMetricsTest : public QObject {
    Q_OBJECT
private slots:
    void scalesToTheScreen_data();
    void scalesToTheScreen();
};

void DesignMetricsTest::scalesToTheScreen_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("design");
    QTest::addColumn<int>("pixels");
    QTest::newRow("design screen") << 120 << 119 << 119;
    QTest::newRow("96 dpi rounds down") << 96 << 119 << 95;      // 95.2
    QTest::newRow("96 dpi rounds up") << 96 << 27 << 22;         // 21.6
    QTest::newRow("180 dpi, a half rounds up") << 180 << 3 << 5;  // 4.5
    QTest::newRow("144 dpi") << 144 << 119 << 143;               // 142.8
    QTest::newRow("192 dpi") << 192 << 25 << 40;
    QTest::newRow("zero stays zero") << 96 << 0 << 0;
    QTest::newRow("no dpi reported") << 0 << 120 << 1;           // taken as 1 dpi, never 0
}

void DesignMetricsTest::scalesToTheScreen()
{
    QFETCH(int, dpi);
    QFETCH(int, design);
    QFETCH(int, pixels);
    const DesignMetrics metrics(dpi);
    QCOMPARE(metrics.Px(design), pixels);
    QCOMPARE(metrics.Size(design, 2 * design), QSize(pixels, metrics.Px(2 * design)));
    QCOMPARE(metrics.Rect(design, 0, design, design), QRect(pixels, 0, pixels, pixels));
}

QTEST_MAIN(DesignMetricsTest)
#include "DesignMetricsTest.moc"
