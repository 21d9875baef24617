// SPDX-License-Identifier: MIT
// The message boxes' OK button is plain text, also on desktops that put icons on dialog
// buttons: Qt's pixmap cache would keep every box's icon, and the program would grow by
// some 2 KiB with each box it shows (the soak test measures that growth).
#include "startup.h"
#include "window_fixture.h"

#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QtTest>

using namespace varnik::test;

namespace {

/// A desktop whose theme puts icons on dialog buttons.
class IconsOnDialogButtons : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

struct OkButton {
    bool shown = false;
    bool hasIcon = false;
};

/// Presses the button, notes the OK button of the box that opens and presses it.
OkButton okButtonOfBox(WindowFixture& w, const char* button) {
    OkButton seen;
    w.button(button)->click();
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        seen.shown = true;
        seen.hasIcon = !ok->icon().isNull();
        ok->click();
    }
    return seen;
}

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        varnik::prepareApplication();
        QApplication::setStyle(new IconsOnDialogButtons);
    }
    void okButtonHasNoIcon_data();
    void okButtonHasNoIcon();
};

void TestMessageBox::okButtonHasNoIcon_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("About") << "cmdabout";
    QTest::newRow("equals on the blank display") << "cmdeql";
}

void TestMessageBox::okButtonHasNoIcon() {
    QFETCH(QString, button);
    WindowFixture w;
    // Again and again: every box makes its button anew.
    for (int i = 0; i < 3; ++i) {
        const OkButton ok = okButtonOfBox(w, qPrintable(button));
        QVERIFY(ok.shown);
        QVERIFY(!ok.hasIcon);
    }
}

QTEST_MAIN(TestMessageBox)
#include "test_message_box.moc"
