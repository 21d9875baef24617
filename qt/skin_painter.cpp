// SPDX-License-Identifier: MIT
#include "skin_painter.h"

#include <QImageReader>
#include <QPainter>
#include <cmath>

namespace varnik {

const QPixmap& SkinPictures::picture(int image, int density) {
    QPixmap& pixmap = m_pixmaps[static_cast<std::size_t>(image - 1 + (density - 1) * pictureCount)];
    if (pixmap.isNull()) {
        const QString suffix = density > 1 ? QStringLiteral("@%1x").arg(density) : QString();
        QImageReader reader(QStringLiteral(":/keys/Image%1%2.bmp").arg(image).arg(suffix), "bmp");
        // Qt's own BMP reader, named: guessing the format would load every image plugin.
        reader.setAutoDetectImageFormat(false);
        pixmap = QPixmap::fromImageReader(&reader);
        pixmap.setDevicePixelRatio(1); // drawn onto device pixels, whatever its name says
    }
    return pixmap;
}

namespace {

QRect deviceRect(std::size_t key, double scale) {
    const PixelRect at = toDevicePixels(skinKey(key).geometry, scale);
    return {at.left, at.top, at.width, at.height};
}

void paintFocusMark(QPainter& painter, const QRect& key, double scale,
                    const std::vector<QColor>& lines) {
    // Each line one pixel of the layout wide, the first focusMarkInset pixels inside the key's
    // edge: within its frame.
    const int width = std::max(1, static_cast<int>(std::lround(scale)));
    int inset = static_cast<int>(std::lround(focusMarkInset * scale));
    painter.setBrush(Qt::NoBrush);
    for (const QColor& colour : lines) {
        const qreal middle = inset + width / 2.0;
        painter.setPen(QPen(colour, width));
        painter.drawRect(QRectF(key).adjusted(middle, middle, -middle, -middle));
        inset += width;
    }
}

} // namespace

void paintSkin(QPainter& painter, const Scene& scene, double scale, SkinPictures& pictures,
               const std::vector<QColor>& focusMark) {
    painter.save();
    // Device pixels from here on: the painter's own scaling is undone.
    painter.setWorldTransform(QTransform::fromScale(1 / scale, 1 / scale));
    // Between densities (125 %, 225 % ...) the next denser pictures are scaled down smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int density = pictureDensity(scale);
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        const QRect at = deviceRect(key, scale);
        // No two keys overlap, and a shown highlight covers its normal picture exactly: each
        // key draws one of its two pictures.
        const int image = scene.keys[key].lit ? highlightImage(key) : normalImage(key);
        const QPixmap& picture = pictures.picture(image, density);
        painter.drawPixmap(QRectF(at), picture, QRectF(picture.rect()));
        if (scene.keys[key].focusMark) {
            paintFocusMark(painter, at, scale, focusMark);
        }
    }
    painter.restore();
}

QRect skinKeyArea(std::size_t key, double scale) {
    const QRect at = deviceRect(key, scale);
    return QRectF(at.left() / scale, at.top() / scale, at.width() / scale, at.height() / scale)
        .toAlignedRect();
}

} // namespace varnik
