// SPDX-License-Identifier: MIT
#pragma once

#include "platform.h"

#include <QObject>

class QTimer;
class QWidget;

namespace varnik {

class Announcer;
class Form1;

/// The desktop services of a Qt program: QMessageBox, QDesktopServices, the beep, the event
/// loop's exit, the clipboard, QMenu and a timer. Boxes open without waiting; menus and the
/// clipboard answer from inside the call.
class QtPlatform : public QObject, public Platform {
    Q_OBJECT

public:
    QtPlatform();

    /// The window whose model hears the answers, and in front of which boxes and menus open.
    void attach(QWidget* window, Form1& model);

    void showMessage(std::string_view prompt, std::string_view description) override;
    void announce(std::string_view text) override;
    bool openWebAddress(std::string_view address) override;
    void signalError() override;
    void endProgram() override;
    void copyToClipboard(std::string_view text) override;
    void readClipboard(bool toPaste) override;
    void popUpMenu(const std::vector<MenuItem>& items, float x, float y) override;
    void startTimer(int milliseconds) override;

private:
    QWidget* m_window = nullptr;
    Form1* m_model = nullptr;
    QTimer* m_timer;
    Announcer* m_announcer = nullptr;
};

} // namespace varnik
