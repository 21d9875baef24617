// SPDX-License-Identifier: MIT
// The skin keypad under the mouse: highlights, the leave test, clicks and the link label.
#include "startup.h"
#include "window_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace varnik::test;

class TestSkin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { varnik::prepareApplication(); }
    void noHighlightAfterStartUp();
    void enteringAKeyHighlightsIt();
    void movingStraightBetweenKeys();
    void leaveTest_data();
    void leaveTest();
    void bareWindowHidesEveryHighlight();
    void linkLabelColours();
    void sevenPlusFive();
    void skinGate();
    void clickKeepsTheHighlight();
    void clearKeyNormalPictureEntersZero();
    void hiddenHighlightIgnoresClicks();
    void doubleClickEntersOnce();
    void pressOnOneKeyReleaseOnAnother();
    void skinEqualsFailsSilently();
    void skinQuit();
    void webLink();

private:
    static QColor linkColour(const WindowFixture& w) {
        return w.control("Label1")->palette().color(QPalette::WindowText);
    }
    static QStringList shownHighlights(const WindowFixture& w) {
        QStringList shown;
        for (int image = 2; image <= 36; image += 2) {
            if (w.visible(QString("Image%1").arg(image))) {
                shown << QString("Image%1").arg(image);
            }
        }
        return shown;
    }
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
        QCOMPARE(shownHighlights(w), QStringList{QString("Image%1").arg(normal + 1)});
    }
}

void TestSkin::movingStraightBetweenKeys() {
    WindowFixture w;
    // From the right edge of the one key straight onto the two key, no bare window between.
    w.moveTo({35, 50});
    QCOMPARE(shownHighlights(w), QStringList{"Image2"});
    w.moveTo({42, 50});
    QCOMPARE(shownHighlights(w), QStringList{"Image4"});
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
    QTest::newRow("bottom right corner") << QPoint(36, 70) << true;
    QTest::newRow("left of the key") << QPoint(6, 50) << false;
    QTest::newRow("above the key") << QPoint(20, 41) << false;
}

void TestSkin::leaveTest() {
    QFETCH(QPoint, bare);
    QFETCH(bool, stillShown);
    WindowFixture w;
    w.moveTo(w.centreOf("Image1"));
    QVERIFY(w.visible("Image2"));
    w.moveTo(bare);
    QCOMPARE(w.form.childAt(bare), nullptr); // the pointer really is over the bare window
    QCOMPARE(w.visible("Image2"), stillShown);
}

void TestSkin::bareWindowHidesEveryHighlight() {
    WindowFixture w;
    // Show them all (as no pointer could), then one move outside every key hides them all.
    for (int image = 2; image <= 36; image += 2) {
        w.control(QString("Image%1").arg(image))->show();
    }
    w.moveTo({204, 100});
    QCOMPARE(shownHighlights(w), QStringList());
    // The leave test never shows a highlight, even on a key's own edge line.
    w.moveTo({36, 50});
    QCOMPARE(shownHighlights(w), QStringList());
}

void TestSkin::linkLabelColours() {
    WindowFixture w;
    w.moveTo(w.centreOf("Label1"));
    QCOMPARE(linkColour(w), QColor(0, 0, 255));
    w.moveTo({203, 200}); // the bare window leaves it blue
    QCOMPARE(linkColour(w), QColor(0, 0, 255));
    w.moveTo(w.centreOf("Image21")); // entering a key turns it grey
    QCOMPARE(linkColour(w), QColor(196, 202, 202));
    // Hovering the link shows no highlight and hides none.
    w.moveTo(w.centreOf("Label1"));
    QCOMPARE(shownHighlights(w), QStringList{"Image22"});
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

void TestSkin::skinGate() {
    WindowFixture w;
    w.button("cmd4")->click();
    w.clickSkin("Image33"); // closed since start-up; button digits do not open it
    QCOMPARE(w.pendingOperation(), QString());
    w.clickSkin("Image5");
    w.clickSkin("Image33");
    QCOMPARE(w.pendingOperation(), QString("Multiplication"));
    w.clickSkin("Image27"); // pointer moves onto the key first: its highlight clears
    QCOMPARE(w.displayText(), QString());
    w.clickSkin("Image3");
    w.clickSkin("Image28");
    w.clickSkin("Image35");
    QCOMPARE(w.pendingOperation(), QString(" "));
}

void TestSkin::clickKeepsTheHighlight() {
    WindowFixture w;
    w.clickSkin("Image17");
    QCOMPARE(w.displayText(), QString(" 9"));
    QCOMPARE(shownHighlights(w), QStringList{"Image18"});
}

void TestSkin::clearKeyNormalPictureEntersZero() {
    WindowFixture w;
    w.clickSkin("Image1");
    w.moveTo(w.centreOf("Image27"));
    QVERIFY(w.visible("Image28"));
    w.form.HideAll(); // as at start-up with the pointer already resting on the key
    w.clickHere();
    QCOMPARE(w.displayText(), QString(" 10"));
    QVERIFY(!w.visible("Image28"));
}

void TestSkin::hiddenHighlightIgnoresClicks() {
    WindowFixture w;
    w.moveTo(w.centreOf("Image15"));
    w.form.HideAll();
    w.clickHere();
    QCOMPARE(w.displayText(), QString(" "));
}

void TestSkin::doubleClickEntersOnce() {
    WindowFixture w;
    w.moveTo(w.centreOf("Image7"));
    QTest::mouseDClick(w.form.windowHandle(), Qt::LeftButton, {}, w.centreOf("Image7"));
    QCOMPARE(w.displayText(), QString(" 4"));
}

void TestSkin::pressOnOneKeyReleaseOnAnother() {
    WindowFixture w;
    w.moveTo(w.centreOf("Image1"));
    QTest::mousePress(w.form.windowHandle(), Qt::LeftButton, {}, w.centreOf("Image1"));
    QTest::mouseMove(w.form.windowHandle(), w.centreOf("Image3"));
    QTest::mouseRelease(w.form.windowHandle(), Qt::LeftButton, {}, w.centreOf("Image3"));
    QCOMPARE(w.displayText(), QString(" "));
}

void TestSkin::skinEqualsFailsSilently() {
    WindowFixture w;
    const SeenBox box = w.dismissingBox([&w] { w.clickSkin("Image21"); });
    QVERIFY(!box.shown);
    QCOMPARE(w.displayText(), QString(" "));
    QCOMPARE(w.platform.errorReports, 0);
}

void TestSkin::skinQuit() {
    WindowFixture w;
    w.clickSkin("Image25");
    QCOMPARE(w.platform.endRequests, 1);
}

void TestSkin::webLink() {
    WindowFixture w;
    w.button("cmd8")->click();
    w.moveTo(w.centreOf("Label1"));
    w.clickHere();
    QCOMPARE(w.platform.openedUrls,
             QList<QUrl>{QUrl("http://www.varnik.example.org/home.html?calculator")});
    QCOMPARE(w.displayText(), QString(" 8"));
    QCOMPARE(w.platform.errorReports, 0);
    // A browser that cannot start: a beep, and the calculator goes on.
    w.platform.browserStarts = false;
    w.moveTo(w.centreOf("Label1") + QPoint(10, 0));
    w.clickHere();
    QCOMPARE(w.platform.errorReports, 1);
    w.clickSkin("Image15");
    QCOMPARE(w.displayText(), QString(" 88"));
}

QTEST_MAIN(TestSkin)
#include "test_skin.moc"
