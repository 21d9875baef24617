// SPDX-License-Identifier: MIT
// The skin keypad under the mouse in Qt: the window feeds the model Qt's pointer events, in
// twips, and the pictures and the link label show what the model says. The rules themselves
// are the window model's and tested there.
#include "startup.h"
#include "window_fixture.h"

#include <QLabel>
#include <QtTest>

using namespace varnik::test;

class TestSkin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { varnik::prepareApplication(); }
    void noHighlightAfterStartUp();
    void enteringAKeyHighlightsIt();
    void leaveTest_data();
    void leaveTest();
    void linkLabelColours();
    void highContrastPalette();
    void sevenPlusFive();
    void doubleClickEntersOnce();

private:
    static QColor linkColour(const WindowFixture& w) {
        return w.control("Label1")->palette().color(QPalette::WindowText);
    }
    static QStringList shownHighlights(WindowFixture& w) { return w.litKeys(); }
};

void TestSkin::noHighlightAfterStartUp() {
    WindowFixture w;
    QCOMPARE(shownHighlights(w), QStringList());
    QCOMPARE(linkColour(w), QColor(196, 202, 202));
}

void TestSkin::enteringAKeyHighlightsIt() {
    WindowFixture w;
    for (int normal = 1; normal < 36; normal += 2) {
        w.moveTo(w.centreOf(QString("Image%1").arg(normal)));
        QCOMPARE(shownHighlights(w), QStringList{QString("Image%1").arg(normal)});
    }
}

void TestSkin::leaveTest_data() {
    QTest::addColumn<QPoint>("bare");
    QTest::addColumn<bool>("stillShown");
    // The one key covers pixels 7..35 across and 42..69 down: its rectangle in twips ends
    // on the lines x = 36 and y = 70 pixels, which still count as inside.
    QTest::newRow("right edge line") << QPoint(36, 50) << true;
    QTest::newRow("past the right edge") << QPoint(37, 50) << false;
    QTest::newRow("bottom edge line") << QPoint(20, 70) << true;
    QTest::newRow("past the bottom edge") << QPoint(20, 71) << false;
}

void TestSkin::leaveTest() {
    QFETCH(QPoint, bare);
    QFETCH(bool, stillShown);
    WindowFixture w;
    w.moveTo(w.centreOf("Image1"));
    QCOMPARE(w.keyShows("Image1"), QString("highlight"));
    w.moveTo(bare);
    // The pointer really is over the bare window.
    QCOMPARE(w.model().targetAt(bare.x() * 15.0F, bare.y() * 15.0F).kind,
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
    QCOMPARE(equals.pixelColor(3, equals.height() / 2), cyan);
    QCOMPARE(equals.pixelColor(4, equals.height() / 2), black);
    QApplication::setPalette(described); // and off again: the described colours
    QTRY_COMPARE(w.form.palette().color(QPalette::Window), QColor(244, 244, 227));
    QCOMPARE(w.display()->palette().color(QPalette::Disabled, QPalette::Text),
             QColor(109, 109, 109));
    QCOMPARE(linkColour(w), QColor(0, 0, 255));
}

void TestSkin::sevenPlusFive() {
    WindowFixture w;
    w.clickSkin("Image13");
    QCOMPARE(w.displayText(), QString(" 7"));
    w.clickSkin("Image29");
    QCOMPARE(w.pendingOperation(), QString("Addition"));
    QCOMPARE(w.displayText(), QString(" 7"));
    w.clickSkin("Image9");
    QCOMPARE(w.displayText(), QString("5"));
    w.clickSkin("Image21");
    QCOMPARE(w.displayText(), QString("12"));
}

void TestSkin::doubleClickEntersOnce() {
    WindowFixture w;
    w.moveTo(w.centreOf("Image7"));
    QTest::mouseDClick(w.form.windowHandle(), Qt::LeftButton, {}, w.centreOf("Image7"));
    QCOMPARE(w.displayText(), QString(" 4"));
}

QTEST_MAIN(TestSkin)
#include "test_skin.moc"
