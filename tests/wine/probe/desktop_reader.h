// SPDX-License-Identifier: MIT
// What the desktop holds besides windows: the clipboard, the pixels on the screen and the
// high-contrast setting.
#pragma once

#include <windows.h>

#include <string>

namespace probe {

/// The clipboard's Unicode text as a JSON string, or null.
std::string clipboardText();
/// Puts text on the clipboard; false if it could not.
bool setClipboardText(const std::wstring& text);

/// Turns the desktop's high-contrast setting on or off as Windows' settings do: the setting,
/// told to every window, and the colours of a black high-contrast theme (the usual ones back
/// when off). Answers {"on": the setting as read back, "colours": {role: "rrggbb"}}.
std::string setHighContrast(bool on);

/// Watches one pixel of the screen.
class PixelWatch {
public:
    PixelWatch(int x, int y);
    ~PixelWatch();
    PixelWatch(const PixelWatch&) = delete;
    PixelWatch& operator=(const PixelWatch&) = delete;

    /// Each colour the pixel showed in the next `milliseconds`, with the moment it appeared:
    /// [["rrggbb", milliseconds from the start], ...].
    std::string run(int milliseconds);

private:
    int m_x;
    int m_y;
    HDC m_screen;
};

} // namespace probe
