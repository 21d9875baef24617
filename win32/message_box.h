// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string_view>

namespace varnik::win32 {

/// Windows' own message box, modal, owned by `owner`: the title, the prompt, one OK button, no
/// icon. A box with a `description` (why a key failed) carries it as its accessible description
/// and raises a system alert as it opens, so that a screen reader says why, whatever the prompt
/// shows.
void showMessageBox(HWND owner, std::wstring_view title, std::wstring_view prompt,
                    std::wstring_view description);

} // namespace varnik::win32
