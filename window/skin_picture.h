// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

namespace varnik {

/// One picture of the skin keypad: a bitmap exactly the size of the control.
class SkinPicture : public QWidget {
    Q_OBJECT

public:
    /// `number` names the control "Image<number>"; odd numbers are a key's normal picture,
    /// even ones its highlight. The bitmap comes from the resources.
    SkinPicture(int number, QWidget* parent);

    bool isHighlight() const { return m_highlight; }
    /// A press from outside the mouse (assistive technology): runs the key.
    void press() { emit pressed(); }

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    bool m_highlight;
};

} // namespace varnik
