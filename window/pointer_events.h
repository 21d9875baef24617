// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace varnik {

/// Turns a picture's or label's raw mouse events into the two the window handles:
/// a click (left button pressed and released on the same control; the second press of a
/// double-click is no click) and a move. Moves stop at the control: the window behind it
/// never sees them, so its leave test runs only over the bare window.
class PointerEvents : public QObject {
    Q_OBJECT

public:
    /// Watches `control` (and is owned by it); turns on its mouse tracking.
    explicit PointerEvents(QWidget* control);

signals:
    void clicked();
    void moved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_control;
    bool m_pressed = false;
};

} // namespace varnik
