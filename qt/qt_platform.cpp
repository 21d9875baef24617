// SPDX-License-Identifier: MIT
#include "qt_platform.h"

#include "announcer.h"
#include "form1.h"
#include "qt_units.h"
#include "texts.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace varnik {

QtPlatform::QtPlatform() : m_timer(new QTimer(this)) {
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_model) {
            m_model->timerFired();
        }
    });
}

void QtPlatform::attach(QWidget* window, Form1& model) {
    m_window = window;
    m_model = &model;
    m_announcer = new Announcer(window);
}

void QtPlatform::showMessage(std::string_view prompt, std::string_view description) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString::fromLatin1(windowCaption),
                                toQString(prompt), QMessageBox::Ok, m_window);
    box->setAccessibleDescription(toQString(description));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A plain OK button. Where the desktop puts icons on dialog buttons, each box's button
    // would get an icon of its own, whose pixmap Qt's pixmap cache keeps: the program would
    // grow by some 2 KiB with every box it shows.
    box->button(QMessageBox::Ok)->setIcon(QIcon());
    if (m_model) {
        box->button(QMessageBox::Ok)->setText(toQString(m_model->messages().text(okText)));
    }
    connect(box, &QMessageBox::finished, this, [this] {
        if (m_model) {
            m_model->messageClosed();
        }
    });
    box->open(); // modal to the window, without waiting here
}

void QtPlatform::announce(std::string_view text) {
    if (m_announcer) {
        m_announcer->announce(toQString(text));
    }
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

void QtPlatform::copyToClipboard(std::string_view text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

void QtPlatform::readClipboard(bool /*toPaste*/) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!m_model) {
        return;
    }
    if (!data || !data->hasText()) {
        m_model->clipboardRead(std::nullopt);
    } else {
        m_model->clipboardRead(data->text().toStdString());
    }
}

void QtPlatform::popUpMenu(const std::vector<MenuItem>& items, float x, float y) {
    QMenu menu(m_window);
    std::vector<QAction*> actions;
    for (const MenuItem& item : items) {
        if (item.separatorBefore) {
            menu.addSeparator();
        }
        // QMenu shows what follows a tab as the item's key.
        QString label = toQString(item.label);
        if (!item.shortcut.empty()) {
            label += '\t' + toQString(item.shortcut);
        }
        QAction* action = menu.addAction(label);
        action->setEnabled(item.enabled);
        actions.push_back(action);
    }
    const QPoint at(qRound(x / twipsPerPixel), qRound(y / twipsPerPixel));
    QAction* chosen = menu.exec(m_window ? m_window->mapToGlobal(at) : at);
    const auto found = std::find(actions.begin(), actions.end(), chosen);
    if (!m_model) {
        return;
    }
    if (!chosen || found == actions.end()) {
        m_model->menuDismissed();
    } else {
        m_model->menuChosen(static_cast<std::size_t>(found - actions.begin()));
    }
}

void QtPlatform::startTimer(int milliseconds) {
    m_timer->start(milliseconds);
}

} // namespace varnik
