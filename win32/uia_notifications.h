// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

struct IRawElementProviderSimple;

namespace varnik::win32 {

/// UI Automation's notification events, through which Narrator and NVDA speak a text a window
/// hands them, wherever the focus is. Windows has them from Windows 10 version 1709 on: the core
/// library is loaded when first needed and its functions are looked up by name, so that the
/// program runs without them (older Windows, Wine), where available() is false. COM must run on
/// the window's thread.
class UiaNotifications {
public:
    UiaNotifications() = default;
    ~UiaNotifications();
    UiaNotifications(const UiaNotifications&) = delete;
    UiaNotifications& operator=(const UiaNotifications&) = delete;

    /// The window the notifications come from.
    void attach(HWND window) { m_window = window; }
    /// Whether Windows has notification events; the first call loads the library.
    bool available();
    /// Raises one notification with `text`, to be spoken once its speech before it is done;
    /// a newer one replaces one not yet spoken. False where Windows has none.
    bool raise(std::wstring_view text);

    /// The answer to the window's WM_GETOBJECT for UI Automation's own object, where
    /// notifications are available: the provider they come from. It only adds to the window's
    /// standard and MSAA objects, which answer for everything, as they do where there is none.
    std::optional<LRESULT> answerGetObject(WPARAM flags, LPARAM objectId);
    /// The window is going: UI Automation lets go of the provider.
    void detach();

private:
    using RaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
    using ReturnProvider = LRESULT(WINAPI*)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*);
    using HostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);

    IRawElementProviderSimple* provider();

    HWND m_window = nullptr;
    bool m_loaded = false;
    HMODULE m_library = nullptr;
    RaiseNotification m_raise = nullptr;
    ReturnProvider m_return = nullptr;
    HostProvider m_host = nullptr;
    IRawElementProviderSimple* m_provider = nullptr; ///< made at first use, one reference held
    bool m_providerReturned = false;                 ///< UI Automation holds it
};

} // namespace varnik::win32
