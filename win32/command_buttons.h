// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"
#include "fonts.h"

#include <windows.h>

#include <array>
#include <optional>

namespace varnik::win32 {

/// The 23 hidden command buttons: real push buttons, so that Tab, the space bar and screen
/// readers reach them, lying outside the client area where nobody sees them.
class CommandButtons {
public:
    /// Creates them in tab order (the dialog manager's Tab walks the children in the order they
    /// were made), each at its layout position at `fonts`' density, in its font. Each reports
    /// its focus (BS_NOTIFY) and is drawn by its parent.
    void create(HWND parent, HINSTANCE instance, FontSet& fonts);
    /// Places each again at `fonts`' density, in its font: the window moved to another monitor.
    void layOut(FontSet& fonts);

    HWND button(std::size_t button) const { return m_buttons[button]; }
    /// The command button of a control identifier, if it is one of them.
    static std::optional<std::size_t> buttonOfId(int id);

    /// Draws a button in the graphical style: its face in its background colour, its caption in
    /// its font, the focus rectangle while it has the focus.
    static void draw(const DRAWITEMSTRUCT& item, FontSet& fonts);

private:
    std::array<HWND, commandButtonCount> m_buttons{};
};

} // namespace varnik::win32
