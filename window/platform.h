// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QUrl;
class QWidget;

namespace varnik {

/// The few desktop services the window relies on. Tests replace the ones that would leave
/// the test process (ending the program, starting a browser).
class Platform {
public:
    virtual ~Platform() = default;

    /// A modal message box: the prompt, one OK button, no icon, the title "Varnik Calculator".
    virtual void showMessage(QWidget* parent, const QString& prompt);
    /// Opens a web address in the desktop's browser without waiting for it.
    /// Returns false when no browser could be started.
    virtual bool openUrl(const QUrl& url);
    /// A key failed: a short beep, and the calculator goes on.
    virtual void reportError();
    /// Ends the program at once.
    virtual void endProgram();
};

} // namespace varnik
