// SPDX-License-Identifier: MIT
#include "texts.h"

#include <array>

namespace varnik {

namespace {

struct ActionText {
    Action action;
    MessageId text;
};

// Screen readers' names of the picture keys, as the control tables give them.
constexpr std::array<ActionText, 18> skinKeyNames{{
    {Key::One, {"", N_("one")}},
    {Key::Two, {"", N_("two")}},
    {Key::Three, {"", N_("three")}},
    {Key::Four, {"", N_("four")}},
    {Key::Five, {"", N_("five")}},
    {Key::Six, {"", N_("six")}},
    {Key::Seven, {"", N_("seven")}},
    {Key::Eight, {"", N_("eight")}},
    {Key::Nine, {"", N_("nine")}},
    {Key::Zero, {"", N_("zero")}},
    // TRANSLATORS: The decimal point key.
    {Key::Point, {"", N_("point")}},
    {Key::Add, {"", N_("plus")}},
    {Key::Subtract, {"", N_("minus")}},
    {Key::Multiply, {"", N_("times")}},
    {Key::Divide, {"", N_("divided by")}},
    {Key::Equals, {"", N_("equals")}},
    // TRANSLATORS: The key that clears the display and the pending operation.
    {Key::Clear, {"", N_("Clear")}},
    // TRANSLATORS: The key that ends the program; its picture says সমাপ্ত.
    {Shell::Quit, {"", N_("Quit")}},
}};

constexpr std::array<ActionText, 8> menuItems{{
    {Command::Copy, NC_("menu", "Copy")},
    // TRANSLATORS: Copies the display with the digits 0 to 9 instead of Bengali digits.
    {Command::CopyLatin, NC_("menu", "Copy with Latin digits")},
    {Command::Paste, NC_("menu", "Paste")},
    // TRANSLATORS: Adds the display to the memory.
    {Key::MemoryAdd, NC_("menu", "M +")},
    // TRANSLATORS: Subtracts the display from the memory.
    {Key::MemorySubtract, NC_("menu", "M -")},
    // TRANSLATORS: Shows the memory on the display.
    {Key::MemoryRecall, NC_("menu", "M Rc")},
    // TRANSLATORS: Sets the memory to 0.
    {Key::MemoryClear, NC_("menu", "Clear Memory")},
    {Shell::About, NC_("menu", "About")},
}};

constexpr const char* aboutFormat =
    // TRANSLATORS: The About box. %s is the version, such as 1.0.0, written with the digits
    // of the message "0123456789".
    // xgettext:c-format
    N_("Varnik Calculator %s\nA calculator whose display and keypad speak Bengali digits.");

// TRANSLATORS: The ten digits, zero to nine, that numbers in this language's texts use (such
// as the version in the About box), in that order; keep 0123456789 for Latin digits.
constexpr MessageId digits = NC_("digits", "0123456789");

template <std::size_t N>
std::string_view find(const std::array<ActionText, N>& table, const Messages& messages,
                      const Action& action) {
    for (const ActionText& row : table) {
        if (row.action == action) {
            return messages.text(row.text);
        }
    }
    return {};
}

/// The ten characters of a "digits" translation, or none unless it has exactly ten.
std::array<std::string_view, 10> splitDigits(std::string_view text) {
    std::array<std::string_view, 10> result{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1; // a UTF-8 character is its lead byte and what follows it
        while (i + length < text.size() &&
               (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) {
            ++length;
        }
        if (count == result.size()) {
            return {};
        }
        result[count++] = text.substr(i, length);
        i += length;
    }
    return count == result.size() ? result : std::array<std::string_view, 10>{};
}

} // namespace

std::string_view skinKeyName(const Messages& messages, const Action& action) {
    return find(skinKeyNames, messages, action);
}

std::string_view menuItemText(const Messages& messages, const Action& action) {
    return find(menuItems, messages, action);
}

std::string withLocalDigits(const Messages& messages, std::string_view text) {
    const std::array<std::string_view, 10> local = splitDigits(messages.text(digits));
    std::string result;
    for (const char c : text) {
        if (c >= '0' && c <= '9' && !local[0].empty()) {
            result += local[static_cast<std::size_t>(c - '0')];
        } else {
            result += c;
        }
    }
    return result;
}

std::string aboutText(const Messages& messages) {
    std::string text(messages.text(aboutFormat));
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) {
        text.replace(at, 2, withLocalDigits(messages, VARNIK_VERSION));
    }
    return text;
}

} // namespace varnik
