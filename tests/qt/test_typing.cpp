// SPDX-License-Identifier: MIT
// The keyboard, the clipboard and the visible feedback in the Qt window: Qt's key, focus and
// context menu events reach the window model, and its clipboard, menu and flash show up.
#include "startup.h"
#include "window_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QTimer>
#include <QtTest>

using namespace varnik::test;

class TestTyping : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { varnik::prepareApplication(); }
    void typedKeys_data();
    void typedKeys();
    void clipboard();
    void focusMarksTheTwin();
    void failedKeyFlashesTheDisplay();
    void contextMenu_data();
    void contextMenu();

private:
    // A key press with the text a keyboard layout gives it, to whatever has the focus.
    static void type(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::sendKeyEvent(QTest::Press, focus, key, text, modifiers);
        QTest::sendKeyEvent(QTest::Release, focus, key, text, modifiers);
    }
    static QColor displayBackground(const WindowFixture& w) {
        return w.display()->palette().color(QPalette::Disabled, QPalette::Base);
    }
};

struct Typed {
    Qt::Key key;
    const char* text;
    Qt::KeyboardModifiers modifiers;
};
Q_DECLARE_METATYPE(QList<Typed>)

void TestTyping::typedKeys_data() {
    QTest::addColumn<QList<Typed>>("keys");
    QTest::addColumn<QString>("display");
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    QTest::newRow("12+3 and Enter") << QList<Typed>{{Qt::Key_1, "1", {}},
                                                    {Qt::Key_2, "2", {}},
                                                    {Qt::Key_Plus, "+", {}},
                                                    {Qt::Key_3, "3", {}},
                                                    {Qt::Key_Return, "\r", {}}}
                                    << "15";
    QTest::newRow("the numeric keypad")
        << QList<Typed>{{Qt::Key_7, "7", keypad}, {Qt::Key_Comma, ",", keypad},
                        {Qt::Key_5, "5", keypad}, {Qt::Key_Asterisk, "*", keypad},
                        {Qt::Key_2, "2", keypad}, {Qt::Key_Enter, "\r", keypad}}
        << "15";
    QTest::newRow("Bengali digits and the signs x and ÷")
        << QList<Typed>{{Qt::Key_unknown, "\u09ee", {}}, {Qt::Key_X, "x", {}},
                        {Qt::Key_unknown, "\u09e9", {}}, {Qt::Key_division, "\u00f7", {}},
                        {Qt::Key_unknown, "\u09ec", {}}, {Qt::Key_Equal, "=", {}}}
        << "0.5"; // 8 x 3 / 6 =: the division replaces the multiplication
    QTest::newRow("Escape blanks the display")
        << QList<Typed>{{Qt::Key_9, "9", {}}, {Qt::Key_Escape, "\x1b", {}}} << "";
    QTest::newRow("Delete clears too")
        << QList<Typed>{{Qt::Key_9, "9", {}}, {Qt::Key_Delete, "\x7f", {}}} << "";
    QTest::newRow("Backspace") << QList<Typed>{{Qt::Key_4, "4", {}},
                                               {Qt::Key_2, "2", {}},
                                               {Qt::Key_Backspace, "\b", {}}}
                               << " 4";
}

void TestTyping::typedKeys() {
    QFETCH(QList<Typed>, keys);
    QFETCH(QString, display);
    WindowFixture w;
    for (const Typed& typed : keys) {
        type(typed.key, QString::fromUtf8(typed.text), typed.modifiers);
    }
    QCOMPARE(w.displayText(), display);
    QCOMPARE(w.focusName(), QString("cmdabout")); // typing moves no focus
}

void TestTyping::clipboard() {
    WindowFixture w;
    QClipboard* clipboard = QGuiApplication::clipboard();
    type(Qt::Key_1, "1");
    type(Qt::Key_5, "5");
    type(Qt::Key_C, "\x03", Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QString::fromUtf8("\u09e7\u09eb"));
    type(Qt::Key_C, "\x03", Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(clipboard->text(), QString("15"));
    clipboard->setText(QString::fromUtf8("\u09e8.\u09eb"));
    type(Qt::Key_V, "\x16", Qt::ControlModifier);
    QCOMPARE(w.displayText(), QString("2.5"));
    QVERIFY(!w.button("cmdpoint")->isEnabled());
    clipboard->setText("seven");
    type(Qt::Key_Insert, "", Qt::ShiftModifier);
    QCOMPARE(w.displayText(), QString("2.5"));
    QCOMPARE(w.platform.errorReports, 1);
}

void TestTyping::focusMarksTheTwin() {
    WindowFixture w;
    const auto marked = [&w] {
        QStringList names;
        for (int normal = 1; normal < 36; normal += 2) {
            if (w.keyShows(QString("Image%1").arg(normal)) == "other") {
                names << QString("Image%1").arg(normal);
            }
        }
        return names;
    };
    QCOMPARE(marked(), QStringList()); // the focus rests on About, which has no twin
    w.moveTo(w.centreOf("Image1"));
    // About → M + → M - → M Rc → /
    for (int i = 0; i < 4; ++i) {
        w.keyOnFocus(Qt::Key_Tab);
    }
    QCOMPARE(w.focusName(), QString("cmddivide"));
    QCOMPARE(marked(), QStringList{"Image35"});
    QCOMPARE(w.litKeys(), QStringList{"Image1"}); // the pointer's key stays lit
    w.keyOnFocus(Qt::Key_Tab);
    QCOMPARE(marked(), QStringList{"Image21"});
    w.clickHere(); // the key under the resting pointer still presses
    QCOMPARE(w.displayText(), QString(" 1"));
    w.keyOnFocus(Qt::Key_Backtab);
    w.keyOnFocus(Qt::Key_Backtab);
    QCOMPARE(w.focusName(), QString("cmdrcm"));
    QCOMPARE(marked(), QStringList());
}

void TestTyping::failedKeyFlashesTheDisplay() {
    WindowFixture w;
    const QColor face(239, 239, 239);
    QCOMPARE(displayBackground(w), face);
    w.button("cmdadd")->click(); // an operation key on the blank display
    QCOMPARE(w.platform.errorReports, 1);
    QCOMPARE(displayBackground(w), QColor(154, 154, 154));
    QTRY_COMPARE_WITH_TIMEOUT(displayBackground(w), face, 1000);
    // The equals box is no flash.
    w.dismissingBox([&w] { w.button("cmdeql")->click(); });
    QCOMPARE(displayBackground(w), face);
}

void TestTyping::contextMenu_data() {
    QTest::addColumn<bool>("fromKeyboard");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("labels");
    const QStringList english{"Copy\tCtrl+C",  "Copy with Latin digits\tCtrl+Shift+C",
                              "Paste\tCtrl+V", "M +",
                              "M -",           "M Rc",
                              "Clear Memory",  "About"};
    const QStringList bengali{"কপি করুন\tCtrl+C",  "লাতিন অঙ্কে কপি করুন\tCtrl+Shift+C",
                              "পেস্ট করুন\tCtrl+V", "মেমরিতে যোগ",
                              "মেমরি থেকে বিয়োগ", "মেমরি দেখান",
                              "মেমরি মুছুন",        "পরিচিতি"};
    QTest::newRow("right click") << false << "en" << english;
    QTest::newRow("Menu key") << true << "en" << english;
    QTest::newRow("in Bengali") << true << "bn" << bengali;
}

void TestTyping::contextMenu() {
    QFETCH(bool, fromKeyboard);
    QFETCH(QString, language);
    QFETCH(QStringList, labels);
    WindowFixture w(language.toStdString());
    QGuiApplication::clipboard()->setText("42");
    QStringList items;
    QStringList enabled;
    QTimer::singleShot(50, [&] {
        QMenu* menu = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* shown = qobject_cast<QMenu*>(top); shown && shown->isVisible()) {
                menu = shown;
            }
        }
        if (!menu) {
            return; // the comparisons below fail
        }
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                items << action->text();
                if (action->isEnabled()) {
                    enabled << action->text();
                }
            }
        }
        menu->setActiveAction(menu->actions()[2]); // Paste, chosen as a user would
        QTest::keyClick(menu, Qt::Key_Return);
    });
    if (fromKeyboard) {
        type(Qt::Key_Menu, "");
    } else {
        QContextMenuEvent right(QContextMenuEvent::Mouse, QPoint(100, 100),
                                w.form.mapToGlobal(QPoint(100, 100)));
        QApplication::sendEvent(&w.form, &right);
    }
    QCOMPARE(items, labels);
    QCOMPARE(enabled.size(), 6); // nothing to copy from the blank display
    QCOMPARE(w.displayText(), QString("42"));
}

QTEST_MAIN(TestTyping)
#include "test_typing.moc"
