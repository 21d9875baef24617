// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"
#include "messages.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnik {

// What a screen reader says after each action: the display, a word for a blank one, or why
// the action failed. The same words on every desktop, in the user's language.

/// Why an action failed, as the user hears it.
enum class FailureReason {
    DivisionByZero,
    ResultTooLarge,
    NotANumber,
    PastedTextNoNumber,
    MemoryOverflow,
    ClipboardUnreadable,
    NoBrowser,
};

/// The reason in words, short.
std::string_view reasonText(const Messages& messages, FailureReason reason);

/// Why key `key` failed with `failure` (a paste when there is no key).
FailureReason reasonFor(std::optional<Key> key, Failure failure);

/// The display's text as a voice is to read it: Latin digits, which every voice reads; a word
/// for a blank display and for a point that ends it; an exponent in words.
std::string spokenDisplay(const Messages& messages, std::string_view txtnum);

/// What a screen reader is told after key `key` (a paste when there is none) took the engine
/// from `before` to `after` with `result`: the display where it changed, or where the key shows
/// it (equals that computed, Clear, M Rc, a paste, a new number's first digit); the reason of
/// a failure (the description of a failure's box); "" for nothing.
std::string announcement(const Messages& messages, std::optional<Key> key, const KeyResult& result,
                         const CalculatorState& before, const CalculatorState& after);

} // namespace varnik
