// SPDX-License-Identifier: MIT
#include "win32_platform.h"

#include "control_tables.h"
#include "form1.h"
#include "handles.h"
#include "layout.h"
#include "message_box.h"
#include "wide_text.h"

#include <shellapi.h>

#include <cstring>

namespace varnik::win32 {

void Win32Platform::showMessage(std::string_view prompt, std::string_view description) {
    showMessageBox(m_owner, toWide(windowCaption), toWide(prompt), toWide(description));
    if (m_model) {
        m_model->messageClosed();
    }
}

bool Win32Platform::openWebAddress(std::string_view address) {
    // The address goes to the shell's open verb as it is: no command line is built from it.
    // The browser's window is not to take the focus from the calculator.
    if (!m_com) {
        m_com.emplace(); // the shell may hand the address to a COM handler
    }
    const HINSTANCE result = ShellExecuteW(m_owner, L"open", toWide(address).c_str(), nullptr,
                                           nullptr, SW_SHOWNOACTIVATE);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

void Win32Platform::signalError() {
    MessageBeep(MB_OK);
}

void Win32Platform::endProgram() {
    ExitProcess(0); // at once: nothing is saved, nothing asked
}

void Win32Platform::copyToClipboard(std::string_view text) {
    const std::wstring wide = toWide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) {
        return;
    }
    {
        const GlobalLockScope<wchar_t> locked(memory.get());
        if (!locked.data()) {
            return;
        }
        std::memcpy(locked.data(), wide.c_str(), bytes);
    }
    const ClipboardScope clipboard(m_owner);
    if (clipboard.open() && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory.get())) {
        memory.release(); // the clipboard owns it now
    }
}

void Win32Platform::readClipboard(bool /*toPaste*/) {
    // Windows gives the clipboard to any program that asks: a look is read as a paste is.
    std::optional<std::string> text = clipboardText();
    if (m_model) {
        m_model->clipboardRead(std::move(text));
    }
}

std::optional<std::string> Win32Platform::clipboardText() const {
    const ClipboardScope clipboard(m_owner);
    if (!clipboard.open()) {
        return std::nullopt;
    }
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) {
        return std::nullopt;
    }
    const GlobalLockScope<const wchar_t> locked(data);
    if (!locked.data()) {
        return std::nullopt;
    }
    // Text on the clipboard ends at its first null, and never beyond its memory block.
    const std::size_t units = GlobalSize(data) / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < units && locked.data()[length] != L'\0') {
        ++length;
    }
    return toUtf8(std::wstring_view(locked.data(), length));
}

std::wstring menuItemLabel(const Platform::MenuItem& item) {
    std::wstring text = toWide(item.label);
    if (!item.shortcut.empty()) {
        text += L'\t' + toWide(item.shortcut);
    }
    return text;
}

void Win32Platform::popUpMenu(const std::vector<MenuItem>& items, float x, float y) {
    const std::optional<std::size_t> chosen = trackMenu(items, x, y);
    if (!m_model) {
        return;
    }
    if (chosen) {
        m_model->menuChosen(*chosen);
    } else {
        m_model->menuDismissed();
    }
}

std::optional<std::size_t> Win32Platform::trackMenu(const std::vector<MenuItem>& items, float x,
                                                    float y) const {
    const Menu menu(CreatePopupMenu());
    if (!menu) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].separatorBefore) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        }
        AppendMenuW(menu.get(), MF_STRING | (items[i].enabled ? MF_ENABLED : MF_GRAYED), i + 1,
                    menuItemLabel(items[i]).c_str());
    }
    POINT at = pixelPoint(x, y, m_dpi);
    ClientToScreen(m_owner, &at);
    // A menu of a window that is not in the foreground would not close when clicked away.
    SetForegroundWindow(m_owner);
    const BOOL chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                       at.x, at.y, 0, m_owner, nullptr);
    PostMessageW(m_owner, WM_NULL, 0, 0);
    if (chosen <= 0 || static_cast<std::size_t>(chosen) > items.size()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(chosen - 1);
}

void Win32Platform::announce(std::string_view text) {
    if (!m_com) {
        m_com.emplace(); // UI Automation calls the window's provider through COM
    }
    m_announcer.announce(toWide(text));
}

void Win32Platform::startTimer(int milliseconds) {
    // A new request replaces one still waiting: the same identifier restarts it.
    if (m_owner) {
        SetTimer(m_owner, timerId, static_cast<UINT>(milliseconds), nullptr);
    }
}

} // namespace varnik::win32
