// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "handles.h"

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

/// What the window draws itself: the pictures of the skin and the link label.
struct SkinScene {
    const std::array<bool, skinKeyCount>& lit; ///< which keys show their highlight picture
    BgrColour linkColour;
    HFONT linkFont;
    int dpi;
};

/// Paints the client area (background, pictures, link label) through an off-screen bitmap, so
/// that a key changing its picture never flickers.
void paintSkin(HDC target, const RECT& client, SkinPictures& pictures, const SkinScene& scene);

} // namespace varnik::win32
