// SPDX-License-Identifier: MIT
#include "announcer.h"

namespace varnik {

Announcer::Announcer(QWidget* window) : QWidget(window), m_notification(new QWidget(this)) {
    setObjectName(QStringLiteral("announcements"));
    // A pixel behind the window's pictures, drawing nothing and taking no pointer events.
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
    m_notification->setGeometry(0, 0, 1, 1);
    m_notification->hide();
}

void Announcer::announce(const QString& text) {
    // Shown anew each time: a screen reader hears of a notification when it appears.
    m_notification->hide();
    m_notification->setAccessibleName(text);
    m_notification->show();
}

} // namespace varnik
