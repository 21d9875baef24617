// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include "skin_painter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace varnik::test {

bool RecordingPlatform::openWebAddress(std::string_view address) {
    openedUrls.append(QUrl(QString::fromUtf8(address.data(), static_cast<int>(address.size()))));
    return browserStarts;
}

void RecordingPlatform::signalError() {
    ++errorReports;
}

void RecordingPlatform::endProgram() {
    ++endRequests;
}

WindowFixture::WindowFixture(std::string_view language)
    : form(calculator, platform, messagesFor(language)) {
    platform.attach(&form, form.model());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Start every test with the pointer on the bare window, away from where the last left it.
    moveTo({203, 200});
}

QWidget* WindowFixture::control(const QString& name) const {
    auto* found = form.findChild<QWidget*>(name);
    if (!found) {
        qFatal("no control named %s", qPrintable(name));
    }
    return found;
}

QPushButton* WindowFixture::button(const QString& name) const {
    return qobject_cast<QPushButton*>(control(name));
}

QLineEdit* WindowFixture::display() const {
    return qobject_cast<QLineEdit*>(control("txtnum"));
}

QString WindowFixture::displayText() const {
    return display()->text();
}

QString WindowFixture::pendingOperation() const {
    return qobject_cast<QLabel*>(control("Label2"))->text();
}

bool WindowFixture::visible(const QString& name) const {
    return control(name)->isVisible();
}

QString WindowFixture::keyShows(const QString& normalImage) {
    const int normal = normalImage.mid(5).toInt();
    const std::size_t key = static_cast<std::size_t>(normal - 1) / 2;
    const qreal scale = form.devicePixelRatioF();
    const QImage shown =
        form.grab(skinKeyArea(key, scale)).toImage().convertToFormat(QImage::Format_RGB32);
    const int density = pictureDensity(scale);
    const QString dense = density > 1 ? QString("@%1x").arg(density) : QString();
    for (const auto& [kind, image] :
         {std::pair{QString("normal"), normal}, std::pair{QString("highlight"), normal + 1}}) {
        const QImage bitmap(QString(":/keys/Image%1%2.bmp").arg(image).arg(dense));
        if (shown == bitmap.convertToFormat(QImage::Format_RGB32)) {
            return kind;
        }
    }
    return "other";
}

QStringList WindowFixture::litKeys() {
    QStringList lit;
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        const QString name = QString::fromStdString(pictureName(normalImage(key)));
        if (keyShows(name) == "highlight") {
            lit << name;
        }
    }
    return lit;
}

QPoint WindowFixture::centreOf(const QString& name) const {
    return control(name)->geometry().center();
}

void WindowFixture::moveTo(QPoint position) {
    QTest::mouseMove(form.windowHandle(), position);
    m_pointer = position;
}

void WindowFixture::clickSkin(const QString& normalImage) {
    moveTo(centreOf(normalImage));
    clickHere();
}

void WindowFixture::clickHere() {
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, m_pointer);
    // Two clicks in a row on one spot would make a double-click: let the interval pass.
    QTest::qWait(QApplication::doubleClickInterval() + 10);
}

SeenBox WindowFixture::dismissingBox(const std::function<void()>& action) {
    action();
    // The box opens without waiting (QMessageBox::open): wait until it shows, as long as a busy
    // machine needs, but no longer.
    SeenBox seen;
    QMessageBox* box = nullptr;
    QTest::qWaitFor(
        [&box] {
            box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            return box != nullptr;
        },
        5000);
    if (!box) {
        return seen;
    }
    seen.shown = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.hasIcon = box->icon() != QMessageBox::NoIcon;
    for (QAbstractButton* button : box->buttons()) {
        seen.buttons << button->text().remove('&');
    }
    box->button(QMessageBox::Ok)->click();
    QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 5000);
    return seen;
}

void WindowFixture::keyOnFocus(int key) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, static_cast<Qt::Key>(key));
}

QString WindowFixture::focusName() const {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

} // namespace varnik::test
