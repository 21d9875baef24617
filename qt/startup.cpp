// SPDX-License-Identifier: MIT
#include "startup.h"

#include "accessibility.h"
#include "control_tables.h"
#include "language.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QLocale>
#include <QPixmap>

namespace varnik {

const Messages& userMessages(int argc, const char* const* argv) {
    std::vector<std::string> preferred;
    for (const QString& language : QLocale::system().uiLanguages()) {
        preferred.push_back(language.toStdString());
    }
    return messagesFor(chooseLanguage(preferred, languageFromArguments(argc, argv)));
}

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
