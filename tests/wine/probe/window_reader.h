// SPDX-License-Identifier: MIT
// What another program's windows show, read with public Win32 calls only.
#pragma once

#include <windows.h>

#include <string>

namespace probe {

/// A window's text as the window itself answers WM_GETTEXT (GetWindowTextW would not ask a
/// control of another process).
std::wstring textOf(HWND window);
std::wstring classOf(HWND window);

/// The visible top-level window with this title that is no dialog box (a message box carries
/// its owner's title too); null if there is none.
HWND findMainWindow(const std::wstring& title);
/// The visible message box (dialog class #32770) with this title; null if there is none.
HWND findMessageBox(const std::wstring& title);

/// {"hwnd", "pid", "client": [x, y, width, height] on the screen}
std::string describeWindow(HWND window);
/// The child controls in Tab order: [{"class", "text", "enabled", "visible", "rect"}, ...],
/// "rect" in pixels of the window's client area.
std::string describeControls(HWND window);
/// {"focus": text of the focused control, "class": its class, "active": the active window's
/// title}, from the window's thread.
std::string describeFocus(HWND window);
/// {"title", "texts": [static texts], "buttons": [button captions]}
std::string describeBox(HWND box);
/// [x, y]: the screen point at the middle of the window's close box, as the window's own hit
/// test finds it; null if it has none.
std::string findCloseBox(HWND window);
/// The open pop-up menu: {"rect": [x, y, width, height] on the screen}, or null.
std::string describePopUpMenu();

} // namespace probe
