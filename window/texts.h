// SPDX-License-Identifier: MIT
#pragma once

#include "control_tables.h"
#include "messages.h"

#include <string>
#include <string_view>

namespace varnik {

// The words around the numbers, in English; Messages::text gives them in the user's language.
// What stays English in every language is not marked: the window's caption and the message
// boxes' title ("Varnik Calculator"), the hidden buttons' captions and the link's address.

// TRANSLATORS: What a screen reader calls the calculator's display.
inline constexpr const char* displayAccessibleName = N_("Display");
// TRANSLATORS: The action of a key for screen readers, as in "seven, push button, Press".
inline constexpr const char* pressActionName = N_("Press");
// TRANSLATORS: What a screen reader calls the group of the 18 picture keys.
inline constexpr const char* keypadAccessibleName = N_("Keypad");

// TRANSLATORS: The web page's line once the calculator has quit.
inline constexpr const char* endedText = N_("Varnik Calculator has ended.");
// TRANSLATORS: The web page's button under "Varnik Calculator has ended.".
inline constexpr const char* startAgainText = N_("Start again");
// TRANSLATORS: The button of the web page's message boxes.
inline constexpr const char* okText = N_("OK");

// The web page's manifest: what a phone or desktop lists when the page is installed.
// TRANSLATORS: The program's name where it is listed; a name, so it may stay as it is.
inline constexpr const char* appName = N_("Varnik Calculator");
// TRANSLATORS: The program's name under its icon on a phone: a word or two.
inline constexpr const char* appShortName = N_("Varnik");
inline constexpr const char* appDescription =
    // TRANSLATORS: What the program is, in the list of installed web programs.
    N_("A calculator whose display and keypad speak Bengali digits.");

inline constexpr MessageId windowsFileDescription =
    // TRANSLATORS: The program file's description on Windows (the file's properties and Task
    // Manager).
    NC_("Windows file description", "Varnik Calculator: a calculator that speaks Bengali digits");

/// What a screen reader calls the picture key that runs `action`; "" for an action without one.
std::string_view skinKeyName(const Messages& messages, const Action& action);

/// The About box's text, with the version in the language's digits.
std::string aboutText(const Messages& messages);

/// `text` with its digits 0 to 9 in the language's digits (Bengali digits in Bengali); every
/// other character stays, as on the display.
std::string withLocalDigits(const Messages& messages, std::string_view text);

} // namespace varnik
