// SPDX-License-Identifier: MIT
#pragma once

#include "platform.h"

class QWidget;

namespace varnik {

/// The desktop services of a Qt program: QMessageBox, QDesktopServices, the beep and the event
/// loop's exit.
class QtPlatform : public Platform {
public:
    /// Message boxes open in front of `window` (and centred on it) once it is given.
    void setWindow(QWidget* window) { m_window = window; }

    void showMessage(std::string_view prompt) override;
    bool openWebAddress(std::string_view address) override;
    void signalError() override;
    void endProgram() override;

private:
    QWidget* m_window = nullptr;
};

} // namespace varnik
