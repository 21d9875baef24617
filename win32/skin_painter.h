// SPDX-License-Identifier: MIT
#pragma once

#include "handles.h"
#include "scene.h"

#include <array>

namespace varnik::win32 {

/// The 36 key pictures of one density, read from the program's resources when first drawn.
class SkinPictures {
public:
    SkinPictures(HINSTANCE instance, bool dense) : m_instance(instance), m_dense(dense) {}

    /// Image1 ... Image36; null if the resource is missing.
    HBITMAP picture(int image);
    bool dense() const { return m_dense; }

private:
    HINSTANCE m_instance;
    bool m_dense;
    std::array<Bitmap, pictureCount> m_bitmaps;
};

/// Paints the client area as the scene shows it (background, pictures, focus mark, link label),
/// at `dpi`, through an off-screen bitmap, so that a key changing its picture never flickers.
/// The focus mark is the dotted focus rectangle of Windows' buttons, 3 pixels inside the key's
/// edge at 96 dpi, drawn over whichever picture the key shows.
void paintSkin(HDC target, const RECT& client, const Scene& scene, int dpi, SkinPictures& pictures,
               HFONT linkFont);

/// Where the focus mark of a key drawn on `key` lies at `dpi`.
RECT focusMarkRect(const RECT& key, int dpi);

} // namespace varnik::win32
