// SPDX-License-Identifier: MIT
// The window as it stands after start-up: every control where the key table puts it, with its
// caption, colours and fonts; the hidden buttons out of sight. The pictures are test_skin's.
#include "controls.h"
#include "qt_units.h"
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
    void commandButtons();
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

void TestLayout::commandButtons() {
    WindowFixture w;
    for (std::size_t b = 0; b < varnik::commandButtonCount; ++b) {
        const varnik::ButtonPart& row = varnik::commandButton(b);
        QPushButton* button = w.button(row.name);
        QVERIFY2(button, row.name);
        QCOMPARE(button->text(), QString(row.caption));
        QCOMPARE(button->geometry(), varnik::toQRect(row.geometry));
        QCOMPARE(button->palette().color(QPalette::Button), varnik::toQColor(row.background));
        QVERIFY(button->isVisible() && button->isEnabled());
        QVERIFY(!button->isDefault() && !button->autoDefault());
        // Never seen: wholly below or right of the client area.
        QVERIFY2(!QRect(QPoint(), w.form.size()).intersects(button->geometry()), row.name);
        if (*row.font.family == '\0') {
            QCOMPARE(button->font(), w.form.font());
        } else {
            QCOMPARE(button->font().family(), QString(row.font.family));
            QCOMPARE(button->font().pointSizeF(), row.font.points);
            QCOMPARE(button->font().bold(), row.font.bold);
        }
    }
}

void TestLayout::display() {
    WindowFixture w;
    QLineEdit* display = w.display();
    QCOMPARE(display->geometry(), varnik::toQRect(varnik::displayGeometry));
    QVERIFY(!display->isEnabled());
    QCOMPARE(display->maxLength(), 15);
    QCOMPARE(display->text(), QString(" "));
    QCOMPARE(display->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(display->palette().color(QPalette::Disabled, QPalette::Base),
             varnik::toQColor(varnik::displayBackground));
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
    QCOMPARE(link->geometry(), varnik::toQRect(varnik::linkGeometry));
    QCOMPARE(link->text(), QString("http://www.varnik.example.org"));
    QCOMPARE(link->text().size(), 29);
    QCOMPARE(link->alignment(), Qt::AlignCenter);
    QCOMPARE(link->font().family(), QString("Arial"));
    QCOMPARE(link->font().pointSizeF(), 9.0);
    QVERIFY(!link->autoFillBackground());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(196, 202, 202));
    QVERIFY(link->isVisible());

    auto* operation = qobject_cast<QLabel*>(w.control("Label2"));
    QCOMPARE(operation->geometry(), varnik::toQRect(varnik::operationLabelGeometry));
    QVERIFY(!operation->isVisible());
    QCOMPARE(operation->text(), QString());
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
