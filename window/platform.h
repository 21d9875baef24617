// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnik {

/// The few desktop services the window relies on, one implementation per front end. Tests
/// replace the ones that would leave the test process (ending the program, starting a browser).
class Platform {
public:
    virtual ~Platform() = default;

    /// A modal message box in front of the window: the prompt, one OK button, no icon, the title
    /// "Varnik Calculator". Returns when the user has closed it.
    virtual void showMessage(std::string_view prompt) = 0;
    /// Opens a web address in the desktop's browser without waiting for it. Returns false when
    /// nothing could open it.
    virtual bool openWebAddress(std::string_view address) = 0;
    /// A key failed: the desktop's short error signal, and the calculator goes on.
    virtual void signalError() = 0;
    /// Ends the program at once.
    virtual void endProgram() = 0;

    /// Puts UTF-8 text on the desktop's clipboard.
    virtual void copyToClipboard(std::string_view text) = 0;
    /// The clipboard's text as UTF-8; nothing when it holds no text.
    virtual std::optional<std::string> clipboardText() = 0;

    /// One item of a pop-up menu. A label may carry its key after a tab: "Copy\tCtrl+C".
    struct MenuItem {
        std::string label;
        bool enabled;
        bool separatorBefore;
    };
    /// Pops up a menu at (x, y), in twips of the window's client area, and returns the index of
    /// the item chosen, or nothing when the menu was dismissed.
    virtual std::optional<std::size_t> popUpMenu(const std::vector<MenuItem>& items, float x,
                                                 float y) = 0;
};

} // namespace varnik
