// SPDX-License-Identifier: MIT
#include "window_inputs.h"

#include "clipboard_text.h"
#include "engine_invariants.h"

#include <algorithm>

namespace varnik::test {

namespace {

// Characters a keyboard may type: the calculator's own and some it must ignore.
const char32_t typedCharacters[] = {
    U'0',      U'1',      U'2',      U'3',      U'4',      U'5',         U'6', U'7',  U'8',
    U'9',      U'.',      U'+',      U'-',      U'*',      U'/',         U'=', U'x',  U'X',
    U'\u00D7', U'\u00F7', U'\u09E6', U'\u09E9', U'\u09EF', U',',         U' ', U'\t', U'\r',
    U'a',      U'\u0661', U'\u202E', U'\0',     U'\uFFFF', U'\U0001F600'};

const KeyName namedKeys[] = {KeyName::Enter,     KeyName::Escape,        KeyName::Delete,
                             KeyName::Backspace, KeyName::Insert,        KeyName::Menu,
                             KeyName::F10,       KeyName::KeypadDecimal, KeyName::C,
                             KeyName::V,         KeyName::Other};

// Pieces of clipboard text.
const char* const pieces[] = {"1",
                              "5",
                              "9",
                              "0",
                              ".",
                              "-",
                              "+",
                              "e",
                              "E",
                              " ",
                              "\t",
                              "\n",
                              "\xE0\xA7\xA7", // ১
                              "\xE0\xA7\xAF", // ৯
                              "\xE0\xA7",     // a Bengali digit cut short
                              "\xD9\xA1",     // Arabic-Indic one
                              "\xE2\x80\xAE", // right-to-left override
                              "\xE2\x80\x8F", // right-to-left mark
                              "\xFF",
                              "\xC0\x80", // never UTF-8; an overlong NUL
                              "1e400",
                              "1e-400",
                              "99999999999999999999"};

template <typename T, std::size_t N> const T& pick(const T (&table)[N], std::uint8_t byte) {
    return table[byte % N];
}

} // namespace

InputPlayer::InputPlayer(StartedWindow& window) : m_w(window) {
    // Start-up asked for the focus on About; the toolkit reports it there.
    m_focusAsked = m_focused = m_w.view.focused;
    m_w.form.focusMoved(m_focused);
}

std::string InputPlayer::hostileText(const std::uint8_t* data, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFE) {
            text += std::string(1, '\0');
        } else if (data[i] == 0xFD && text.size() < 1024) {
            text.append(10 * 1024 * 1024, text.size() % 2 ? ' ' : '7'); // ten megabytes, once
        } else {
            text += pick(pieces, data[i]);
        }
    }
    return text;
}

Point InputPlayer::pointFrom(std::uint8_t a, std::uint8_t b) {
    // Somewhat past the client area on every side.
    return {static_cast<float>(a) * 3300 / 255 - 100, static_cast<float>(b) * 3700 / 255 - 100};
}

void InputPlayer::typeCharacter(std::uint8_t pickByte) {
    TypedKey key;
    key.character = pick(typedCharacters, pickByte);
    m_last = "type U+" + std::to_string(static_cast<unsigned long>(key.character));
    m_w.form.typeKey(key);
}

void InputPlayer::typeNamedKey(std::uint8_t pickByte, std::uint8_t modifiers) {
    TypedKey key;
    key.name = pick(namedKeys, pickByte);
    key.ctrl = modifiers & 1;
    key.shift = modifiers & 2;
    key.alt = modifiers & 4;
    m_last = "key " + std::to_string(static_cast<int>(key.name)) + " with modifiers " +
             std::to_string(modifiers & 7);
    m_w.form.typeKey(key);
}

void InputPlayer::paste(const std::string& text, bool shiftInsert) {
    m_w.platform.clipboard = text;
    TypedKey key;
    key.name = shiftInsert ? KeyName::Insert : KeyName::V;
    key.ctrl = !shiftInsert;
    key.shift = shiftInsert;
    // Only a paste the window takes now, and answers at once, must keep the promise now.
    m_before.pasted =
        !m_w.form.inputHeld() && m_w.platform.answerAtOnce && m_w.platform.clipboardReadable;
    m_before.pastedText = text;
    m_w.form.typeKey(key);
}

void InputPlayer::answerLater(std::uint8_t pickByte, const std::uint8_t* data, std::size_t size) {
    switch (pickByte % 6) {
    case 0:
        m_last = "leave the next box, menu or clipboard read open";
        m_w.platform.answerAtOnce = false;
        break;
    case 1:
        m_last = "answer at once again, and close a box";
        m_w.platform.answerAtOnce = true;
        m_w.form.messageClosed();
        break;
    case 2:
        m_last = "choose a menu item";
        m_w.form.menuChosen(size > 0 ? data[0] % 10 : 0);
        break;
    case 3:
        m_last = "dismiss the menu";
        m_w.form.menuDismissed();
        break;
    case 4:
        m_last = "the clipboard answers late";
        m_w.form.clipboardRead(hostileText(data, std::min<std::size_t>(size, 6)));
        break;
    default:
        m_last = "the clipboard cannot be read";
        m_w.form.clipboardUnreadable();
        break;
    }
}

std::size_t InputPlayer::playOne(const std::uint8_t* data, std::size_t size) {
    const auto at = [data, size](std::size_t i) -> std::uint8_t { return i < size ? data[i] : 0; };
    m_before = {m_w.calculator.state(), m_w.platform.errorSignals, false, {}, false};
    std::size_t used = 2;
    const Point point = pointFrom(at(1), at(2));
    const std::size_t key = at(1) % skinKeyCount;
    switch (at(0) % 16) {
    case 0:
        typeCharacter(at(1));
        break;
    case 1:
        typeNamedKey(at(1), at(2));
        used = 3;
        break;
    case 2: {
        const std::size_t length = std::min<std::size_t>(at(1) % 24, size > 2 ? size - 2 : 0);
        paste(hostileText(data + 2, length), at(1) >= 128);
        m_last = "paste " + std::to_string(length) + " pieces";
        used = 2 + length;
        break;
    }
    case 3: {
        // Copy, then paste the copy back: the same number, whichever digits were copied.
        TypedKey copy;
        copy.name = KeyName::C;
        copy.ctrl = true;
        copy.shift = at(1) & 1;
        m_w.platform.clipboard.reset();
        m_w.form.typeKey(copy);
        if (m_w.platform.clipboard) {
            paste(*m_w.platform.clipboard, false);
            m_before.roundTrip = m_before.pasted;
        }
        m_last = "copy and paste back";
        break;
    }
    case 4:
        m_last = "pointer moves";
        m_w.move(point);
        used = 3;
        break;
    case 5:
        m_last = "press and release";
        m_w.press(point);
        m_w.release(point);
        used = 3;
        break;
    case 6:
        m_last = "click skin key " + std::to_string(key);
        m_w.click(centreOf(skinKey(key).accessibleName));
        break;
    case 7:
        m_last = "double-click";
        m_w.form.pointerDoubleClicked(point.x, point.y);
        m_w.release(point);
        used = 3;
        break;
    case 8:
        m_last = "button " + std::to_string(at(1) % commandButtonCount);
        m_w.form.clickButton(at(1) % commandButtonCount);
        break;
    case 9:
        m_last = "focus moves";
        m_w.form.focusMoved(at(1) % (commandButtonCount + 1) < commandButtonCount
                                ? std::optional<std::size_t>(at(1) % (commandButtonCount + 1))
                                : std::nullopt);
        break;
    case 10:
        m_last = "context menu";
        m_w.platform.menuChoice =
            at(3) % 9 < 8 ? std::optional<std::size_t>(at(3) % 9) : std::nullopt;
        m_w.form.contextMenuRequested(point.x, point.y, at(3) >= 250);
        used = 4;
        break;
    case 11:
        m_last = "screen reader presses " + std::to_string(key);
        m_w.form.pressSkinKey(key);
        break;
    case 12:
        m_last = "timer fires";
        m_w.form.timerFired();
        used = 1;
        break;
    case 13:
        answerLater(at(1), data + std::min<std::size_t>(2, size), size > 2 ? size - 2 : 0);
        used = 3;
        break;
    case 14:
        m_last = "release";
        m_w.release(point);
        used = 3;
        break;
    default:
        m_last = "close box";
        m_w.form.close();
        used = 1;
        break;
    }
    // A toolkit reports the focus it was asked to move.
    if (m_w.view.focused != m_focusAsked) {
        m_focusAsked = m_w.view.focused;
        m_w.form.focusMoved(m_focusAsked);
        m_focused = m_focusAsked;
    }
    if (at(0) % 16 == 9) {
        m_focused = at(1) % (commandButtonCount + 1) < commandButtonCount
                        ? std::optional<std::size_t>(at(1) % (commandButtonCount + 1))
                        : std::nullopt;
    }
    return std::max<std::size_t>(1, std::min(used, size));
}

std::string InputPlayer::brokenPromise() const {
    const CalculatorState& state = m_w.calculator.state();
    const Scene& scene = m_w.form.scene();
    const FakeView& view = m_w.view;
    if (std::string broken = brokenInvariant(state, {}); !broken.empty()) {
        return broken;
    }
    if (scene.display.text != state.txtnum || scene.pointButtonEnabled != !state.pointFlag ||
        scene.operationCaption != operationCaption(state.pendingOperation)) {
        return "the scene does not show the engine's state";
    }
    if (view.display != scene.display.text || view.displayBackground != scene.display.background ||
        view.pointEnabled != scene.pointButtonEnabled || view.operation != scene.operationCaption ||
        view.link != scene.linkColour) {
        return "the view was not told of a change";
    }
    std::size_t lit = 0;
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        if (view.shown[key] != scene.keys[key].lit ||
            view.marked[key] != scene.keys[key].focusMark) {
            return "the view was not told of a key's change";
        }
        lit += scene.keys[key].lit;
        const bool twinOfFocus = m_focused && twinKey(*m_focused) == key;
        if (scene.keys[key].focusMark != twinOfFocus) {
            return "the focus mark is not on the focused button's twin";
        }
    }
    if (lit > 1) {
        return "more than one key lit";
    }
    const int signals = m_w.platform.errorSignals;
    if (static_cast<std::size_t>(signals) != m_w.platform.timers.size()) {
        return "an error signal without a flash";
    }
    if (signals > m_before.errorSignals && scene.display.background != displayFlashColour) {
        return "a failure that does not flash";
    }
    if (m_before.pasted) {
        const auto shown = pastedDisplayText(m_before.pastedText);
        if (!shown) {
            const CalculatorState& old = m_before.state;
            if (state.txtnum != old.txtnum || state.pointFlag != old.pointFlag ||
                state.appendFlag != old.appendFlag || signals != m_before.errorSignals + 1) {
                return "a refused paste changed something or was not signalled";
            }
        } else if (state.txtnum != *shown || signals != m_before.errorSignals) {
            return "a good paste does not show its number as a result";
        }
    }
    if (m_before.roundTrip) {
        const auto copied = parseNumber(m_before.state.txtnum);
        if (copied && parseNumber(state.txtnum) != copied) {
            return "copying the display and pasting it back changed the number";
        }
    }
    return {};
}

} // namespace varnik::test
