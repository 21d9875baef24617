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

// The web page's words that the site's build writes, found by their context: "page …" the
// page's own, "manifest X" the installed page's field X (a phone or desktop lists these).

inline constexpr MessageId notStartedText =
    // TRANSLATORS: The web page's line when its program cannot start (no network on the first
    // visit, or a browser that cannot run it).
    NC_("page not started", "Varnik Calculator could not start.");
// TRANSLATORS: The web page's link under "Varnik Calculator could not start.": loads it again.
inline constexpr MessageId tryAgainText = NC_("page try again", "Try again");

// TRANSLATORS: The program's name where it is listed; a name, so it may stay as it is.
inline constexpr MessageId appName = NC_("manifest name", "Varnik Calculator");
// TRANSLATORS: The program's name under its icon on a phone: a word or two.
inline constexpr MessageId appShortName = NC_("manifest short_name", "Varnik");
inline constexpr MessageId appDescription =
    // TRANSLATORS: What the program is, in the list of installed web programs.
    NC_("manifest description", "A calculator whose display and keypad speak Bengali digits.");

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
