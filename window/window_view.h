// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace varnik {

/// What a front end is told as the window's scene changes (Form1::scene() holds the new
/// state), and the one thing it is asked to do: move the keyboard focus. A front end only
/// draws what the scene says.
class WindowView {
public:
    virtual ~WindowView() = default;

    /// The display's text, background or alignment.
    virtual void displayChanged() = 0;
    /// The point command button's enabled state.
    virtual void pointButtonChanged() = 0;
    /// The hidden operation label's caption.
    virtual void operationChanged() = 0;
    /// Skin key `key`: its picture or its focus mark.
    virtual void skinKeyChanged(std::size_t key) = 0;
    /// The link label's colour.
    virtual void linkChanged() = 0;
    /// The window's colours, high contrast on or off: its background, the display's, the
    /// link's and the focus mark's, all to be drawn again (the desktop's own colours may have
    /// changed with them). A front end that never reports the setting hears nothing.
    virtual void coloursChanged() {}
    /// Gives the keyboard focus to command button `button`.
    virtual void focusButton(std::size_t button) = 0;
};

/// A view that draws nothing: the model on its own, in benchmarks and a front end's tests.
class NoView : public WindowView {
public:
    void displayChanged() override {}
    void pointButtonChanged() override {}
    void operationChanged() override {}
    void skinKeyChanged(std::size_t) override {}
    void linkChanged() override {}
    void focusButton(std::size_t) override {}
};

} // namespace varnik
