// SPDX-License-Identifier: MIT
#include "form1.h"

#include "clipboard_text.h"
#include "context_menu.h"
#include "controls.h"

namespace varnik {

std::string aboutText() {
    const std::string version = VARNIK_VERSION;
    return std::string(windowCaption) + " " + version +
           "\nA calculator whose display and keypad speak Bengali digits.";
}

Form1::Form1(Calculator& calculator, Platform& platform, WindowView& view)
    : m_calculator(calculator), m_platform(platform), m_view(view), m_hover(view) {}

void Form1::load() {
    HideAll();
    m_calculator.load();
    showState();
}

void Form1::activate() {
    if (m_activated) {
        return; // switching programs and back does not run it again
    }
    m_activated = true;
    m_view.focusButton(buttonRow(Shell::About));
    m_calculator.activate();
}

void Form1::HideAll() {
    m_hover.HideAll();
}

PointerTarget Form1::targetAt(float x, float y) const {
    return varnik::targetAt(x, y, m_hover);
}

void Form1::pointerMoved(float x, float y) {
    if (!m_boxOpen) {
        dispatchMove(m_clicks.moveTarget(targetAt(x, y)), x, y);
    }
}

void Form1::pointerPressed(float x, float y) {
    if (!m_boxOpen) {
        m_clicks.press(targetAt(x, y));
    }
}

void Form1::pointerDoubleClicked(float x, float y) {
    if (!m_boxOpen) {
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
        run(skinKeys[target.key].action, Keypad::Skin);
        break;
    case PointerTarget::Kind::NormalPicture:
        if (const auto& action = skinKeys[target.key].normalClick) {
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
    run(commandButtons[button].action, Keypad::CommandButton);
}

void Form1::pressSkinKey(std::size_t key) {
    run(skinKeys[key].action, Keypad::Skin);
}

void Form1::close() {
    m_platform.endProgram();
}

bool Form1::typeKey(const TypedKey& key) {
    const std::optional<Action> action = actionForTypedKey(key);
    if (!action || m_boxOpen) {
        return false;
    }
    // Typed keys act as the hidden command buttons do: never through the skin gate.
    run(*action, Keypad::CommandButton);
    return true;
}

void Form1::focusMoved(std::size_t button) {
    if (m_focusedButton == button) {
        return; // the focus coming back, after a box or from another program, is no move
    }
    m_focusedButton = button;
    if (const auto twin = twinKey(button)) {
        m_hover.enterKey(*twin);
    } else {
        m_hover.HideAll();
    }
}

void Form1::openContextMenu(float x, float y) {
    if (m_boxOpen) {
        return;
    }
    const auto chosen = m_platform.popUpMenu(
        contextMenuItems(m_calculator.state(), m_platform.clipboardText()), x, y);
    if (chosen) {
        run(contextMenuAction(*chosen), Keypad::CommandButton);
    }
}

void Form1::run(const Action& action, Keypad keypad) {
    // While a message box stands in front of the window no click reaches it; a screen reader's
    // press must not either.
    if (m_boxOpen) {
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
        showMessage(aboutText());
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
    const KeyResult result = m_calculator.press(key, keypad);
    showState();
    switch (result.report) {
    case Report::None:
    case Report::Silent:
        break;
    case Report::MessageBox:
        showMessage("");
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
        paste();
        break;
    case Command::ContextMenu:
        // From the keyboard: at the display's lower left corner.
        openContextMenu(static_cast<float>(displayGeometry.left),
                        static_cast<float>(displayGeometry.top + displayGeometry.height));
        break;
    }
}

void Form1::copy(bool bengaliDigits) {
    if (const auto text = copyText(m_calculator.state().txtnum, bengaliDigits)) {
        m_platform.copyToClipboard(*text);
    }
}

void Form1::paste() {
    const KeyResult result = m_calculator.paste(m_platform.clipboardText().value_or(""));
    showState();
    if (result.failed()) {
        signalError();
    }
}

void Form1::openLink() {
    if (!m_platform.openWebAddress(linkTarget)) {
        signalError(); // nothing could open it
    }
}

void Form1::signalError() {
    m_platform.signalError();
    m_view.flashDisplay(); // seen where no sound is heard
}

void Form1::showMessage(std::string_view prompt) {
    m_boxOpen = true;
    m_platform.showMessage(prompt);
    m_boxOpen = false;
}

void Form1::showState() {
    const CalculatorState& state = m_calculator.state();
    m_view.showDisplay(state.txtnum);
    m_view.enablePointButton(state.cmdpointEnabled());
    m_view.showOperation(operationCaption(state.pendingOperation));
}

} // namespace varnik
