// SPDX-License-Identifier: MIT
#include "platform.h"

#include "control_tables.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace varnik {

void Platform::showMessage(QWidget* parent, const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, windowCaption, prompt, QMessageBox::Ok, parent);
    box.exec();
}

bool Platform::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

void Platform::reportError() { QApplication::beep(); }

void Platform::endProgram() { QCoreApplication::exit(0); }

} // namespace varnik
