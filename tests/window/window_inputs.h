// SPDX-License-Identifier: MIT
#pragma once

#include "fakes.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace varnik::test {

/// Plays bytes as a user's inputs on a started window, each input checked against what the
/// window promises. A byte picks the input, the bytes after it its details: typed keys of every
/// kind, pastes of hostile text, copy-then-paste round trips, the pointer, the hidden buttons,
/// focus moves, the context menu, screen readers, and the platform answering late (a box left
/// open, a menu answered later, a timer). Plain C++: the window tests' random runs and the
/// window fuzzer both use it.
class InputPlayer {
public:
    explicit InputPlayer(StartedWindow& window);

    /// Plays the input that starts at data[0]; returns how many bytes it took (at least one).
    std::size_t playOne(const std::uint8_t* data, std::size_t size);
    /// What the last input was, for a report.
    const std::string& lastInput() const { return m_last; }
    /// What the window broke with the last input, or "" when it kept every promise: the
    /// engine's invariants; the scene showing the engine's state; the view told every change;
    /// a refused paste changing nothing and signalling, a good one showing the number as a
    /// result; every error signal flashing the display; at most one key lit; the focus mark
    /// only on the focused button's twin.
    std::string brokenPromise() const;

    /// Text for the clipboard from `size` bytes: broken UTF-8, NULs, bidi marks, other
    /// scripts' digits, numbers in either digits, and now and then ten megabytes.
    static std::string hostileText(const std::uint8_t* data, std::size_t size);

private:
    struct Before {
        CalculatorState state;
        int errorSignals = 0;
        bool pasted = false;
        std::string pastedText;
        bool roundTrip = false; ///< the display was copied and pasted back
    };

    void typeCharacter(std::uint8_t pick);
    void typeNamedKey(std::uint8_t pick, std::uint8_t modifiers);
    void paste(const std::string& text, bool shiftInsert);
    void answerLater(std::uint8_t pick, const std::uint8_t* data, std::size_t size);
    static Point pointFrom(std::uint8_t a, std::uint8_t b);

    StartedWindow& m_w;
    std::string m_last;
    Before m_before;
    std::optional<std::size_t> m_focusAsked; ///< where the model last asked for the focus
    std::optional<std::size_t> m_focused;    ///< where the focus is
};

} // namespace varnik::test
