#include <QtTest>

#include "desktop/window_cascade.h"

using namespace quilsk;

class WindowCascadeTest : public QObject {
    Q_OBJECT

private slots:
    void NextWindowStepsDownAndStaysInside_data()
    {
        QTest::addColumn<QRect>("last");
        QTest::addColumn<QRect>("next");
        const QRect none;
        QTest::newRow("first") << none << QRect(0, 0, 750, 600);
        QTest::newRow("one step on") << QRect(0, 0, 750, 600) << QRect(25, 25, 750, 600);
        QTest::newRow("last fits") << QRect(225, 150, 750, 600) << QRect(250, 175, 750, 600);
        QTest::newRow("past the right edge: back to the top-left") << QRect(226, 0, 750, 600) << QRect(0, 0, 750, 600);
        QTest::newRow("past the bottom edge") << QRect(0, 176, 750, 600) << QRect(0, 0, 750, 600);
        QTest::newRow("a window dragged far away") << QRect(-2000, 3000, 100, 100) << QRect(0, 0, 750, 600);
    }

    void NextWindowStepsDownAndStaysInside()
    {
        QFETCH(QRect, last);
        QFETCH(QRect, next);
        const QRect area(0, 0, 1000, 800);
        const QRect placed = NextWindowRect(area, last.isNull() ? std::nullopt : std::optional<QRect>(last), 25);
        QCOMPARE(placed, next);
        QVERIFY(area.contains(placed));
    }

    void CascadeKeepsTwoThirdsAndStaysInside_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("lastOffset");
        QTest::newRow("one window takes the area") << 1 << QSize(900, 600) << 0;
        QTest::newRow("three") << 3 << QSize(860, 560) << 40;
        QTest::newRow("forty: two thirds, offsets wrap") << 40 << QSize(600, 400) << (39 % 11) * 20;
    }

    void CascadeKeepsTwoThirdsAndStaysInside()
    {
        QFETCH(int, count);
        QFETCH(QSize, size);
        QFETCH(int, lastOffset);
        const QRect area(0, 0, 900, 600);
        const QList<QRect> rects = CascadeRects(area, count, 20);
        QCOMPARE(rects.size(), count);
        for (const QRect& rect : rects) {
            QCOMPARE(rect.size(), size);
            QVERIFY(area.contains(rect));
        }
        QCOMPARE(rects.back().topLeft(), QPoint(lastOffset, lastOffset));
        QVERIFY(CascadeRects(area, 0, 20).isEmpty());
    }
};

QTEST_MAIN(WindowCascadeTest)
#include "window_cascade_test.moc"
