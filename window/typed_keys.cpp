// SPDX-License-Identifier: MIT
#include "typed_keys.h"

namespace varnik {

namespace {

struct NamedRow {
    KeyName name;
    bool ctrl;
    bool shift;
    Action action;
};

// Named keys with or without Ctrl or Shift: the clipboard, the menu and the focus.
constexpr NamedRow chords[] = {
    {KeyName::C, true, false, Command::Copy},
    {KeyName::Insert, true, false, Command::Copy},
    {KeyName::C, true, true, Command::CopyLatin},
    {KeyName::V, true, false, Command::Paste},
    {KeyName::Insert, false, true, Command::Paste},
    {KeyName::F10, false, true, Command::ContextMenu},
    {KeyName::Tab, false, false, Command::FocusNext},
    {KeyName::Tab, false, true, Command::FocusPrevious},
};

struct CharacterRow {
    char32_t character;
    Key key;
};

constexpr CharacterRow characters[] = {
    {U'.', Key::Point},         {U'+', Key::Add},      {U'-', Key::Subtract},
    {U'*', Key::Multiply},      {U'x', Key::Multiply}, {U'X', Key::Multiply},
    {U'\u00D7', Key::Multiply}, {U'/', Key::Divide},   {U'\u00F7', Key::Divide},
    {U'=', Key::Equals},
};

std::optional<Key> digit(int value) {
    if (value == 0) {
        return Key::Zero;
    }
    return static_cast<Key>(static_cast<int>(Key::One) + value - 1);
}

} // namespace

std::optional<Action> actionForTypedKey(const TypedKey& key) {
    switch (key.name) {
    case KeyName::Enter:
        return Key::Equals;
    case KeyName::Escape:
    case KeyName::Delete:
        return Key::Clear;
    case KeyName::Backspace:
        return Key::Backspace;
    case KeyName::KeypadDecimal:
        return Key::Point;
    case KeyName::Menu:
        return Command::ContextMenu;
    case KeyName::Insert:
    case KeyName::F10:
    case KeyName::C:
    case KeyName::V:
    case KeyName::Tab:
    case KeyName::Other:
        break;
    }
    if (!key.alt) {
        for (const NamedRow& row : chords) {
            if (row.name == key.name && row.ctrl == key.ctrl && row.shift == key.shift) {
                return row.action;
            }
        }
    }
    // Typed characters count whatever the modifiers: AltGr is Ctrl+Alt on some desktops, and
    // Ctrl with a letter types a control character, which is no key here.
    const char32_t c = key.character;
    if (c >= U'0' && c <= U'9') {
        return digit(static_cast<int>(c - U'0'));
    }
    if (c >= U'\u09E6' && c <= U'\u09EF') { // the Bengali digits ০ to ৯
        return digit(static_cast<int>(c - U'\u09E6'));
    }
    for (const CharacterRow& row : characters) {
        if (row.character == c) {
            return row.key;
        }
    }
    return std::nullopt;
}

} // namespace varnik
