// SPDX-License-Identifier: MIT
#pragma once

#include "platform.h"

class QWidget;

namespace varnik {

/// The desktop services of a Qt program: QMessageBox, QDesktopServices, the beep, the event
/// loop's exit, the clipboard and QMenu.
class QtPlatform : public Platform {
public:
    /// Message boxes open in front of `window` (and centred on it) once it is given.
    void setWindow(QWidget* window) { m_window = window; }

    void showMessage(std::string_view prompt) override;
    bool openWebAddress(std::string_view address) override;
    void signalError() override;
    void endProgram() override;
    void copyToClipboard(std::string_view text) override;
    std::optional<std::string> clipboardText() override;
    std::optional<std::size_t> popUpMenu(const std::vector<MenuItem>& items, float x,
                                         float y) override;

private:
    QWidget* m_window = nullptr;
};

} // namespace varnik
