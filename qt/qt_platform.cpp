// SPDX-License-Identifier: MIT
#include "qt_platform.h"

#include "control_tables.h"
#include "qt_units.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
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

namespace varnik {

void QtPlatform::copyToClipboard(std::string_view text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

std::optional<std::string> QtPlatform::clipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) {
        return std::nullopt;
    }
    return data->text().toStdString();
}

std::optional<std::size_t> QtPlatform::popUpMenu(const std::vector<MenuItem>& items, float x,
                                                 float y) {
    QMenu menu(m_window);
    std::vector<QAction*> actions;
    for (const MenuItem& item : items) {
        if (item.separatorBefore) {
            menu.addSeparator();
        }
        // QMenu shows what follows a tab as the item's key.
        QAction* action = menu.addAction(toQString(item.label));
        action->setEnabled(item.enabled);
        actions.push_back(action);
    }
    const QPoint at(qRound(x / twipsPerPixel), qRound(y / twipsPerPixel));
    QAction* chosen = menu.exec(m_window ? m_window->mapToGlobal(at) : at);
    const auto found = std::find(actions.begin(), actions.end(), chosen);
    if (!chosen || found == actions.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - actions.begin());
}

} // namespace varnik
