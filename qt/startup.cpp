// SPDX-License-Identifier: MIT
#include "startup.h"

#include "accessibility.h"
#include "control_tables.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace varnik {

void prepareApplication() {
    QApplication::setApplicationName(QStringLiteral("varnik-calculator"));
    QApplication::setApplicationDisplayName(QString::fromLatin1(windowCaption));
    QApplication::setApplicationVersion(QStringLiteral(VARNIK_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.varnik.Calculator"));
    // Read by Qt's own PNG reader, named: QIcon(fileName) would guess the format and so load
    // every image plugin and icon engine, which the window never needs.
    QImageReader icon(QStringLiteral(":/icons/varnik-calculator-32.png"), "png");
    icon.setAutoDetectImageFormat(false);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImageReader(&icon)));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/ZelvikNormal.ttf"));
    installAccessibility();
}

} // namespace varnik
