// SPDX-License-Identifier: MIT
#pragma once

namespace varnik {

/// Every key of the calculator. Both keypads press the same keys; the memory keys exist
/// only among the command buttons, Backspace only on the keyboard.
enum class Key {
    One,
    Two,
    Three,
    Four,
    Five,
    Six,
    Seven,
    Eight,
    Nine,
    Zero,
    Point,
    Clear,
    Add,
    Subtract,
    Multiply,
    Divide,
    Equals,
    MemoryAdd,
    MemorySubtract,
    MemoryRecall,
    MemoryClear,
    Backspace, ///< removes the last character of a number being typed
};

/// Which keypad pressed a key: a few keys behave differently on the skin.
enum class Keypad {
    CommandButton,
    Skin,
};

/// Why a key failed.
enum class Failure {
    None,
    NotANumber,       ///< the display holds no number
    Overflow,         ///< a finite result beyond the 64-bit range
    DivisionByZero,   ///< a non-zero number divided by zero
    InvalidOperation, ///< zero divided by zero
};

/// How a failure is to be shown to the user.
enum class Report {
    None,        ///< nothing failed
    MessageBox,  ///< the equals button: the empty message box
    Silent,      ///< the skin equals key: nothing at all
    ErrorReport, ///< any other key: the platform's short error signal
};

/// What one key press did.
struct KeyResult {
    Failure failure = Failure::None;
    Report report = Report::None;

    bool failed() const { return failure != Failure::None; }
};

} // namespace varnik
