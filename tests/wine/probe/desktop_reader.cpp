// SPDX-License-Identifier: MIT
#include "desktop_reader.h"

#include "handles.h"
#include "json.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace probe {

std::string clipboardText() {
    // Another program may hold the clipboard a while longer: null, and the tests ask again.
    const varnik::win32::ClipboardScope clipboard(nullptr);
    HANDLE data = clipboard.open() ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    const varnik::win32::GlobalLockScope<const wchar_t> text(data);
    if (!text.data()) {
        return "null";
    }
    return quoted(std::wstring_view(text.data(), wcsnlen(text.data(), GlobalSize(data) / 2)));
}

bool setClipboardText(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    varnik::win32::GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) {
        return false;
    }
    std::memcpy(varnik::win32::GlobalLockScope<wchar_t>(memory.get()).data(), text.c_str(), bytes);
    const varnik::win32::ClipboardScope clipboard(nullptr);
    if (clipboard.open() && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory.get())) {
        memory.release(); // the clipboard owns it now
        return true;
    }
    return false;
}

namespace {

// The roles the calculator reads under high contrast, and a black theme's colours for them.
const int themeRoles[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HOTLIGHT, COLOR_HIGHLIGHT,
                          COLOR_HIGHLIGHTTEXT};
const char* const themeRoleNames[] = {"window", "windowText", "link", "highlight", "highlightText"};
const COLORREF blackTheme[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 0),
                               RGB(26, 235, 255), RGB(0, 0, 0)};
constexpr int themeSize = sizeof themeRoles / sizeof themeRoles[0];

std::string hex(COLORREF colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

} // namespace

std::string setHighContrast(bool on) {
    static COLORREF usual[themeSize];
    static bool saved = false;
    if (on && !saved) {
        for (int i = 0; i < themeSize; ++i) {
            usual[i] = GetSysColor(themeRoles[i]);
        }
        saved = true;
    }
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    setting.dwFlags = on ? HCF_HIGHCONTRASTON : 0;
    SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof setting, &setting, SPIF_SENDCHANGE);
    if (on || saved) {
        SetSysColors(themeSize, themeRoles, on ? blackTheme : usual);
    }
    HIGHCONTRASTW now{};
    now.cbSize = sizeof now;
    const bool read = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof now, &now, 0) != FALSE;
    Object colours;
    for (int i = 0; i < themeSize; ++i) {
        colours.add(themeRoleNames[i], hex(GetSysColor(themeRoles[i])).c_str());
    }
    return Object()
        .add("on", read && (now.dwFlags & HCF_HIGHCONTRASTON) != 0)
        .add("colours", colours.str())
        .str();
}

PixelWatch::PixelWatch(int x, int y) : m_x(x), m_y(y), m_screen(GetDC(nullptr)) {
    GetPixel(m_screen, m_x, m_y); // the first read from the screen is slow
}

PixelWatch::~PixelWatch() {
    ReleaseDC(nullptr, m_screen);
}

std::string PixelWatch::run(int milliseconds) {
    Array changes;
    const ULONGLONG start = GetTickCount64();
    COLORREF shown = CLR_INVALID;
    for (ULONGLONG now = start; now < start + static_cast<ULONGLONG>(milliseconds);
         now = GetTickCount64()) {
        const COLORREF colour = GetPixel(m_screen, m_x, m_y);
        if (colour != shown) {
            shown = colour;
            char hex[8];
            std::snprintf(hex, sizeof hex, "%02x%02x%02x", GetRValue(colour), GetGValue(colour),
                          GetBValue(colour));
            changes.add(
                Array().add(quoted(std::string_view(hex))).add(std::to_string(now - start)).str());
        }
        Sleep(2);
    }
    return changes.str();
}

} // namespace probe
