// SPDX-License-Identifier: MIT
#include "platform.h"

#include "control_tables.h"

#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace varnik {

void Platform::showMessage(QWidget* parent, const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, windowCaption, prompt, QMessageBox::Ok, parent);
    // A plain OK button. Where the desktop puts icons on dialog buttons, each box's button
    // would get an icon of its own, whose pixmap Qt's pixmap cache keeps: the program would
    // grow by some 2 KiB with every box it shows.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

bool Platform::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void Platform::reportError() {
    QApplication::beep();
}

void Platform::endProgram() {
    QCoreApplication::exit(0);
}

} // namespace varnik
