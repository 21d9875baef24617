// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

namespace varnik {
class Form1;
}

namespace varnik::win32 {

/// The answer to the window's WM_GETOBJECT: for the client area, an accessible object whose
/// children are the 18 skin keys (push buttons as the window model describes them, found at a
/// point through the model) followed by the window's child controls; the window's standard
/// object answers for everything else. Nothing for other object identifiers: the caller passes
/// those on to DefWindowProc.
std::optional<LRESULT> answerGetObject(HWND window, WPARAM flags, LPARAM objectId, Form1& model);

/// The answer to a control's WM_GETOBJECT that gives it the accessible name `name` and the
/// description `description` (an empty one leaves the standard's), for its window and its client
/// object alike; its standard objects answer for everything else.
std::optional<LRESULT> answerNamedGetObject(HWND control, WPARAM flags, LPARAM objectId,
                                            std::wstring_view name,
                                            std::wstring_view description = {});

} // namespace varnik::win32
