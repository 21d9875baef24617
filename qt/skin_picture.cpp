// SPDX-License-Identifier: MIT
#include "skin_picture.h"

#include "controls.h"

#include <QImageReader>
#include <QPainter>

namespace varnik {

SkinPicture::SkinPicture(int number, QWidget* parent) : QWidget(parent), m_number(number) {
    setObjectName(QString::fromStdString(pictureName(number)));
    setAttribute(Qt::WA_OpaquePaintEvent); // the bitmap covers every pixel
}

bool SkinPicture::isHighlight() const {
    return isHighlightImage(m_number);
}

const QPixmap& SkinPicture::picture() {
    const bool dense = devicePixelRatioF() > 1.0;
    if (m_picture.isNull() || (m_picture.devicePixelRatio() > 1.0) != dense) {
        // The "@2x" file is read with a device pixel ratio of 2, so it covers the same rectangle.
        QImageReader reader(
            QStringLiteral(":/keys/Image%1%2.bmp").arg(m_number).arg(dense ? "@2x" : ""), "bmp");
        // Qt's own BMP reader, named: guessing the format would load every image plugin.
        reader.setAutoDetectImageFormat(false);
        m_picture = QPixmap::fromImageReader(&reader);
    }
    return m_picture;
}

void SkinPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // Between 1x and 2x screens (125 %, 150 %) the 2x bitmap is scaled down smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture());
}

} // namespace varnik
