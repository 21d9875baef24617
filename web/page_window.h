// SPDX-License-Identifier: MIT
#pragma once

#include "browser_platform.h"
#include "dom.h"
#include "form1.h"
#include "window_view.h"

#include <optional>
#include <vector>

namespace varnik::web {

/// The calculator's window on the page. The page's markup holds the controls, made from the key
/// table when the site is built (tools/make_site.py): the hidden buttons, the display, the link
/// and one element per skin key, drawn from the sprite sheet. This class feeds the window model
/// the browser's events and updates the elements as the model's scene changes; every rule is
/// the model's.
class PageWindow : public WindowView {
public:
    PageWindow(Calculator& calculator, BrowserPlatform& platform, const Messages& messages);

    /// Starts the window: the load and activation steps, and the browser's events.
    void start();

    void displayChanged() override;
    void pointButtonChanged() override;
    void operationChanged() override {} // the hidden label has no element on the page
    void skinKeyChanged(std::size_t key) override;
    void linkChanged() override;
    void coloursChanged() override;
    void focusButton(std::size_t button) override;

    // The browser's events, from main.cpp's handlers.
    void mouseMoved(val event);
    void mousePressed(val event);
    void mouseReleased(val event);
    void touchPressed(val event);
    void touchMoved(val event);
    void touchReleased(val event);
    void touchCancelled(val event);
    void contextMenu(val event);
    void keyPressed(val event);
    void focusIn(val event);
    void buttonClicked(val event);
    void skinKeyClicked(val event);
    void pasted(val event);
    void contrastChanged();

    Form1& model() { return m_model; }

private:
    struct Position {
        float x;
        float y;
        bool inside;
    };
    Position twipsOf(val event) const;
    void showLanguage();
    void painted();
    std::optional<std::size_t> buttonOf(val element) const;

    Form1 m_model;
    BrowserPlatform& m_platform;
    val m_root;
    val m_display;
    val m_link;
    val m_moreContrast;         ///< the media query of the browser's high-contrast settings
    std::vector<val> m_buttons; ///< by the key table's button order
    std::vector<val> m_keys;    ///< by the key map's order
    bool m_mouseDown = false;
};

} // namespace varnik::web
