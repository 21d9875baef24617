// SPDX-License-Identifier: MIT
#include "qt_platform.h"

#include "control_tables.h"
#include "qt_units.h"

#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace varnik {

void QtPlatform::showMessage(std::string_view prompt) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(windowCaption), toQString(prompt),
                    QMessageBox::Ok, m_window);
    // A plain OK button. Where the desktop puts icons on dialog buttons, each box's button
    // would get an icon of its own, whose pixmap Qt's pixmap cache keeps: the program would
    // grow by some 2 KiB with every box it shows.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

bool QtPlatform::openWebAddress(std::string_view address) {
    return QDesktopServices::openUrl(QUrl(toQString(address)));
}

void QtPlatform::signalError() {
    QApplication::beep();
}

void QtPlatform::endProgram() {
    QCoreApplication::exit(0);
}

} // namespace varnik
