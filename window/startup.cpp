// SPDX-License-Identifier: MIT
#include "startup.h"

#include "control_tables.h"
#include "skin_accessibility.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>

namespace varnik {

void prepareApplication() {
    QApplication::setApplicationName(QStringLiteral("varnik-calculator"));
    QApplication::setApplicationDisplayName(QString::fromLatin1(windowCaption));
    QApplication::setApplicationVersion(QStringLiteral(VARNIK_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.varnik.Calculator"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/varnik-calculator-32.png")));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/ZelvikNormal.ttf"));
    installSkinAccessibility();
}

} // namespace varnik
