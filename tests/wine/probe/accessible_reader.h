// SPDX-License-Identifier: MIT
// The window as a screen reader sees it, through Microsoft Active Accessibility.
#pragma once

#include <windows.h>

#include <string>

namespace probe {

/// The children of the window's client object: [{"name", "role", "action", "state",
/// "location": [x, y, width, height]}, ...]; roles as numbers (43 is a push button).
std::string describeAccessible(HWND window);
/// Runs the default action of the client object's child named `name`: {"pressed": true} or
/// {"error": ...}.
std::string pressAccessible(HWND window, const std::wstring& name);
/// The client object's children as its accNavigate walks them by child id: {"forward": [names
/// from the first child on, with NAVDIR_NEXT], "backward": [names from the last child on, with
/// NAVDIR_PREVIOUS]}.
std::string navigateAccessible(HWND window);
/// What the client object's accHitTest finds at a screen point: {"name", "role", "state"} of a
/// child, "self" for the client area itself, or null.
std::string hitTestAccessible(HWND window, long x, long y);

} // namespace probe
