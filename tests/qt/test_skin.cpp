// SPDX-License-Identifier: MIT
// The skin keypad under the mouse in Qt, at the density the test runs at (ctest runs it at 1
// and at 2): the window feeds the model Qt's pointer events, in twips, and draws the pictures
// and the link label the model says, each key's bitmap for that density pixel for pixel. The
// rules themselves are the window model's and tested there.
#include "controls.h"
#include "startup.h"
#include "units.h"
#include "window_fixture.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QtTest>

using namespace varnik::test;

class TestSkin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { varnik::prepareApplication(); }
    void windowAtTheDensity();
    void noHighlightAfterStartUp();
    void everyKeyShowsItsPicturesWhereItLies();
    void leaveTest_data();
    void leaveTest();
    void linkLabelColours();
    void highContrastPalette();
    void doubleClickEntersOnce();
    void displayIsDrawnAtFullResolution();

private:
    static QColor linkColour(const WindowFixture& w) {
        return w.control("Label1")->palette().color(QPalette::WindowText);
    }
    static qreal density() { return QGuiApplication::primaryScreen()->devicePixelRatio(); }
};

void TestSkin::windowAtTheDensity() {
    WindowFixture w;
    QCOMPARE(w.form.devicePixelRatioF(), density());
    QCOMPARE(w.form.size(), QSize(206, 232)); // the layout is in logical pixels
    QCOMPARE(w.form.grab().size(), w.form.size() * density());
}

void TestSkin::noHighlightAfterStartUp() {
    WindowFixture w;
    QCOMPARE(w.litKeys(), QStringList());
    QCOMPARE(linkColour(w), QColor(196, 202, 202));
}

void TestSkin::everyKeyShowsItsPicturesWhereItLies() {
    WindowFixture w;
    const QString dense = density() > 1 ? "@2x" : "";
    for (std::size_t key = 0; key < varnik::skinKeyCount; ++key) {
        const QString name = QString::fromStdString(varnik::pictureName(varnik::normalImage(key)));
        // The key's stand-in before screen readers lies on it; its bitmaps fit it exactly.
        const QWidget* standIn = w.control(name);
        QCOMPARE(QImage(":/keys/" + name + dense + ".bmp").size(), standIn->size() * density());
        QCOMPARE(w.keyShows(name), QString("normal"));
        w.moveTo(standIn->geometry().center());
        QCOMPARE(w.litKeys(), QStringList{name});
    }
}

void TestSkin::leaveTest_data() {
    QTest::addColumn<QPointF>("bare");
    QTest::addColumn<bool>("stillShown");
    // The one key's rectangle ends on the lines x = 36 and y = 70 (logical pixels), which
    // still count as inside; one device pixel further is outside. As the window system hands
    // a move to the window, half pixels survive at twice the density.
    const qreal pixel = 1 / density();
    QTest::newRow("on the right edge line") << QPointF(36, 50) << true;
    QTest::newRow("one device pixel past it") << QPointF(36 + pixel, 50) << false;
    QTest::newRow("on the bottom edge line") << QPointF(20, 70) << true;
    QTest::newRow("one device pixel below it") << QPointF(20, 70 + pixel) << false;
}

void TestSkin::leaveTest() {
    QFETCH(QPointF, bare);
    QFETCH(bool, stillShown);
    WindowFixture w;
    w.moveTo(w.centreOf("Image1"));
    QCOMPARE(w.keyShows("Image1"), QString("highlight"));
    QMouseEvent move(QEvent::MouseMove, bare, w.form.mapToGlobal(bare), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w.form.windowHandle(), &move);
    // The pointer really is over the bare window.
    QCOMPARE(w.model().targetAt(varnik::toTwips(bare.x()), varnik::toTwips(bare.y())).kind,
             varnik::PointerTarget::Kind::BareWindow);
    QCOMPARE(w.keyShows("Image1"), QString(stillShown ? "highlight" : "normal"));
}

void TestSkin::linkLabelColours() {
    WindowFixture w;
    w.moveTo(w.centreOf("Label1"));
    QCOMPARE(linkColour(w), QColor(0, 0, 255));
    w.moveTo(w.centreOf("Image21")); // entering a key turns it grey
    QCOMPARE(linkColour(w), QColor(196, 202, 202));
}

void TestSkin::highContrastPalette() {
    WindowFixture w;
    const QPalette described = QApplication::palette();
    // A high-contrast colour scheme arrives, as Qt reads KDE's: black, white, cyan, yellow.
    const QColor black(0, 0, 0), white(255, 255, 255), cyan(26, 235, 255), yellow(255, 255, 0);
    QPalette high = described;
    for (const auto& [role, colour] : {std::pair{QPalette::Window, black},
                                       {QPalette::WindowText, white},
                                       {QPalette::Base, black},
                                       {QPalette::Text, white},
                                       {QPalette::Highlight, cyan},
                                       {QPalette::HighlightedText, black},
                                       {QPalette::Link, yellow}}) {
        high.setColor(role, colour);
    }
    QApplication::setPalette(high); // the window hears of it from the event loop
    QTRY_COMPARE(w.form.palette().color(QPalette::Window), black);
    QCOMPARE(w.display()->palette().color(QPalette::Disabled, QPalette::Base), black);
    QCOMPARE(w.display()->palette().color(QPalette::Disabled, QPalette::Text), white);
    QCOMPARE(linkColour(w), yellow);
    w.moveTo(w.centreOf("Label1"));
    QCOMPARE(linkColour(w), cyan);
    // The focus mark: a cyan line with a black one inside it, three pixels inside the key.
    for (int i = 0; i < 5; ++i) { // About → M + → M - → M Rc → / → =
        w.keyOnFocus(Qt::Key_Tab);
    }
    const QImage equals = w.form.grab(w.control("Image21")->geometry()).toImage();
    const int d = static_cast<int>(density()); // the mark's lines are as wide as a pixel
    QCOMPARE(equals.pixelColor(3 * d, equals.height() / 2), cyan);
    QCOMPARE(equals.pixelColor(4 * d, equals.height() / 2), black);
    QApplication::setPalette(described); // and off again: the described colours
    QTRY_COMPARE(w.form.palette().color(QPalette::Window), QColor(244, 244, 227));
    QCOMPARE(w.display()->palette().color(QPalette::Disabled, QPalette::Text),
             QColor(109, 109, 109));
    QCOMPARE(linkColour(w), QColor(0, 0, 255));
}

void TestSkin::doubleClickEntersOnce() {
    WindowFixture w;
    w.moveTo(w.centreOf("Image7"));
    QTest::mouseDClick(w.form.windowHandle(), Qt::LeftButton, {}, w.centreOf("Image7"));
    QCOMPARE(w.displayText(), QString(" 4"));
}

void TestSkin::displayIsDrawnAtFullResolution() {
    if (density() == 1) {
        QSKIP("drawn at the one density there is");
    }
    WindowFixture w;
    w.button("cmd8")->click();
    const QImage display = w.display()->grab().toImage();
    QCOMPARE(display.size(), w.display()->size() * density());
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

QTEST_MAIN(TestSkin)
#include "test_skin.moc"
