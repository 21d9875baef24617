// SPDX-License-Identifier: MIT
#include "startup.h"

#include "accessibility.h"
#include "control_tables.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <dlfcn.h>
#include <system_error>

namespace varnik {

FontConfigPreload::FontConfigPreload() {
    // Qt links fontconfig itself where it uses it: looked up among the program's symbols, this
    // is the very library and configuration Qt reads later. Elsewhere there is nothing to do.
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init) {
        return;
    }
    try {
        m_thread = std::thread(init);
    } catch (const std::system_error&) {
        // No second thread: Qt reads the configuration when it first needs it, as usual.
    }
}

FontConfigPreload::~FontConfigPreload() {
    finish();
}

void FontConfigPreload::finish() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
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
