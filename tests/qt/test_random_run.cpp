// SPDX-License-Identifier: MIT
// A random run through Qt's own events: the buttons clicked, keys typed, the clipboard pasted.
// After every step the widgets show exactly what the engine's state says.
#include "startup.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QLabel>
#include <QtTest>
#include <random>

using namespace varnik::test;

class TestRandomRun : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { varnik::prepareApplication(); }
    void widgetsFollowTheEngine();
};

void TestRandomRun::widgetsFollowTheEngine() {
    WindowFixture w;
    const QList<QPushButton*> buttons = w.form.findChildren<QPushButton*>();
    const QString typed = "0123456789.+-*/=x\u09e7\u09e9a ";
    const QStringList pasted{"42", "\u09e8.\u09eb", "-1.5e3", "seven", "", "1e400"};
    std::mt19937 random(7);
    for (int step = 0; step < 3000; ++step) {
        const int pick = static_cast<int>(random() % 10);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        if (pick < 4) {
            QPushButton* button = buttons[static_cast<int>(random() % buttons.size())];
            if (button->objectName() != "cmdabout" && button->objectName() != "cmdoff") {
                button->click(); // a disabled button ignores it, as it ignores the mouse
            }
        } else if (pick < 8) {
            const QString text = typed.mid(static_cast<int>(random() % typed.size()), 1);
            if (text != "=") { // the equals box would wait for a click
                QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, text, {});
            }
        } else if (pick == 8) {
            QTest::keyClick(focus, Qt::Key_Backspace);
        } else {
            QGuiApplication::clipboard()->setText(
                pasted[static_cast<int>(random() % pasted.size())]);
            QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
        }
        const varnik::CalculatorState& state = w.calculator.state();
        QCOMPARE(w.button("cmdpoint")->isEnabled(), !state.pointFlag);
        QCOMPARE(w.displayText(), QString::fromStdString(state.txtnum));
        QCOMPARE(w.pendingOperation().toStdString(),
                 std::string(varnik::operationCaption(state.pendingOperation)));
    }
}

QTEST_MAIN(TestRandomRun)
#include "test_random_run.moc"
