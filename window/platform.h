// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

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
};

} // namespace varnik
