// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"
#include "controls.h"
#include "form1.h"
#include "platform.h"
#include "window_view.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace varnik::test {

/// Draws what a front end would: on every notification it copies what changed from the
/// model's scene, and nothing else. A change the model forgets to tell shows up as a stale
/// copy here.
class FakeView : public WindowView {
public:
    void displayChanged() override;
    void pointButtonChanged() override { pointEnabled = form->scene().pointButtonEnabled; }
    void operationChanged() override { operation = form->scene().operationCaption; }
    void skinKeyChanged(std::size_t key) override;
    void linkChanged() override { link = form->scene().linkColour; }
    void focusButton(std::size_t button) override { focused = button; }
    void coloursChanged() override;

    /// The names of the keys whose highlight shows, and of the key with the focus mark.
    std::vector<std::string> shownKeys() const;
    std::vector<std::string> markedKeys() const;

    const Form1* form = nullptr;
    std::string display;
    SceneColour displayBackground = varnik::displayBackground;
    SceneColour displayText = displayTextColour;
    bool rightAligned = false;
    bool pointEnabled = true;
    std::string operation;
    std::array<bool, skinKeyCount> shown{};
    std::array<bool, skinKeyCount> marked{};
    SceneColour link = linkDesignColour;
    SceneColour background = windowBackground;
    std::vector<SystemColour> focusMarkLines;
    std::optional<std::size_t> focused;
};

/// Records what would leave the test: boxes, menus, browsers, error signals, the end of the
/// program. Like the desktop toolkits it answers boxes, menus and the clipboard at once, from
/// inside the call, unless a test leaves them open and answers later itself, as a browser does.
class FakePlatform : public Platform {
public:
    void showMessage(std::string_view prompt, std::string_view description) override;
    void announce(std::string_view text) override { announced.emplace_back(text); }
    bool openWebAddress(std::string_view address) override {
        opened.emplace_back(address);
        return browserStarts;
    }
    void signalError() override { ++errorSignals; }
    void endProgram() override { ++endRequests; }
    void copyToClipboard(std::string_view text) override { clipboard = std::string(text); }
    void readClipboard(bool toPaste) override;
    void popUpMenu(const std::vector<MenuItem>& items, float x, float y) override;
    void startTimer(int milliseconds) override { timers.push_back(milliseconds); }

    struct ShownMenu {
        std::vector<MenuItem> items;
        float x;
        float y;
    };

    Form1* form = nullptr;
    std::vector<std::string> boxes;
    std::vector<std::string> boxDescriptions;
    std::vector<std::string> announced;
    std::vector<std::string> opened;
    int errorSignals = 0;
    int endRequests = 0;
    bool browserStarts = true;
    std::optional<std::string> clipboard;
    bool clipboardReadable = true;
    std::vector<ShownMenu> menus;
    std::vector<int> timers;
    /// Answers at once: boxes closed, menus chosen (`menuChoice`) or dismissed, the clipboard
    /// read. False leaves them open: the test answers through the model.
    bool answerAtOnce = true;
    std::optional<std::size_t> menuChoice; ///< what the user picks from the next menus
    int clipboardReads = 0;
    int pasteReads = 0; ///< the reads meant to paste
};

/// A point of the client area in twips.
struct Point {
    float x;
    float y;
};

/// The centre of the skin key with this accessible name ("seven", "plus", "Clear" …).
Point centreOf(std::string_view key);
/// The skin key with this accessible name.
std::size_t keyNamed(std::string_view key);
/// The command button with this name ("cmd7", "cmdabout" …).
std::size_t buttonNamed(std::string_view name);
/// A point given in pixels at 96 dpi.
Point pixels(float x, float y);

/// The window model started as the program starts it: loaded, then activated.
struct StartedWindow {
    explicit StartedWindow(const Messages& messages = messagesFor("en"));

    void move(Point at) { form.pointerMoved(at.x, at.y); }
    void press(Point at) { form.pointerPressed(at.x, at.y); }
    void release(Point at) { form.pointerReleased(at.x, at.y); }
    /// Moves onto the point, then presses and releases there.
    void click(Point at);
    /// Clicks the centre of each skin key named, in turn.
    void clickKeys(std::initializer_list<std::string_view> keys);
    /// Presses each command button named, in turn.
    void pressButtons(std::initializer_list<std::string_view> names);

    Calculator calculator;
    FakePlatform platform;
    FakeView view;
    Form1 form;
};

} // namespace varnik::test
