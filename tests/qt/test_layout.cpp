// SPDX-License-Identifier: MIT
// The window as it stands after start-up: every control where the layout puts it, with its
// caption, colours and fonts. Expected values are in pixels at 96 dpi.
#include "skin_key_widget.h"
#include "startup.h"
#include "window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace varnik::test;

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { varnik::prepareApplication(); }
    void window();
    void commandButtons_data();
    void commandButtons();
    void skinPictures_data();
    void skinPictures();
    void display();
    void labels();
};

void TestLayout::window() {
    WindowFixture w;
    QCOMPARE(w.form.windowTitle(), QString("Varnik Calculator"));
    QCOMPARE(w.form.size(), QSize(206, 232));
    QCOMPARE(w.form.minimumSize(), QSize(206, 232));
    QCOMPARE(w.form.maximumSize(), QSize(206, 232));
    QCOMPARE(w.form.windowType(), Qt::Tool);
    QVERIFY(w.form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(w.form.windowFlags() & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(w.form.palette().color(QPalette::Window), QColor(244, 244, 227));
    QVERIFY(w.form.autoFillBackground());
    QVERIFY(!w.form.windowIcon().isNull());
    // The buttons, the display and the labels are widgets; the window paints the skin itself,
    // with a stand-in widget on each key for screen readers.
    QCOMPARE(w.form.findChildren<QPushButton*>().size(), 23);
    QCOMPARE(w.form.findChildren<varnik::SkinKeyWidget*>().size(), 18);
}

void TestLayout::commandButtons_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("fontFamily");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    const QColor yellow(255, 255, 128);
    const QColor white(250, 250, 240);
    const QColor orange(243, 210, 135);
    const QString sans = "MS Sans Serif";
    const QString deflt; // the window's default font
    QTest::newRow("cmdclrmem") << "Clear Memory" << QRect(4, 413, 57, 33) << orange << sans << 8.25
                               << true;
    QTest::newRow("cmd7") << "7" << QRect(77, 288, 34, 34) << yellow << deflt << 0.0 << false;
    QTest::newRow("cmd8") << "8" << QRect(117, 288, 34, 34) << yellow << deflt << 0.0 << false;
    QTest::newRow("cmd9") << "9" << QRect(157, 288, 34, 34) << yellow << deflt << 0.0 << false;
    QTest::newRow("cmdadd") << "+" << QRect(259, 252, 34, 34) << white << sans << 18.0 << false;
    QTest::newRow("cmd4") << "4" << QRect(77, 328, 34, 34) << yellow << deflt << 0.0 << false;
    QTest::newRow("cmd5") << "5" << QRect(117, 328, 34, 34) << yellow << deflt << 0.0 << false;
    QTest::newRow("cmd6") << "6" << QRect(157, 328, 34, 34) << yellow << deflt << 0.0 << false;
    QTest::newRow("cmdsubtract") << "-" << QRect(259, 294, 34, 37) << white << sans << 24.0
                                 << false;
    QTest::newRow("cmd1") << "1" << QRect(77, 368, 34, 34) << yellow << deflt << 0.0 << false;
    QTest::newRow("cmd2") << "2" << QRect(117, 368, 34, 34) << yellow << deflt << 0.0 << false;
    QTest::newRow("cmd3") << "3" << QRect(157, 368, 34, 34) << yellow << deflt << 0.0 << false;
    QTest::newRow("cmdmultiply") << "X" << QRect(259, 336, 34, 34) << white << sans << 8.25 << true;
    QTest::newRow("cmd0") << "0" << QRect(77, 408, 34, 34) << yellow << deflt << 0.0 << false;
    QTest::newRow("cmdpoint") << "." << QRect(210, 273, 30, 30) << white << sans << 18.0 << true;
    QTest::newRow("cmdeql") << "=" << QRect(119, 413, 96, 26) << white << deflt << 0.0 << false;
    QTest::newRow("cmddivide") << "/" << QRect(259, 371, 34, 34) << white << sans << 18.0 << false;
    QTest::newRow("cmdrcm") << "M Rc" << QRect(4, 381, 57, 33) << orange << sans << 9.75 << true;
    QTest::newRow("cmdmem1") << "M -" << QRect(4, 349, 57, 33) << orange << sans << 9.75 << true;
    QTest::newRow("cmdmem") << "M +" << QRect(4, 317, 57, 33) << orange << sans << 9.75 << true;
    QTest::newRow("cmdabout") << "About " << QRect(266, 434, 65, 25) << yellow << deflt << 0.0
                              << false;
    QTest::newRow("cmdoff") << "Quit" << QRect(0, 280, 78, 25) << white << deflt << 0.0 << false;
    QTest::newRow("cmdclear") << "Clear" << QRect(280, 42, 36, 137) << white << deflt << 0.0
                              << false;
}

void TestLayout::commandButtons() {
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QColor, background);
    QFETCH(QString, fontFamily);
    QFETCH(double, points);
    QFETCH(bool, bold);
    WindowFixture w;
    QPushButton* button = w.button(QTest::currentDataTag());
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->geometry(), geometry);
    QCOMPARE(button->palette().color(QPalette::Button), background);
    QVERIFY(button->isVisible() && button->isEnabled());
    QVERIFY(!button->isDefault() && !button->autoDefault());
    // Never seen: wholly below or right of the client area.
    QVERIFY(!QRect(QPoint(), w.form.size()).intersects(geometry));
    if (fontFamily.isEmpty()) {
        QCOMPARE(button->font(), w.form.font());
    } else {
        QCOMPARE(button->font().family(), fontFamily);
        QCOMPARE(button->font().pointSizeF(), points);
        QCOMPARE(button->font().bold(), bold);
    }
}

void TestLayout::skinPictures_data() {
    QTest::addColumn<int>("normal");
    QTest::addColumn<QRect>("geometry");
    const QSize small(29, 28);
    QTest::newRow("one") << 1 << QRect(QPoint(7, 42), small);
    QTest::newRow("two") << 3 << QRect(QPoint(42, 42), small);
    QTest::newRow("three") << 5 << QRect(QPoint(77, 42), small);
    QTest::newRow("four") << 7 << QRect(QPoint(7, 77), small);
    QTest::newRow("five") << 9 << QRect(QPoint(42, 77), small);
    QTest::newRow("six") << 11 << QRect(QPoint(77, 77), small);
    QTest::newRow("seven") << 13 << QRect(QPoint(7, 112), small);
    QTest::newRow("eight") << 15 << QRect(QPoint(42, 112), small);
    QTest::newRow("nine") << 17 << QRect(QPoint(77, 112), small);
    QTest::newRow("zero") << 19 << QRect(7, 147, 65, 28);
    QTest::newRow("equals") << 21 << QRect(7, 182, 99, 28);
    QTest::newRow("point") << 23 << QRect(QPoint(77, 147), small);
    QTest::newRow("quit") << 25 << QRect(126, 182, 75, 28);
    QTest::newRow("clear") << 27 << QRect(161, 42, 38, 133);
    QTest::newRow("plus") << 29 << QRect(QPoint(126, 42), small);
    QTest::newRow("minus") << 31 << QRect(QPoint(126, 77), small);
    QTest::newRow("times") << 33 << QRect(QPoint(126, 112), small);
    QTest::newRow("divide") << 35 << QRect(QPoint(126, 147), small);
}

void TestLayout::skinPictures() {
    QFETCH(int, normal);
    QFETCH(QRect, geometry);
    WindowFixture w;
    const QString name = QString("Image%1").arg(normal);
    // The key's stand-in before screen readers lies on it, and the window draws the key's
    // normal picture there, pixel for pixel (keyShows compares the whole bitmap); the
    // highlight over the same pixels once the pointer is on it.
    QCOMPARE(w.control(name)->geometry(), geometry);
    QCOMPARE(QImage(":/keys/" + name + ".bmp").size(), geometry.size());
    QCOMPARE(w.keyShows(name), QString("normal"));
    w.moveTo(w.centreOf(name));
    QCOMPARE(w.keyShows(name), QString("highlight"));
}

void TestLayout::display() {
    WindowFixture w;
    QLineEdit* display = w.display();
    QCOMPARE(display->geometry(), QRect(7, 7, 195, 27));
    QVERIFY(!display->isEnabled());
    QCOMPARE(display->maxLength(), 15);
    QCOMPARE(display->text(), QString(" "));
    QCOMPARE(display->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(display->palette().color(QPalette::Disabled, QPalette::Base), QColor(239, 239, 239));
    // The font comes from the program's resources, in bold, with no stand-in.
    const QFontInfo font(display->font());
    QCOMPARE(font.family(), QString("Zelvik Normal"));
    QVERIFY(font.bold());
    QCOMPARE(display->font().pointSizeF(), 14.25);
    QCOMPARE(display->focusPolicy() == Qt::NoFocus || !display->isEnabled(), true);
}

void TestLayout::labels() {
    WindowFixture w;
    auto* link = qobject_cast<QLabel*>(w.control("Label1"));
    QCOMPARE(link->geometry(), QRect(17, 217, 173, 17));
    QCOMPARE(link->text(), QString("http://www.varnik.example.org"));
    QCOMPARE(link->text().size(), 29);
    QCOMPARE(link->alignment(), Qt::AlignCenter);
    QCOMPARE(link->font().family(), QString("Arial"));
    QCOMPARE(link->font().pointSizeF(), 9.0);
    QVERIFY(!link->autoFillBackground());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(196, 202, 202));
    QVERIFY(link->isVisible());

    auto* operation = qobject_cast<QLabel*>(w.control("Label2"));
    QCOMPARE(operation->geometry(), QRect(64, 8, 81, 17));
    QVERIFY(!operation->isVisible());
    QCOMPARE(operation->text(), QString());
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
