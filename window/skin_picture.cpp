// SPDX-License-Identifier: MIT
#include "skin_picture.h"

#include <QPainter>

namespace varnik {

SkinPicture::SkinPicture(const QString& image, QWidget* parent)
    : QWidget(parent), m_picture(":/keys/" + image + ".bmp") {
    setObjectName(image);
    setAttribute(Qt::WA_OpaquePaintEvent); // the bitmap covers every pixel
}

void SkinPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

} // namespace varnik
