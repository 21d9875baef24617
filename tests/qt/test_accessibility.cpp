// SPDX-License-Identifier: MIT
// What a screen reader finds: every skin key a named push button that can be pressed, the
// display with its text and name, the hidden buttons with their names in words.
#include "startup.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace varnik::test;

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { varnik::prepareApplication(); }
    void skinKeys_data();
    void skinKeys();
    void pressingThroughAccessibilityRunsTheSkinKey();
    void noPressReachesTheWindowBehindAModalBox();
    void screenReadersFindKeysWhereTheyAreDrawn();
    void displayAndButtons();
    void announcementsAreNotificationsInAStatusBar();
    void theErrorBoxIsDescribedByItsReason();

private:
    static QAccessibleInterface* accessible(const WindowFixture& w, const QString& name) {
        return QAccessible::queryAccessibleInterface(w.control(name));
    }
};

void TestAccessibility::skinKeys_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("name");
    const QStringList names{"one",   "two",   "three", "four",  "five",   "six",
                            "seven", "eight", "nine",  "zero",  "equals", "point",
                            "Quit",  "Clear", "plus",  "minus", "times",  "divided by"};
    for (int key = 0; key < names.size(); ++key) {
        const QString picture = QString("Image%1").arg(2 * key + 1);
        QTest::newRow(qPrintable(names[key])) << picture << names[key];
    }
}

void TestAccessibility::skinKeys() {
    QFETCH(QString, picture);
    QFETCH(QString, name);
    WindowFixture w;
    QAccessibleInterface* key = accessible(w, picture);
    QVERIFY(key);
    QCOMPARE(key->role(), QAccessible::PushButton);
    QCOMPARE(key->text(QAccessible::Name), name);
    QVERIFY(key->actionInterface());
    QCOMPARE(key->actionInterface()->actionNames(),
             QStringList{QAccessibleActionInterface::pressAction()});
    QVERIFY(!key->state().invisible);
}

void TestAccessibility::pressingThroughAccessibilityRunsTheSkinKey() {
    WindowFixture w;
    const auto press = [&w](const QString& picture) {
        accessible(w, picture)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    };
    press("Image29"); // plus: the skin gate is still closed
    QCOMPARE(w.pendingOperation(), QString());
    for (const char* picture : {"Image13", "Image29", "Image9", "Image21"}) {
        press(picture);
    }
    QCOMPARE(w.displayText(), QString("12"));
    press("Image27"); // the key named Clear clears, as a click on the lit key does
    QCOMPARE(w.displayText(), QString());
    QCOMPARE(w.litKeys(), QStringList()); // only the pointer lights keys
    press("Image25");
    QCOMPARE(w.platform.endRequests, 1);
}

void TestAccessibility::noPressReachesTheWindowBehindAModalBox() {
    WindowFixture w;
    const auto pressSeven = [&w] {
        accessible(w, "Image13")
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    };
    // While the About box stands in front of the window a screen reader presses keys: a skin
    // key, and a hidden button, whose press clicks after a short animation.
    w.button("cmdabout")->click();
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    pressSeven();
    accessible(w, "cmd8")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(w.button("cmd8")->isDown());
    QTRY_VERIFY_WITH_TIMEOUT(!w.button("cmd8")->isDown(), 5000); // its click has run
    QCOMPARE(w.displayText(), QString(" "));
    box->button(QMessageBox::Ok)->click();
    pressSeven();
    QCOMPARE(w.displayText(), QString(" 7"));
}

void TestAccessibility::screenReadersFindKeysWhereTheyAreDrawn() {
    WindowFixture w;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&w.form);
    for (int normal = 1; normal < 36; normal += 2) {
        const QString name = QString("Image%1").arg(normal);
        const QPoint centre = w.form.mapToGlobal(w.centreOf(name));
        QCOMPARE(window->childAt(centre.x(), centre.y()), accessible(w, name));
    }
    const QPoint display = w.form.mapToGlobal(w.centreOf("txtnum"));
    QCOMPARE(window->childAt(display.x(), display.y()), accessible(w, "txtnum"));
}

void TestAccessibility::displayAndButtons() {
    WindowFixture w;
    w.button("cmd4")->click();
    QAccessibleInterface* display = accessible(w, "txtnum");
    QCOMPARE(display->text(QAccessible::Name), QString("Display"));
    QVERIFY(display->textInterface());
    QCOMPARE(display->textInterface()->text(0, display->textInterface()->characterCount()),
             QString(" 4"));
    QCOMPARE(accessible(w, "cmdrcm")->text(QAccessible::Name), QString("memory recall"));
    QCOMPARE(accessible(w, "cmdabout")->role(), QAccessible::Button);
    QCOMPARE(QAccessible::queryAccessibleInterface(&w.form)->role(), QAccessible::Window);
    QCOMPARE(QAccessible::queryAccessibleInterface(&w.form)->text(QAccessible::Name),
             QString("Varnik Calculator"));
}

void TestAccessibility::announcementsAreNotificationsInAStatusBar() {
    WindowFixture w;
    auto* bar = w.form.findChild<QWidget*>("announcements");
    QVERIFY(bar);
    QCOMPARE(QAccessible::queryAccessibleInterface(bar)->role(), QAccessible::StatusBar);
    QAccessibleInterface* note = QAccessible::queryAccessibleInterface(bar->findChild<QWidget*>());
    QCOMPARE(note->role(), QAccessible::Notification);
    for (const auto& [button, spoken] : {std::pair{"cmd7", "7"}, {"cmdclear", "blank"}}) {
        w.button(button)->click();
        QCOMPARE(note->text(QAccessible::Name), QString(spoken));
        QVERIFY(!note->state().invisible);
    }
}

void TestAccessibility::theErrorBoxIsDescribedByItsReason() {
    WindowFixture w;
    QString description;
    QTimer::singleShot(0, [&description] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            description =
                QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
            box->button(QMessageBox::Ok)->click();
        }
    });
    w.button("cmdeql")->click();
    QTRY_COMPARE(description, QString("Not a number"));
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
