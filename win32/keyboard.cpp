// SPDX-License-Identifier: MIT
#include "keyboard.h"

namespace varnik::win32 {

namespace {

KeyName keyNameOf(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_RETURN: // the numeric keypad's Enter too: it differs only in the extended-key flag
        return KeyName::Enter;
    case VK_ESCAPE:
        return KeyName::Escape;
    case VK_DELETE:
        return KeyName::Delete;
    case VK_BACK:
        return KeyName::Backspace;
    case VK_INSERT:
        return KeyName::Insert;
    case VK_APPS:
        return KeyName::Menu;
    case VK_F10:
        return KeyName::F10;
    case VK_DECIMAL:
        return KeyName::KeypadDecimal;
    case 'C':
        return KeyName::C;
    case 'V':
        return KeyName::V;
    default:
        return KeyName::Other;
    }
}

bool down(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

} // namespace

Modifiers heldModifiers() {
    return {down(VK_CONTROL), down(VK_SHIFT), down(VK_MENU)};
}

std::optional<TypedKey> typedKeyOf(UINT message, WPARAM wParam, Modifiers held) {
    TypedKey key;
    key.ctrl = held.ctrl;
    key.shift = held.shift;
    key.alt = held.alt;
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        key.name = keyNameOf(wParam);
        return key;
    case WM_CHAR:
        key.character = static_cast<char32_t>(wParam & 0xFFFF);
        return key;
    default:
        return std::nullopt;
    }
}

} // namespace varnik::win32
