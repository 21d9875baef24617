// SPDX-License-Identifier: MIT
#pragma once

#include "typed_keys.h"

#include <windows.h>

#include <optional>

namespace varnik::win32 {

/// The modifier keys held while a key message was made.
struct Modifiers {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

/// Ctrl, Shift and Alt as the keyboard state of this thread's current message has them.
Modifiers heldModifiers();

/// A key press as the window model's keyboard table reads it: WM_KEYDOWN and WM_SYSKEYDOWN give
/// the key's name (the character comes with the WM_CHAR that follows), WM_CHAR the character
/// typed. Nothing for any other message.
std::optional<TypedKey> typedKeyOf(UINT message, WPARAM wParam, Modifiers held);

} // namespace varnik::win32
