// SPDX-License-Identifier: MIT
// The hidden keypad: the keyboard reaches it with Tab and the space bar. Also the message
// boxes and closing the window.
#include "startup.h"
#include "window_fixture.h"

#include <QPushButton>
#include <QtTest>

using namespace varnik::test;

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { varnik::prepareApplication(); }
    void focusRestsOnAboutAfterStartUp();
    void tabWalksTheButtonsInOrder();
    void shiftTabWalksBack();
    void spaceComputesOnTheHiddenKeypad();
    void disabledPointButtonIsSkipped();
    void aboutBox();
    void equalsButtonReportsErrorInABox();
    void memoryKeys();
    void closingTheWindowEndsTheProgram();

private:
    // Tab presses from cmdabout to reach each button.
    static const QStringList tabCycle;
    static void tabTo(WindowFixture& w, const QString& name) {
        for (int i = 0; i < 30 && w.focusName() != name; ++i) {
            w.keyOnFocus(Qt::Key_Tab);
        }
        QCOMPARE(w.focusName(), name);
    }
    static void pressButtons(WindowFixture& w, const QStringList& names) {
        for (const QString& name : names) {
            tabTo(w, name);
            w.keyOnFocus(Qt::Key_Space);
        }
    }
};

const QStringList TestKeyboard::tabCycle{
    "cmdabout",    "cmdmem", "cmdmem1",     "cmdrcm",   "cmddivide", "cmdeql",
    "cmdpoint",    "cmd0",   "cmdmultiply", "cmd3",     "cmd2",      "cmd1",
    "cmdsubtract", "cmd6",   "cmd5",        "cmd4",     "cmdadd",    "cmd9",
    "cmd8",        "cmd7",   "cmdclrmem",   "cmdclear", "cmdoff",    "cmdabout"};

void TestKeyboard::focusRestsOnAboutAfterStartUp() {
    WindowFixture w;
    QCOMPARE(w.focusName(), QString("cmdabout"));
}

void TestKeyboard::tabWalksTheButtonsInOrder() {
    WindowFixture w;
    QStringList walked{w.focusName()};
    for (int i = 1; i < tabCycle.size(); ++i) {
        w.keyOnFocus(Qt::Key_Tab);
        walked << w.focusName();
    }
    QCOMPARE(walked, tabCycle);
}

void TestKeyboard::shiftTabWalksBack() {
    WindowFixture w;
    w.keyOnFocus(Qt::Key_Backtab);
    QCOMPARE(w.focusName(), QString("cmdoff"));
    w.keyOnFocus(Qt::Key_Backtab);
    QCOMPARE(w.focusName(), QString("cmdclear"));
}

void TestKeyboard::spaceComputesOnTheHiddenKeypad() {
    WindowFixture w;
    pressButtons(w, {"cmd7", "cmdadd", "cmd5", "cmdeql"});
    QCOMPARE(w.displayText(), QString("12"));
    QCOMPARE(w.pendingOperation(), QString("Addition"));
    // The command buttons never open the skin gate.
    w.clickSkin("Image31");
    QCOMPARE(w.pendingOperation(), QString("Addition"));
}

void TestKeyboard::disabledPointButtonIsSkipped() {
    WindowFixture w;
    pressButtons(w, {"cmd1", "cmdpoint"});
    QVERIFY(!w.button("cmdpoint")->isEnabled());
    QCOMPARE(w.displayText(), QString(" 1."));
    // Disabling the focused button moved the focus on; Tab now passes the point by.
    QCOMPARE(w.focusName(), QString("cmd0"));
    tabTo(w, "cmdeql");
    w.keyOnFocus(Qt::Key_Tab);
    QCOMPARE(w.focusName(), QString("cmd0"));
    pressButtons(w, {"cmdclear"});
    QVERIFY(w.button("cmdpoint")->isEnabled());
}

void TestKeyboard::aboutBox() {
    WindowFixture w;
    const SeenBox box = w.dismissingBox([&w] { w.keyOnFocus(Qt::Key_Space); });
    QVERIFY(box.shown);
    QCOMPARE(box.title, QString("Varnik Calculator"));
    QVERIFY(box.text.startsWith("Varnik Calculator 1."));
    QCOMPARE(box.buttons, QStringList{"OK"});
    QVERIFY(!box.hasIcon);
    // The window gives the focus back to the About button when it is active again.
    QCOMPARE(w.form.focusWidget(), w.button("cmdabout"));
    QCOMPARE(w.displayText(), QString(" "));
}

void TestKeyboard::equalsButtonReportsErrorInABox() {
    WindowFixture w;
    const SeenBox box = w.dismissingBox([&w] { w.button("cmdeql")->click(); });
    QVERIFY(box.shown);
    QCOMPARE(box.title, QString("Varnik Calculator"));
    QCOMPARE(box.text, QString());
    QCOMPARE(box.buttons, QStringList{"OK"});
    QVERIFY(!box.hasIcon);
    QCOMPARE(w.displayText(), QString(" "));
    QCOMPARE(w.platform.errorReports, 0);

    // Division by zero keeps the display and shows the box again.
    for (const char* name : {"cmd8", "cmddivide", "cmd0"}) {
        w.button(name)->click();
    }
    QVERIFY(w.dismissingBox([&w] { w.button("cmdeql")->click(); }).shown);
    QCOMPARE(w.displayText(), QString("0"));
}

void TestKeyboard::memoryKeys() {
    WindowFixture w;
    pressButtons(w, {"cmd5", "cmdmem", "cmd3", "cmdmem", "cmdrcm"});
    QCOMPARE(w.displayText(), QString("8"));
    pressButtons(w, {"cmdclrmem", "cmdrcm"});
    QCOMPARE(w.displayText(), QString("0"));
}

void TestKeyboard::closingTheWindowEndsTheProgram() {
    WindowFixture w;
    w.form.close();
    QCOMPARE(w.platform.endRequests, 1);
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
