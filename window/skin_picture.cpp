// SPDX-License-Identifier: MIT
#include "skin_picture.h"

#include <QPainter>

namespace varnik {

SkinPicture::SkinPicture(int number, QWidget* parent)
    : QWidget(parent), m_picture(QStringLiteral(":/keys/Image%1.bmp").arg(number)),
      m_highlight(number % 2 == 0) {
    setObjectName(QStringLiteral("Image%1").arg(number));
    setAttribute(Qt::WA_OpaquePaintEvent); // the bitmap covers every pixel
}

void SkinPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

} // namespace varnik
