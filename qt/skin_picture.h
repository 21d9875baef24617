// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

namespace varnik {

/// One picture of the skin keypad: a bitmap exactly the size of the control. On screens
/// denser than 96 dpi it draws the bitmap drawn at twice the size. The window decides where
/// the pointer's events go; a screen reader's press comes through `pressed`.
class SkinPicture : public QWidget {
    Q_OBJECT

public:
    /// `number` names the control "Image<number>"; odd numbers are a key's normal picture,
    /// even ones its highlight. The bitmap comes from the resources.
    SkinPicture(int number, QWidget* parent);

    bool isHighlight() const;
    /// A press from outside the mouse (assistive technology): runs the key.
    void press() { emit pressed(); }

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& picture();

    int m_number;
    QPixmap m_picture; // decoded at the first paint: most highlights are never shown
};

} // namespace varnik
