// SPDX-License-Identifier: MIT
#include "skin_painter.h"

#include "layout.h"
#include "resource_ids.h"
#include "wide_text.h"

#include <algorithm>

namespace varnik::win32 {

HBITMAP SkinPictures::picture(int image) {
    Bitmap& bitmap = m_bitmaps[static_cast<std::size_t>(image - 1)];
    if (bitmap) {
        return bitmap.get();
    }
    const int id = m_density * VARNIK_KEY_PICTURE_BASE + image;
    if (m_density <= VARNIK_DENSEST_KEY_BITMAPS) {
        bitmap.reset(static_cast<HBITMAP>(
            LoadImageW(m_instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        return bitmap.get();
    }
    HRSRC found = FindResourceW(m_instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RCDATA
    HGLOBAL loaded = found ? LoadResource(m_instance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes) {
        if (!m_decoder) {
            m_decoder.emplace();
        }
        bitmap = m_decoder->decode(bytes, SizeofResource(m_instance, found));
    }
    return bitmap.get();
}

namespace {

void drawPicture(HDC target, HDC source, HBITMAP picture, const RECT& at) {
    if (!picture) {
        return;
    }
    BITMAP size{};
    GetObjectW(picture, sizeof size, &size);
    const Selection selected(source, picture);
    const int width = at.right - at.left;
    const int height = at.bottom - at.top;
    if (size.bmWidth == width && size.bmHeight == height) {
        BitBlt(target, at.left, at.top, width, height, source, 0, 0, SRCCOPY);
    } else {
        StretchBlt(target, at.left, at.top, width, height, source, 0, 0, size.bmWidth,
                   size.bmHeight, SRCCOPY);
    }
}

void drawFocusMark(HDC dc, const RECT& key, int dpi, const std::vector<SystemColour>& lines) {
    RECT mark = focusMarkRect(key, dpi);
    if (lines.empty()) {
        DrawFocusRect(dc, &mark);
        return;
    }
    const int width = std::max(1, MulDiv(1, dpi, USER_DEFAULT_SCREEN_DPI));
    for (const SystemColour line : lines) {
        SetDCBrushColor(dc, toColorRef(SceneColour(line)));
        const auto brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
        for (int i = 0; i < width; ++i) {
            FrameRect(dc, &mark, brush);
            InflateRect(&mark, -1, -1);
        }
    }
}

void drawLink(HDC dc, const SceneColour& colour, HFONT linkFont, int dpi) {
    RECT at = pixelRect(linkGeometry, dpi);
    const Selection font(dc, linkFont);
    SetBkMode(dc, TRANSPARENT); // the window's cream shows through
    SetTextColor(dc, toColorRef(colour));
    const std::wstring caption = toWide(linkCaption);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &at,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace

RECT focusMarkRect(const RECT& key, int dpi) {
    RECT mark = key;
    const int inset = MulDiv(focusMarkInset, dpi, USER_DEFAULT_SCREEN_DPI);
    InflateRect(&mark, -inset, -inset);
    return mark;
}

void paintSkin(HDC target, const RECT& client, const Scene& scene, int dpi, SkinPictures& pictures,
               HFONT linkFont) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const MemoryDc buffer(CreateCompatibleDC(target));
    const Bitmap canvas(CreateCompatibleBitmap(target, width, height));
    const MemoryDc source(CreateCompatibleDC(target));
    if (!buffer || !canvas || !source) {
        return;
    }
    const Selection onCanvas(buffer.get(), canvas.get());
    SetDCBrushColor(buffer.get(), toColorRef(scene.background));
    FillRect(buffer.get(), &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    // Between densities the next denser pictures are scaled down smoothly.
    SetStretchBltMode(buffer.get(), HALFTONE);
    SetBrushOrgEx(buffer.get(), 0, 0, nullptr);
    // No two keys overlap, and a shown highlight covers its normal picture exactly: each key
    // draws one of its two pictures.
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        const RECT at = pixelRect(skinKey(key).geometry, dpi);
        const int image = scene.keys[key].lit ? highlightImage(key) : normalImage(key);
        drawPicture(buffer.get(), source.get(), pictures.picture(image), at);
        if (scene.keys[key].focusMark) {
            drawFocusMark(buffer.get(), at, dpi, scene.focusMarkLines);
        }
    }
    drawLink(buffer.get(), scene.linkColour, linkFont, dpi);
    BitBlt(target, 0, 0, width, height, buffer.get(), 0, 0, SRCCOPY);
}

} // namespace varnik::win32
