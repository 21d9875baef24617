// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"
#include "form1_widget.h"
#include "qt_platform.h"

#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QWidget;

namespace varnik::test {

/// Records what would leave the test process: ending the program, starting a browser, beeps.
/// Message boxes are real; tests dismiss them.
class RecordingPlatform : public QtPlatform {
public:
    bool openWebAddress(std::string_view address) override;
    void signalError() override;
    void endProgram() override;

    bool browserStarts = true;
    QList<QUrl> openedUrls;
    int errorReports = 0;
    int endRequests = 0;
};

/// What a dismissed message box showed.
struct SeenBox {
    bool shown = false;
    QString title;
    QString text;
    QStringList buttons;
    bool hasIcon = false;
};

/// The started window with its engine, as the program shows it.
class WindowFixture {
public:
    /// The window in the language of the catalogue named (English without one).
    explicit WindowFixture(std::string_view language = "en");

    QWidget* control(const QString& name) const;
    QPushButton* button(const QString& name) const;
    QLineEdit* display() const;
    QString displayText() const;
    QString pendingOperation() const;
    bool visible(const QString& name) const;

    /// Which of its pictures the window draws for the skin key whose normal picture is
    /// `normalImage` ("Image13"): "normal", "highlight", or "other" (a focus mark over it, say).
    QString keyShows(const QString& normalImage);
    /// The normal pictures' names of the keys drawn with their highlight.
    QStringList litKeys();

    /// The centre of a control, in window coordinates.
    QPoint centreOf(const QString& name) const;
    /// Moves the pointer over the window as a user would, through the window system.
    void moveTo(QPoint position);
    /// Moves onto the centre of a skin key's picture, then clicks there.
    void clickSkin(const QString& normalImage);
    /// Clicks where the pointer is now.
    void clickHere();
    /// Runs `action`, then waits for the message box it opens (5 s at most), notes what it
    /// shows and presses its OK button.
    SeenBox dismissingBox(const std::function<void()>& action);
    /// Presses a key on the widget that has the keyboard focus.
    void keyOnFocus(int key);
    QString focusName() const;

    Form1& model() { return form.model(); }

    Calculator calculator;
    RecordingPlatform platform;
    Form1Widget form;

private:
    QPoint m_pointer{-1, -1};
};

} // namespace varnik::test
