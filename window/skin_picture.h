// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

namespace varnik {

/// One picture of the skin keypad: a bitmap exactly the size of the control.
class SkinPicture : public QWidget {
    Q_OBJECT

public:
    /// `image` is the control's name, e.g. "Image7"; its bitmap comes from the resources.
    SkinPicture(const QString& image, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace varnik
