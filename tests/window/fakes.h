// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"
#include "controls.h"
#include "form1.h"
#include "platform.h"
#include "window_view.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace varnik::test {

/// Keeps what the window model told it to show, as a front end's controls would.
class FakeView : public WindowView {
public:
    void showDisplay(std::string_view text) override { display = text; }
    void enablePointButton(bool enabled) override { pointEnabled = enabled; }
    void showOperation(std::string_view caption) override { operation = caption; }
    void showHighlight(std::size_t key, bool visible) override {
        shown[key] = visible;
        highlightWrites.emplace_back(key, visible);
    }
    void colourLink(BgrColour colour) override { link = colour; }
    void focusButton(std::size_t button) override { focused = button; }
    void flashDisplay() override { ++flashes; }

    /// The names of the keys whose highlight shows, in key map order.
    std::vector<std::string> shownKeys() const;

    std::string display;
    bool pointEnabled = true;
    std::string operation;
    std::array<bool, skinKeyCount> shown{};
    std::vector<std::pair<std::size_t, bool>> highlightWrites;
    BgrColour link = linkDesignColour;
    std::optional<std::size_t> focused;
    int flashes = 0;
};

/// Records what would leave the test: boxes, browsers, error signals, the end of the program.
/// A box "stays open" while `whileBoxOpen` runs.
class FakePlatform : public Platform {
public:
    void showMessage(std::string_view prompt) override {
        boxes.emplace_back(prompt);
        if (whileBoxOpen) {
            whileBoxOpen();
        }
    }
    bool openWebAddress(std::string_view address) override {
        opened.emplace_back(address);
        return browserStarts;
    }
    void signalError() override { ++errorSignals; }
    void endProgram() override { ++endRequests; }
    void copyToClipboard(std::string_view text) override { clipboard = std::string(text); }
    std::optional<std::string> clipboardText() override { return clipboard; }
    std::optional<std::size_t> popUpMenu(const std::vector<MenuItem>& items, float x,
                                         float y) override {
        menus.push_back({items, x, y});
        return menuChoice;
    }

    struct ShownMenu {
        std::vector<MenuItem> items;
        float x;
        float y;
    };

    std::vector<std::string> boxes;
    std::vector<std::string> opened;
    int errorSignals = 0;
    int endRequests = 0;
    bool browserStarts = true;
    std::function<void()> whileBoxOpen;
    std::optional<std::string> clipboard;
    std::vector<ShownMenu> menus;
    std::optional<std::size_t> menuChoice; ///< what the user picks from the next menus
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
/// A point given in pixels at 96 dpi.
Point pixels(float x, float y);

/// The window model started as the program starts it: loaded, then activated.
struct StartedWindow {
    StartedWindow();

    void move(Point at) { form.pointerMoved(at.x, at.y); }
    void press(Point at) { form.pointerPressed(at.x, at.y); }
    void release(Point at) { form.pointerReleased(at.x, at.y); }
    /// Moves onto the point, then presses and releases there.
    void click(Point at);
    /// Clicks the centre of each skin key named, in turn.
    void clickKeys(std::initializer_list<std::string_view> keys);

    Calculator calculator;
    FakePlatform platform;
    FakeView view;
    Form1 form{calculator, platform, view};
};

} // namespace varnik::test
