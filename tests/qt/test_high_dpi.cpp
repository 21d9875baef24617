// SPDX-License-Identifier: MIT
// The window at twice the density: the same layout in logical pixels, twice the device
// pixels, the 2x bitmaps drawn pixel for pixel, and the leave test on half pixels.
#include "startup.h"
#include "window_fixture.h"

#include <QMouseEvent>
#include <QtTest>

using namespace varnik::test;

class TestHighDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { varnik::prepareApplication(); }
    void windowScalesFromTheLayout();
    void picturesUseTheirTwiceSizeBitmaps();
    void leaveTestOnHalfPixels_data();
    void leaveTestOnHalfPixels();
    void displayIsDrawnAtFullResolution();
};

void TestHighDpi::windowScalesFromTheLayout() {
    WindowFixture w;
    QCOMPARE(w.form.devicePixelRatioF(), 2.0);
    QCOMPARE(w.form.size(), QSize(206, 232));
    QCOMPARE(w.form.grab().size(), QSize(412, 464));
    QCOMPARE(w.control("Image27")->geometry(), QRect(161, 42, 38, 133));
    QCOMPARE(w.display()->geometry(), QRect(7, 7, 195, 27));
}

void TestHighDpi::picturesUseTheirTwiceSizeBitmaps() {
    WindowFixture w;
    for (int normal = 1; normal < 36; normal += 2) {
        const QString name = QString("Image%1").arg(normal);
        QCOMPARE(QImage(":/keys/" + name + "@2x.bmp").size(), w.control(name)->size() * 2);
        QCOMPARE(w.keyShows(name), QString("normal"));
        w.moveTo(w.centreOf(name));
        QCOMPARE(w.keyShows(name), QString("highlight"));
    }
}

void TestHighDpi::leaveTestOnHalfPixels_data() {
    QTest::addColumn<QPointF>("bare");
    QTest::addColumn<bool>("stillShown");
    // The one key's rectangle ends on the logical line x = 36, device pixel 72.
    QTest::newRow("on the right edge line") << QPointF(36.0, 50) << true;
    QTest::newRow("half a pixel past it") << QPointF(36.5, 50) << false;
    QTest::newRow("on the bottom edge line") << QPointF(20, 70.0) << true;
    QTest::newRow("half a pixel below it") << QPointF(20, 70.5) << false;
}

void TestHighDpi::leaveTestOnHalfPixels() {
    QFETCH(QPointF, bare);
    QFETCH(bool, stillShown);
    WindowFixture w;
    w.moveTo(w.centreOf("Image1"));
    QCOMPARE(w.keyShows("Image1"), QString("highlight"));
    // As the window system hands a move to the window: half pixels survive.
    QMouseEvent move(QEvent::MouseMove, bare, w.form.mapToGlobal(bare), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w.form.windowHandle(), &move);
    QCOMPARE(w.keyShows("Image1"), QString(stillShown ? "highlight" : "normal"));
}

void TestHighDpi::displayIsDrawnAtFullResolution() {
    WindowFixture w;
    w.button("cmd8")->click();
    const QImage display = w.display()->grab().toImage();
    QCOMPARE(display.size(), QSize(390, 54));
    // Text drawn at 2x has edges one device pixel wide: some dark pixel has a light
    // neighbour on an odd column, which a doubled 1x drawing would never have.
    bool oddEdge = false;
    for (int y = 0; y < display.height() && !oddEdge; ++y) {
        for (int x = 1; x + 1 < display.width(); x += 2) {
            if (qGray(display.pixel(x, y)) < 140 && qGray(display.pixel(x + 1, y)) > 200) {
                oddEdge = true;
                break;
            }
        }
    }
    QVERIFY(oddEdge);
}

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_high_dpi.moc"
