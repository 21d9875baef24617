// SPDX-License-Identifier: MIT
#include "form1.h"

#include "announcements.h"
#include "clipboard_text.h"
#include "context_menu.h"
#include "texts.h"

namespace varnik {

Form1::Form1(Calculator& calculator, Platform& platform, WindowView& view, const Messages& messages)
    : m_calculator(calculator), m_platform(platform), m_view(view), m_messages(messages),
      m_hover(m_scene, view) {}

void Form1::load() {
    HideAll();
    m_calculator.load();
    m_scene.display.rightAligned = true;
    showState();
}

void Form1::activate() {
    if (m_activated) {
        return; // switching programs and back does not run it again
    }
    m_activated = true;
    m_view.focusButton(aboutButton);
    m_calculator.activate();
}

void Form1::HideAll() {
    m_hover.HideAll();
}

void Form1::setHighContrast(bool on) {
    if (m_highContrast == on) {
        return;
    }
    m_highContrast = on;
    const WindowColours& colours = windowColours(on);
    m_scene.background = colours.background;
    m_scene.focusMarkLines = colours.focusMarkLines;
    m_hover.setColours(colours);
    colourDisplay();
    m_view.coloursChanged();
}

void Form1::colourDisplay() {
    const WindowColours& colours = windowColours(m_highContrast);
    m_scene.display.background = m_flashing ? colours.flashBackground : colours.displayBackground;
    m_scene.display.textColour = m_flashing ? colours.flashText : colours.displayText;
}

PointerTarget Form1::targetAt(float x, float y) const {
    return varnik::targetAt(x, y, m_scene);
}

void Form1::pointerMoved(float x, float y) {
    if (!inputHeld()) {
        dispatchMove(m_clicks.moveTarget(targetAt(x, y)), x, y);
    }
}

void Form1::pointerPressed(float x, float y) {
    if (!inputHeld()) {
        m_clicks.press(targetAt(x, y));
    }
}

void Form1::pointerDoubleClicked(float x, float y) {
    if (!inputHeld()) {
        m_clicks.doubleClick(targetAt(x, y));
    }
}

void Form1::pointerReleased(float x, float y) {
    if (const auto clicked = m_clicks.release(x, y)) {
        dispatchClick(*clicked);
    }
}

void Form1::dispatchMove(const PointerTarget& target, float x, float y) {
    switch (target.kind) {
    case PointerTarget::Kind::NormalPicture:
        m_hover.enterKey(target.key);
        break;
    case PointerTarget::Kind::LinkLabel:
        m_hover.hoverLink();
        break;
    case PointerTarget::Kind::BareWindow:
        m_hover.leaveTest(x, y);
        break;
    case PointerTarget::Kind::HighlightPicture:
        break; // covers its key while the pointer is on it: nothing to do
    }
}

void Form1::dispatchClick(const PointerTarget& target) {
    switch (target.kind) {
    case PointerTarget::Kind::HighlightPicture:
        run(skinAction(target.key), Keypad::Skin);
        break;
    case PointerTarget::Kind::NormalPicture:
        if (const auto& action = skinKey(target.key).normalClick) {
            run(*action, Keypad::Skin);
        }
        break;
    case PointerTarget::Kind::LinkLabel:
        run(Shell::Link, Keypad::Skin);
        break;
    case PointerTarget::Kind::BareWindow:
        break;
    }
}

void Form1::clickButton(std::size_t button) {
    if (button < commandButtonCount) {
        run(buttonAction(button), Keypad::CommandButton);
    }
}

void Form1::close() {
    m_platform.endProgram();
}

bool Form1::typeKey(const TypedKey& key) {
    const std::optional<Action> action = actionForTypedKey(key);
    if (!action || inputHeld()) {
        return false;
    }
    // Typed keys act as the hidden command buttons do: never through the skin gate.
    run(*action, Keypad::CommandButton);
    return true;
}

void Form1::focusMoved(std::optional<std::size_t> button) {
    if (button && *button >= commandButtonCount) {
        button.reset();
    }
    m_focusedButton = button;
    setFocusMark(button ? twinKey(*button) : std::nullopt);
}

void Form1::setFocusMark(std::optional<std::size_t> marked) {
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        const bool mark = marked == key;
        if (m_scene.keys[key].focusMark != mark) {
            m_scene.keys[key].focusMark = mark;
            m_view.skinKeyChanged(key);
        }
    }
}

std::size_t Form1::nextFocus(bool backwards) const {
    return nextInTabOrder(m_focusedButton.value_or(aboutButton), backwards,
                          m_scene.pointButtonEnabled);
}

void Form1::contextMenuRequested(float x, float y, bool fromKeyboard) {
    // The Menu key and Shift+F10 come as typed keys and have opened the menu already: a
    // toolkit's own keyboard request is the same key seen a second time.
    if (fromKeyboard || inputHeld()) {
        return;
    }
    m_menuX = x;
    m_menuY = y;
    // Paste is offered only when the clipboard holds a number: ask what it holds first.
    m_clipboardWanted = ClipboardWanted::Menu;
    m_platform.readClipboard(false);
}

void Form1::openMenu(bool canPaste) {
    ContextMenu menu = contextMenu(m_calculator.state(), canPaste, m_messages);
    m_menu = std::move(menu.actions);
    m_platform.popUpMenu(menu.items, m_menuX, m_menuY);
}

void Form1::menuChosen(std::size_t item) {
    if (!m_menu) {
        return;
    }
    const std::vector<Action> actions = std::move(*m_menu);
    m_menu.reset();
    if (item < actions.size()) {
        run(actions[item], Keypad::CommandButton);
    }
}

void Form1::menuDismissed() {
    m_menu.reset();
}

void Form1::clipboardRead(std::optional<std::string> text) {
    const ClipboardWanted wanted = m_clipboardWanted;
    m_clipboardWanted = ClipboardWanted::Nothing;
    switch (wanted) {
    case ClipboardWanted::Paste:
        paste(text.value_or(""));
        break;
    case ClipboardWanted::Menu:
        openMenu(text && readPastedNumber(*text).has_value());
        break;
    case ClipboardWanted::Nothing:
        break;
    }
}

void Form1::clipboardUnreadable() {
    const ClipboardWanted wanted = m_clipboardWanted;
    m_clipboardWanted = ClipboardWanted::Nothing;
    switch (wanted) {
    case ClipboardWanted::Paste:
        fail(FailureReason::ClipboardUnreadable); // nothing pasted
        break;
    case ClipboardWanted::Menu:
        openMenu(true); // whether it holds a number shows when Paste is chosen
        break;
    case ClipboardWanted::Nothing:
        break;
    }
}

void Form1::messageClosed() {
    m_boxOpen = false;
}

void Form1::timerFired() {
    if (m_flashing) {
        m_flashing = false;
        colourDisplay();
        m_view.displayChanged();
    }
}

AccessibleKey Form1::accessibleKey(std::size_t key) const {
    return {m_messages.text(skinKey(key).accessibleName), m_messages.text(pressActionName)};
}

std::string_view Form1::accessibleButtonName(std::size_t button) const {
    return button < commandButtonCount ? m_messages.text(buttonAccessibleName(button))
                                       : std::string_view();
}

std::optional<std::size_t> Form1::skinKeyAt(float x, float y) const {
    const PointerTarget target = targetAt(x, y);
    if (target.kind == PointerTarget::Kind::NormalPicture ||
        target.kind == PointerTarget::Kind::HighlightPicture) {
        return target.key;
    }
    return std::nullopt;
}

void Form1::pressSkinKey(std::size_t key) {
    if (key < skinKeyCount) {
        run(skinAction(key), Keypad::Skin);
    }
}

void Form1::run(const Action& action, Keypad keypad) {
    // While a box or the menu stands in front of the window no click reaches it; a screen
    // reader's press or a typed key must not either.
    if (inputHeld()) {
        return;
    }
    if (const Key* key = std::get_if<Key>(&action)) {
        pressKey(*key, keypad);
        return;
    }
    if (const Command* command = std::get_if<Command>(&action)) {
        runCommand(*command);
        return;
    }
    switch (std::get<Shell>(action)) {
    case Shell::About:
        showMessage(aboutText(m_messages), "");
        break;
    case Shell::Quit:
        m_platform.endProgram();
        break;
    case Shell::Link:
        openLink();
        break;
    }
}

void Form1::pressKey(Key key, Keypad keypad) {
    const CalculatorState before = m_calculator.state();
    const KeyResult result = m_calculator.press(key, keypad);
    report(key, result, before);
}

void Form1::report(std::optional<Key> key, const KeyResult& result, const CalculatorState& before) {
    showState();
    const std::string spoken = announcement(m_messages, key, result, before, m_calculator.state());
    if (result.report == Report::MessageBox) {
        // The prompt stays empty; the reason is the box's description, which screen readers
        // read with the box: announced as well, it would be heard twice.
        showMessage("", spoken);
        return;
    }
    announce(spoken);
    switch (result.report) {
    case Report::None:
    case Report::Silent:
    case Report::MessageBox:
        break;
    case Report::ErrorReport:
        signalError();
        break;
    }
}

void Form1::runCommand(Command command) {
    switch (command) {
    case Command::Copy:
        copy(true);
        break;
    case Command::CopyLatin:
        copy(false);
        break;
    case Command::Paste:
        m_clipboardWanted = ClipboardWanted::Paste;
        m_platform.readClipboard(true);
        break;
    case Command::ContextMenu:
        // From the keyboard: at the display's lower left corner.
        contextMenuRequested(static_cast<float>(displayGeometry.left),
                             static_cast<float>(displayGeometry.top + displayGeometry.height),
                             false);
        break;
    case Command::FocusNext:
    case Command::FocusPrevious:
        m_view.focusButton(nextFocus(command == Command::FocusPrevious));
        break;
    }
}

void Form1::copy(bool bengaliDigits) {
    if (const auto text = copyText(m_calculator.state().txtnum, bengaliDigits)) {
        m_platform.copyToClipboard(*text);
    }
}

void Form1::paste(std::string_view text) {
    const CalculatorState before = m_calculator.state();
    const KeyResult result = m_calculator.paste(text);
    report(std::nullopt, result, before);
}

void Form1::openLink() {
    if (!m_platform.openWebAddress(linkTarget)) {
        fail(FailureReason::NoBrowser);
    }
}

void Form1::announce(std::string_view text) {
    if (!text.empty()) {
        m_platform.announce(text);
    }
}

void Form1::fail(FailureReason reason) {
    announce(reasonText(m_messages, reason));
    signalError();
}

void Form1::signalError() {
    m_platform.signalError();
    // Seen where no sound is heard: the display flashes until the timer ends it. A failure
    // during the flash starts it afresh.
    if (!m_flashing) {
        m_flashing = true;
        colourDisplay();
        m_view.displayChanged();
    }
    m_platform.startTimer(displayFlashMilliseconds);
}

void Form1::showMessage(std::string_view prompt, std::string_view description) {
    // Held from the request on: the box may close before the call returns.
    m_boxOpen = true;
    m_platform.showMessage(prompt, description);
}

void Form1::showState() {
    const CalculatorState& state = m_calculator.state();
    if (m_scene.display.text != state.txtnum) {
        m_scene.display.text = state.txtnum;
        m_view.displayChanged();
    }
    if (m_scene.pointButtonEnabled != state.cmdpointEnabled()) {
        m_scene.pointButtonEnabled = state.cmdpointEnabled();
        m_view.pointButtonChanged();
        // A disabled button cannot keep the focus: it moves on as Tab would move it.
        if (!m_scene.pointButtonEnabled && m_focusedButton == pointButton) {
            m_view.focusButton(nextFocus(false));
        }
    }
    const std::string_view caption = operationCaption(state.pendingOperation);
    if (m_scene.operationCaption != caption) {
        m_scene.operationCaption = std::string(caption);
        m_view.operationChanged();
    }
}

} // namespace varnik
