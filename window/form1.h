// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"
#include "control_tables.h"
#include "platform.h"
#include "pointer_input.h"
#include "skin_hover.h"
#include "typed_keys.h"
#include "window_view.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace varnik {

/// The calculator's one window as a model: what each event on it does. A front end builds its
/// controls from the control tables, feeds this model its events (pointer positions in twips of
/// the client area, button clicks) and shows what the model tells its view. The model forwards
/// keys to the engine it is given and holds no numbers of its own.
class Form1 {
public:
    /// `view` is called from load() on, when the front end's controls exist.
    Form1(Calculator& calculator, Platform& platform, WindowView& view);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    /// The window's load step, once its controls exist: no highlight, the display " ", the
    /// engine's start values.
    void load();
    /// The window became the active window. The first time only, the focus goes to the About
    /// button and the skin gate closes.
    void activate();

    /// Hides every highlight picture and gives the link label its rest colour.
    void HideAll();

    /// The pointer, in twips of the client area.
    void pointerMoved(float x, float y);
    void pointerPressed(float x, float y);
    void pointerDoubleClicked(float x, float y);
    void pointerReleased(float x, float y);

    /// A command button was clicked: by the mouse, the space bar or a screen reader.
    void clickButton(std::size_t button);
    /// A screen reader pressed a skin key: it runs as a click on the lit key would.
    void pressSkinKey(std::size_t key);
    /// The user closed the window from its title bar.
    void close();

    /// A key was typed, whichever control has the focus. True when the window took it; the front
    /// end then passes it on no further (to the focused button, say).
    bool typeKey(const TypedKey& key);
    /// The keyboard focus moved to the command button `button`. Where the button has a twin on
    /// the skin, the twin lights up as if the pointer had entered it; otherwise none is lit.
    void focusMoved(std::size_t button);
    /// A right click at (x, y), in twips: the context menu.
    void openContextMenu(float x, float y);

    /// What takes the pointer's events at (x, y) now.
    PointerTarget targetAt(float x, float y) const;
    const SkinHover& hover() const { return m_hover; }
    /// True while a message box of the window stands in front of it.
    bool boxOpen() const { return m_boxOpen; }

private:
    void dispatchMove(const PointerTarget& target, float x, float y);
    void dispatchClick(const PointerTarget& target);
    void run(const Action& action, Keypad keypad);
    void runCommand(Command command);
    void pressKey(Key key, Keypad keypad);
    void copy(bool bengaliDigits);
    void paste();
    void openLink();
    void signalError();
    void showMessage(std::string_view prompt);
    void showState();

    Calculator& m_calculator;
    Platform& m_platform;
    WindowView& m_view;
    SkinHover m_hover;
    ClickRule m_clicks;
    std::optional<std::size_t> m_focusedButton;
    bool m_activated = false;
    bool m_boxOpen = false;
};

/// The About box's text: the program's name, version and what it does.
std::string aboutText();

} // namespace varnik
