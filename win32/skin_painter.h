// SPDX-License-Identifier: MIT
#pragma once

#include "handles.h"
#include "png_decoder.h"
#include "scene.h"

#include <array>
#include <optional>

namespace varnik::win32 {

/// The 36 key pictures of one density (1x to 4x), read from the program's resources when first
/// drawn: up to 2x bitmaps, which Windows loads at once; at 3x and 4x PNG files, decoded on the
/// way (with COM and Windows' imaging component, which take a moment to start).
class SkinPictures {
public:
    SkinPictures(HINSTANCE instance, int density) : m_instance(instance), m_density(density) {}

    /// Image1 ... Image36; null if the resource is missing.
    HBITMAP picture(int image);
    int density() const { return m_density; }

private:
    HINSTANCE m_instance;
    int m_density;
    std::optional<PngDecoder> m_decoder; ///< from the first dense picture on
    std::array<Bitmap, pictureCount> m_bitmaps;
};

/// Paints the client area as the scene shows it (background, pictures, focus mark, link label),
/// at `dpi`, through an off-screen bitmap, so that a key changing its picture never flickers.
/// The focus mark lies 3 pixels inside the key's edge at 96 dpi, over whichever picture the key
/// shows: the dotted focus rectangle of Windows' buttons, or the scene's lines, each a pixel at
/// 96 dpi, from the outside in.
void paintSkin(HDC target, const RECT& client, const Scene& scene, int dpi, SkinPictures& pictures,
               HFONT linkFont);

/// Where the focus mark (its outermost line) of a key drawn on `key` lies at `dpi`.
RECT focusMarkRect(const RECT& key, int dpi);

} // namespace varnik::win32
