// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace varnik {

/// Where the window's announcements go for screen readers: a status bar that nobody sees,
/// holding one notification. A screen reader speaks a notification as it appears, wherever the
/// focus is, and one in a status bar without calling it a notification; Orca 43 speaks no other
/// change of an object that has not the focus.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    /// Shows `text` as a new notification: spoken once, even when it says what the last one did.
    void announce(const QString& text);

private:
    QWidget* m_notification;
};

} // namespace varnik
