// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

namespace varnik::win32 {

/// What the skin keys' accessible objects ask of the window.
class SkinKeyHost {
public:
    virtual ~SkinKeyHost() = default;
    /// The key's rectangle in screen pixels.
    virtual RECT skinKeyOnScreen(std::size_t key) const = 0;
    virtual bool skinKeyLit(std::size_t key) const = 0;
    /// A screen reader pressed the key.
    virtual void pressSkinKey(std::size_t key) = 0;
};

/// The answer to WM_GETOBJECT: for the client area, an accessible object whose children are the
/// 18 skin keys (push buttons named as on every desktop, default action "Press") followed by
/// the window's child controls; the window's standard object answers for everything else.
/// Nothing for other object identifiers: the caller passes those on to DefWindowProc.
std::optional<LRESULT> answerGetObject(HWND window, WPARAM flags, LPARAM objectId,
                                       SkinKeyHost& host);

} // namespace varnik::win32
