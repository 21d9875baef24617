// SPDX-License-Identifier: MIT
#pragma once

#include "scene.h"
#include "units.h"

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <array>
#include <vector>

class QPainter;

namespace varnik {

/// The 36 key pictures, drawn at 1x and afresh at each higher density up to
/// `densestPictures`, each decoded from the program's resources when first drawn: most
/// highlights, and the densities of other screens, are never shown.
class SkinPictures {
public:
    const QPixmap& picture(int image, int density);

private:
    std::array<QPixmap, densestPictures * pictureCount> m_pixmaps; // 1x first, then 2x ...
};

/// Paints the skin keys as the scene shows them, on the device pixels the layout's pixel rule
/// gives at `scale` (device pixels per pixel at 96 dpi): a click then lands on exactly the
/// pixels that show its key. The focus mark, where the scene has one, is a thin outline inside
/// the key's frame, over whichever picture the key shows: one line of the layout's pixel in
/// each of `focusMark`'s colours, from the outside in.
void paintSkin(QPainter& painter, const Scene& scene, double scale, SkinPictures& pictures,
               const std::vector<QColor>& focusMark);

/// The window's logical area that skin key `key` covers at `scale`, to be painted again.
QRect skinKeyArea(std::size_t key, double scale);

} // namespace varnik
