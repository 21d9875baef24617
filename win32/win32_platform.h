// SPDX-License-Identifier: MIT
#pragma once

#include "announcer.h"
#include "handles.h"
#include "platform.h"

#include <windows.h>

#include <optional>
#include <string>

namespace varnik {
class Form1;
}

namespace varnik::win32 {

/// The desktop services of Windows: message boxes owned by the window, the shell's open verb,
/// the default beep, the clipboard's Unicode text, pop-up menus, the window's timer and the
/// screen readers' announcements. Boxes and menus are Windows' own modal ones: the model hears
/// their answer when the call returns.
class Win32Platform : public Platform {
public:
    /// The timer the window hands on to the model (WM_TIMER with this identifier).
    static constexpr UINT_PTR timerId = 1;

    /// The window that owns boxes, menus, the clipboard and the timer, and the model that hears
    /// the answers; until then nothing owns them and nobody hears.
    void attach(HWND owner, Form1& model, int dpi) {
        m_owner = owner;
        m_model = &model;
        m_dpi = dpi;
        m_announcer.attach(owner);
    }
    /// The window is going: nothing speaks for it any more.
    void detach() { m_announcer.detach(); }
    void setDpi(int dpi) { m_dpi = dpi; }

    void showMessage(std::string_view prompt, std::string_view description) override;
    void announce(std::string_view text) override;
    bool openWebAddress(std::string_view address) override;
    void signalError() override;
    void endProgram() override;
    void copyToClipboard(std::string_view text) override;
    void readClipboard(bool toPaste) override;
    void popUpMenu(const std::vector<MenuItem>& items, float x, float y) override;
    void startTimer(int milliseconds) override;

    /// The answer to the window's WM_GETOBJECT for the announcements' objects; nothing for the
    /// others.
    std::optional<LRESULT> answerGetObject(WPARAM flags, LPARAM objectId) {
        return m_announcer.answerGetObject(flags, objectId);
    }

    /// The clipboard's Unicode text as UTF-8, or nothing when it holds none or is held by
    /// another program.
    std::optional<std::string> clipboardText() const;

private:
    std::optional<std::size_t> trackMenu(const std::vector<MenuItem>& items, float x,
                                         float y) const;

    HWND m_owner = nullptr;
    Form1* m_model = nullptr;
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::optional<ComApartment> m_com; ///< from the first web link or announcement on
    Announcer m_announcer;
};

/// A menu item's text: its label, and its key after a tab, which Windows shows at the menu's
/// right edge.
std::wstring menuItemLabel(const Platform::MenuItem& item);

} // namespace varnik::win32
