// SPDX-License-Identifier: MIT
#include "context_menu.h"

#include "clipboard_text.h"
#include "controls.h"

#include <array>

namespace varnik {

namespace {

struct MenuRow {
    const char* label; ///< nullptr: the caption of the command button that runs the action
    Action action;
    bool separatorBefore;
};

const std::array<MenuRow, 8> menu{{
    {"Copy\tCtrl+C", Command::Copy, false},
    {"Copy with Latin digits\tCtrl+Shift+C", Command::CopyLatin, false},
    {"Paste\tCtrl+V", Command::Paste, false},
    {nullptr, Key::MemoryAdd, true},
    {nullptr, Key::MemorySubtract, false},
    {nullptr, Key::MemoryRecall, false},
    {nullptr, Key::MemoryClear, false},
    {nullptr, Shell::About, true},
}};

std::string labelOf(const MenuRow& row) {
    if (row.label) {
        return row.label;
    }
    std::string caption = commandButtons[buttonRow(row.action)].caption;
    caption.erase(caption.find_last_not_of(' ') + 1); // "About " is "About" in a menu
    return caption;
}

} // namespace

std::vector<Platform::MenuItem> contextMenuItems(const CalculatorState& state,
                                                 const std::optional<std::string>& clipboard) {
    const bool canCopy = copyText(state.txtnum, false).has_value();
    const bool canPaste = clipboard && readPastedNumber(*clipboard).has_value();
    std::vector<Platform::MenuItem> items;
    for (const MenuRow& row : menu) {
        bool enabled = true;
        if (row.action == Action{Command::Copy} || row.action == Action{Command::CopyLatin}) {
            enabled = canCopy;
        } else if (row.action == Action{Command::Paste}) {
            enabled = canPaste;
        }
        items.push_back({labelOf(row), enabled, row.separatorBefore});
    }
    return items;
}

Action contextMenuAction(std::size_t index) {
    return menu.at(index).action;
}

} // namespace varnik
