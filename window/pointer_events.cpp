// SPDX-License-Identifier: MIT
#include "pointer_events.h"

#include <QMouseEvent>
#include <QWidget>

namespace varnik {

PointerEvents::PointerEvents(QWidget* control) : QObject(control), m_control(control) {
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

bool PointerEvents::eventFilter(QObject* /*watched*/, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_pressed = true;
        }
        return true;
    case QEvent::MouseButtonDblClick:
        m_pressed = false;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_pressed) {
            m_pressed = false;
            if (m_control->rect().contains(mouse->position().toPoint())) {
                emit clicked();
            }
        }
        return true;
    }
    case QEvent::MouseMove:
        emit moved();
        return true;
    default:
        return false;
    }
}

} // namespace varnik
