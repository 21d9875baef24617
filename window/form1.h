// SPDX-License-Identifier: MIT
#pragma once

#include "announcements.h"
#include "calculator.h"
#include "messages.h"
#include "platform.h"
#include "pointer_input.h"
#include "scene.h"
#include "skin_hover.h"
#include "typed_keys.h"
#include "window_view.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnik {

/// What a screen reader is told about a skin key, the same on every desktop.
struct AccessibleKey {
    std::string_view name;   ///< what the key does: "seven", "plus", "divided by" …
    std::string_view action; ///< its one action, which presses it
};

/// The calculator's one window as a model: what each event on it does, and the scene a front
/// end draws. A front end builds its controls from the key table, feeds this model its events
/// (pointer positions in twips of the client area, button clicks, typed keys, the answers of
/// its platform) and draws the scene when the view is told it changed. The model forwards keys
/// to the engine it is given and holds no numbers of its own.
class Form1 {
public:
    /// `view` is called from load() on, when the front end's controls exist. The words around
    /// the numbers (menus, the About box, screen readers' names) are those of `messages`.
    Form1(Calculator& calculator, Platform& platform, WindowView& view,
          const Messages& messages = messagesFor("en"));
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    /// The window's load step, once its controls exist: no highlight, the display " ",
    /// right-aligned, the engine's start values.
    void load();
    /// The window became the active window. The first time only, the focus goes to the About
    /// button and the skin gate closes.
    void activate();

    /// Hides every highlight picture and gives the link label its rest colour.
    void HideAll();

    /// The desktop's high-contrast setting, as the front end reads it from its platform, at
    /// start and whenever it changes: on, the window's background, the display, the link and
    /// the focus mark take the desktop's readable colours (windowColours()); off, the
    /// window's own.
    void setHighContrast(bool on);

    /// The pointer, in twips of the client area.
    void pointerMoved(float x, float y);
    void pointerPressed(float x, float y);
    void pointerDoubleClicked(float x, float y);
    void pointerReleased(float x, float y);

    /// A command button was clicked: by the mouse, the space bar or a screen reader.
    void clickButton(std::size_t button);
    /// The user closed the window from its title bar.
    void close();

    /// A key was typed, whichever control has the focus. True when the window took it; the front
    /// end then passes it on no further (to the focused button, say).
    bool typeKey(const TypedKey& key);
    /// The keyboard focus moved to command button `button`, or left the window (nothing).
    /// The focused button's twin on the skin shows the focus mark; the pointer's highlight stays
    /// as it is.
    void focusMoved(std::optional<std::size_t> button);
    /// Where Tab (or Shift+Tab) takes the focus from the focused button, for a front end whose
    /// toolkit does not walk the buttons itself.
    std::size_t nextFocus(bool backwards) const;

    /// The desktop asks for the context menu: a right click at (x, y), in twips, or a key of
    /// the toolkit's own (`fromKeyboard`).
    void contextMenuRequested(float x, float y, bool fromKeyboard);

    // The platform's answers.
    void messageClosed();
    void menuChosen(std::size_t item);
    void menuDismissed();
    void clipboardRead(std::optional<std::string> text);
    void clipboardUnreadable();
    void timerFired();

    // Screen readers: the skin keys as push buttons.
    AccessibleKey accessibleKey(std::size_t key) const;
    /// What a screen reader calls command button `button`, in words ("times", "memory plus"),
    /// whatever its caption.
    std::string_view accessibleButtonName(std::size_t button) const;
    /// The skin key at (x, y), in twips, whatever picture it shows.
    std::optional<std::size_t> skinKeyAt(float x, float y) const;
    /// A screen reader pressed a skin key: it runs as a click on the lit key would.
    void pressSkinKey(std::size_t key);

    /// What a front end draws.
    const Scene& scene() const { return m_scene; }
    /// The language of the words around the numbers, for a front end's own.
    const Messages& messages() const { return m_messages; }
    /// What takes the pointer's events at (x, y) now.
    PointerTarget targetAt(float x, float y) const;
    /// True while a message box or the context menu stands in front of the window: no input
    /// reaches the window then.
    bool inputHeld() const { return m_boxOpen || m_menu.has_value(); }

private:
    enum class ClipboardWanted {
        Nothing,
        Paste,
        Menu
    };

    void dispatchMove(const PointerTarget& target, float x, float y);
    void dispatchClick(const PointerTarget& target);
    void run(const Action& action, Keypad keypad);
    void runCommand(Command command);
    void pressKey(Key key, Keypad keypad);
    /// Shows the engine's new state and tells the user what `key` (a paste when none) did.
    void report(std::optional<Key> key, const KeyResult& result, const CalculatorState& before);
    void copy(bool bengaliDigits);
    void paste(std::string_view text);
    void openMenu(bool canPaste);
    void openLink();
    void announce(std::string_view text);
    void fail(FailureReason reason);
    void signalError();
    void showMessage(std::string_view prompt, std::string_view description);
    void showState();
    void setFocusMark(std::optional<std::size_t> key);
    void colourDisplay();

    Calculator& m_calculator;
    Platform& m_platform;
    WindowView& m_view;
    const Messages& m_messages;
    Scene m_scene;
    SkinHover m_hover;
    ClickRule m_clicks;
    std::optional<std::size_t> m_focusedButton;
    bool m_activated = false;
    bool m_flashing = false;
    bool m_highContrast = false;
    bool m_boxOpen = false;
    /// The context menu while it is open: its items' actions.
    std::optional<std::vector<Action>> m_menu;
    ClipboardWanted m_clipboardWanted = ClipboardWanted::Nothing;
    float m_menuX = 0;
    float m_menuY = 0;
};

} // namespace varnik
