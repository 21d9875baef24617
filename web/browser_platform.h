// SPDX-License-Identifier: MIT
#pragma once

#include "dom.h"
#include "platform.h"

#include <optional>
#include <string>
#include <vector>

namespace varnik {
class Form1;
}

namespace varnik::web {

/// The desktop services in a browser: the page's own message box (a modal dialog) and context
/// menu, a new tab for the link, a short tone through Web Audio, the end of the calculator,
/// the clipboard, and a timer. Nothing waits: every answer comes back to the model through
/// main.cpp's handlers.
class BrowserPlatform : public Platform {
public:
    BrowserPlatform();

    void attach(Form1& model) { m_model = &model; }

    void showMessage(std::string_view prompt, std::string_view description) override;
    void announce(std::string_view text) override;
    bool openWebAddress(std::string_view address) override;
    void signalError() override;
    void endProgram() override;
    void copyToClipboard(std::string_view text) override;
    void readClipboard(bool toPaste) override;
    void popUpMenu(const std::vector<MenuItem>& items, float x, float y) override;
    void startTimer(int milliseconds) override;

    /// A key the box or the menu in front of the window takes, or the page's own after the
    /// end (Enter on "Start again"): true when it was theirs.
    bool keyForPage(val event);
    /// Around a typed key's trip through the model: a key that pastes pastes what the browser's
    /// own paste event brings, so that no permission is asked. keyEnds() is true when the
    /// browser's default action must follow the key for that.
    void keyStarts();
    bool keyEnds();
    /// The page's paste event brought this text.
    void pasted(const std::string& text);

    // The answers, from main.cpp's handlers.
    void boxClosed();
    void menuItemClicked(val event);
    void pointerOutsideMenu(val event);
    void clipboardText(val text);
    void clipboardFailed();
    void timerFired();

private:
    void closeMenu(std::optional<std::size_t> chosen);
    void highlightMenuItem(int step);
    void restoreFocus();

    Form1* m_model = nullptr;
    val m_box;
    val m_menu;
    val m_focusBefore = val::null();
    val m_timer = val::null();
    val m_audio = val::null();
    std::vector<bool> m_menuEnabled; ///< the open menu's items; empty while it is closed
    int m_menuActive = -1;
    bool m_inTypedKey = false;
    bool m_pasteByEvent = false;
    bool m_boxShown = false;
    bool m_ended = false;
};

} // namespace varnik::web
