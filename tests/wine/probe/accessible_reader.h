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

} // namespace probe
