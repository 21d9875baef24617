// SPDX-License-Identifier: MIT
#pragma once

#include "uia_notifications.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace varnik::win32 {

/// Hands the texts the window model wants spoken to the screen readers, once each: as UI
/// Automation notification events where Windows has them; elsewhere (Windows 10 before version
/// 1709, Wine) as a system alert from an accessible object of the window's own whose name is the
/// text, which MSAA screen readers present. COM must run on the window's thread.
class Announcer {
public:
    /// The window's object that carries the last text for MSAA screen readers: no child of the
    /// window's client object (Tab and a reader's navigation never meet it), reached through
    /// the alert only.
    static constexpr LONG objectId = 1;

    void attach(HWND window);
    void announce(std::wstring_view text);
    /// The answer to the window's WM_GETOBJECT for the objects above; nothing for the others.
    std::optional<LRESULT> answerGetObject(WPARAM flags, LPARAM objectId);
    /// The window is going.
    void detach();

private:
    HWND m_window = nullptr;
    UiaNotifications m_notifications;
    std::wstring m_text; ///< the last text, for the MSAA object
};

} // namespace varnik::win32
