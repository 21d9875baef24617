// SPDX-License-Identifier: MIT
#pragma once

#include "handles.h"
#include "platform.h"

#include <windows.h>

namespace varnik::win32 {

/// The desktop services of Windows: message boxes owned by the window, the shell's open verb,
/// the default beep, the clipboard's Unicode text, pop-up menus.
class Win32Platform : public Platform {
public:
    /// The window that owns boxes, menus and the clipboard; until set, none does.
    void setOwner(HWND owner, int dpi) {
        m_owner = owner;
        m_dpi = dpi;
    }
    void setDpi(int dpi) { m_dpi = dpi; }

    void showMessage(std::string_view prompt) override;
    bool openWebAddress(std::string_view address) override;
    void signalError() override;
    void endProgram() override;
    void copyToClipboard(std::string_view text) override;
    std::optional<std::string> clipboardText() override;
    std::optional<std::size_t> popUpMenu(const std::vector<MenuItem>& items, float x,
                                         float y) override;

private:
    HWND m_owner = nullptr;
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::optional<ComApartment> m_com; ///< from the first web link on
};

} // namespace varnik::win32
