// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varnik {

/// The few desktop services the window relies on, one implementation per front end. No call
/// waits for the user: what the user answers, and what happens later, comes back to the window
/// model as an event (Form1::messageClosed(), menuChosen(), menuDismissed(), clipboardRead(),
/// timerFired()). A front end may answer at once, from inside the call, when its toolkit shows
/// boxes and menus modally. Tests replace the services that would leave the test process.
class Platform {
public:
    virtual ~Platform() = default;

    /// Shows a message box in front of the window: the prompt, one OK button, no icon, the
    /// title "Varnik Calculator". `description` is what screen readers are told about it (why a
    /// key failed; empty for none): its accessible description, read with the box, or where a
    /// desktop's boxes have none, announced as the box opens. Form1::messageClosed() follows
    /// when the user closes it.
    virtual void showMessage(std::string_view prompt, std::string_view description) = 0;
    /// Has a screen reader speak `text` politely, after what it is saying now (a key's echo),
    /// through the desktop's channel for announcements, wherever the focus is. A failure shown
    /// in a box is not announced: the box's description says it.
    virtual void announce(std::string_view text) = 0;
    /// Opens a web address in the desktop's browser without waiting for it. Returns false when
    /// nothing could open it.
    virtual bool openWebAddress(std::string_view address) = 0;
    /// A key failed: the desktop's short error signal, and the calculator goes on.
    virtual void signalError() = 0;
    /// Ends the program at once.
    virtual void endProgram() = 0;

    /// Puts UTF-8 text on the desktop's clipboard.
    virtual void copyToClipboard(std::string_view text) = 0;
    /// Asks for the clipboard's text: to paste it, or only to see whether it holds a number.
    /// Form1::clipboardRead() follows with it, or Form1::clipboardUnreadable() where the
    /// clipboard cannot be read now (a browser that would have to ask the user, which it does
    /// only for a paste).
    virtual void readClipboard(bool toPaste) = 0;

    /// One item of a pop-up menu, and the key that does the same, if any ("Ctrl+C").
    struct MenuItem {
        std::string label;
        std::string shortcut;
        bool enabled;
        bool separatorBefore;
    };
    /// Pops up a menu at (x, y), in twips of the window's client area. Form1::menuChosen()
    /// follows with the index of the item chosen, or Form1::menuDismissed().
    virtual void popUpMenu(const std::vector<MenuItem>& items, float x, float y) = 0;

    /// Form1::timerFired() follows once, `milliseconds` from now. A new request replaces one
    /// still waiting.
    virtual void startTimer(int milliseconds) = 0;
};

} // namespace varnik
