// SPDX-License-Identifier: MIT
#include "page_window.h"

#include "texts.h"
#include "units.h"

#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

namespace varnik::web {

namespace {

constexpr double layoutWidth = clientWidth / twipsPerPixel;
constexpr double layoutHeight = clientHeight / twipsPerPixel;

KeyName keyNameOf(const std::string& key, const std::string& code) {
    if (key == "Enter") {
        return KeyName::Enter; // the numeric keypad's too
    }
    if (key == "Escape") {
        return KeyName::Escape;
    }
    if (key == "Delete") {
        return KeyName::Delete;
    }
    if (key == "Backspace") {
        return KeyName::Backspace;
    }
    if (key == "Insert") {
        return KeyName::Insert;
    }
    if (key == "ContextMenu") {
        return KeyName::Menu;
    }
    if (key == "Tab") {
        return KeyName::Tab;
    }
    if (key == "F10") {
        return KeyName::F10;
    }
    if (code == "NumpadDecimal" && key.size() == 1) {
        return KeyName::KeypadDecimal; // whatever character the layout gives it
    }
    if (code == "KeyC") {
        return KeyName::C;
    }
    if (code == "KeyV") {
        return KeyName::V;
    }
    return KeyName::Other;
}

// The one character a key types (UTF-8 in), or 0 for a named key such as "Shift".
char32_t characterOf(const std::string& key) {
    const auto lead = static_cast<unsigned char>(key.empty() ? 0 : key[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (key.empty() || key.size() != length) {
        return 0;
    }
    if (length == 1) {
        return lead;
    }
    char32_t c = lead & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        c = (c << 6) | (static_cast<unsigned char>(key[i]) & 0x3F);
    }
    return c;
}

TypedKey typedKeyOf(val event) {
    const std::string key = text(event["key"]);
    TypedKey typed;
    typed.name = keyNameOf(key, text(event["code"]));
    // The command key of Apple keyboards does what Ctrl does elsewhere.
    typed.ctrl = event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>();
    typed.shift = event["shiftKey"].as<bool>();
    typed.alt = event["altKey"].as<bool>();
    // A desktop's Ctrl with a letter types a control character, which is no key; a browser
    // reports the letter. AltGr (Ctrl+Alt) still types its character.
    typed.character = typed.ctrl && !typed.alt ? 0 : characterOf(key);
    return typed;
}

} // namespace

std::string cssColour(const SceneColour& colour) {
    if (colour.system) {
        switch (*colour.system) {
        case SystemColour::Window:
            return "Canvas";
        case SystemColour::Field:
            return "Field";
        case SystemColour::FieldText:
            return "FieldText";
        case SystemColour::Link:
            return "LinkText";
        case SystemColour::Highlight:
            return "Highlight";
        case SystemColour::HighlightText:
            return "HighlightText";
        }
    }
    const BgrColour bgr = colour.design;
    return "rgb(" + std::to_string(red(bgr)) + "," + std::to_string(green(bgr)) + "," +
           std::to_string(blue(bgr)) + ")";
}

PageWindow::PageWindow(Calculator& calculator, BrowserPlatform& platform, const Messages& messages)
    : m_model(calculator, platform, *this, messages), m_platform(platform), m_root(byId("Form1")),
      m_display(byId(displayName)), m_link(byId(linkName)),
      m_moreContrast(val::global("window").call<val>(
          "matchMedia", std::string("(prefers-contrast: more), (forced-colors: active)"))) {
    for (std::size_t b = 0; b < commandButtonCount; ++b) {
        m_buttons.push_back(byId(commandButton(b).name));
    }
    for (std::size_t k = 0; k < skinKeyCount; ++k) {
        m_keys.push_back(byId(pictureName(normalImage(k))));
    }
    // The About button always opens a box. Told so, a screen reader also takes it for a control
    // that wants the keys: focused at start-up, it puts Orca in its focus mode, which the
    // window's application region then keeps, so that typed keys reach the calculator.
    m_buttons[aboutButton].call<void>("setAttribute", std::string("aria-haspopup"),
                                      std::string("dialog"));
}

void PageWindow::start() {
    showLanguage();
    m_model.load();
    // The browser's more-contrast setting, or a high-contrast theme (forced colours).
    contrastChanged();
    listen(m_moreContrast, "change", "onContrastChanged");
    val window = val::global("window");
    val document = val::global("document");
    // The mouse anywhere on the page: a pressed key keeps the pointer's events, as desktops
    // capture the mouse for it.
    listen(window, "mousemove", "onMouseMove");
    listen(m_root, "mousedown", "onMouseDown");
    listen(window, "mouseup", "onMouseUp");
    // Touch and pen: a tap lights its key and presses it in one go.
    listen(m_root, "pointerdown", "onPointerDown");
    listen(window, "pointermove", "onPointerMove");
    listen(window, "pointerup", "onPointerUp");
    listen(window, "pointercancel", "onPointerCancel");
    listen(m_root, "contextmenu", "onContextMenu");
    listen(byId("menu"), "contextmenu", "onContextMenu"); // the menu's own: no second menu
    listen(document, "keydown", "onKeyDown");
    listen(document, "focusin", "onFocusIn");
    listen(document, "paste", "onPaste");
    for (const val& button : m_buttons) {
        listen(button, "click", "onButtonClick");
    }
    for (const val& key : m_keys) {
        listen(key, "click", "onSkinKeyClick"); // a screen reader's press
    }
    m_model.activate();
    // What the first paint does without waits until the calculator is on the screen: the
    // next frame is being drawn when its callback runs, and a timeout runs once it is drawn.
    emscripten_request_animation_frame(
        [](double, void* window) {
            emscripten_set_timeout(
                [](void* window) { static_cast<PageWindow*>(window)->painted(); }, 0, window);
            return EM_FALSE;
        },
        this);
}

void PageWindow::painted() {
    // The lit pictures, which the page's style loads from now on, and every file of the site,
    // kept for offline use by the service worker.
    setClass(m_root, "painted", true);
    val serviceWorkers = val::global("navigator")["serviceWorker"];
    if (!serviceWorkers.isUndefined()) {
        serviceWorkers.call<val>("register", std::string("service-worker.js"))
            .call<val>("catch", handler("onServiceWorkerRefused"));
    }
}

// The page's words in the user's language; the markup holds the English ones.
void PageWindow::showLanguage() {
    const Messages& messages = m_model.messages();
    const std::string language(messages.language());
    val::global("document")["documentElement"].set("lang", language);
    const auto setText = [](const char* id, std::string_view text) {
        byId(id).set("textContent", std::string(text));
    };
    setText("endedText", messages.text(endedText));
    setText("startAgain", messages.text(startAgainText));
    setText("boxOk", messages.text(okText));
    m_display.call<void>("setAttribute", std::string("aria-label"),
                         std::string(messages.text(displayAccessibleName)));
    for (std::size_t k = 0; k < m_keys.size(); ++k) {
        m_keys[k].call<void>("setAttribute", std::string("aria-label"),
                             std::string(m_model.accessibleKey(k).name));
    }
    for (std::size_t b = 0; b < m_buttons.size(); ++b) {
        m_buttons[b].call<void>("setAttribute", std::string("aria-label"),
                                std::string(m_model.accessibleButtonName(b)));
    }
    // The installed app's name and description in the same language, where the site has them.
    if (language != "en") {
        val manifest =
            val::global("document").call<val>("querySelector", std::string("link[rel=manifest]"));
        manifest.set("href", "manifest." + language + ".webmanifest");
    }
}

PageWindow::Position PageWindow::twipsOf(val event) const {
    // The page's style scales the window to the viewport: its box on the screen says by how much.
    val box = m_root.call<val>("getBoundingClientRect");
    const double scale = box["width"].as<double>() / layoutWidth;
    const double x = (event["clientX"].as<double>() - box["left"].as<double>()) / scale;
    const double y = (event["clientY"].as<double>() - box["top"].as<double>()) / scale;
    return {toTwips(x), toTwips(y), x >= 0 && y >= 0 && x < layoutWidth && y < layoutHeight};
}

void PageWindow::mouseMoved(val event) {
    const Position at = twipsOf(event);
    // Outside the window only a pressed key hears the pointer, as on the desktops.
    if (at.inside || m_mouseDown) {
        m_model.pointerMoved(at.x, at.y);
    }
}

void PageWindow::mousePressed(val event) {
    // The pictures take no focus: the keyboard's stays on its hidden button, as on the desktops.
    event.call<void>("preventDefault");
    if (event["button"].as<int>() != 0) {
        return;
    }
    m_mouseDown = true;
    const Position at = twipsOf(event);
    // The browser counts the presses of a double-click: the second is no click.
    if (event["detail"].as<int>() % 2 == 0) {
        m_model.pointerDoubleClicked(at.x, at.y);
    } else {
        m_model.pointerPressed(at.x, at.y);
    }
}

void PageWindow::mouseReleased(val event) {
    if (event["button"].as<int>() != 0 || !m_mouseDown) {
        return;
    }
    m_mouseDown = false;
    const Position at = twipsOf(event);
    m_model.pointerReleased(at.x, at.y);
}

void PageWindow::touchPressed(val event) {
    if (text(event["pointerType"]) == "mouse") {
        return; // the mouse events say it, with the double-click's count
    }
    event.call<void>("preventDefault"); // no mouse events after it, no zoom, no selection
    const Position at = twipsOf(event);
    m_model.pointerMoved(at.x, at.y);
    m_model.pointerPressed(at.x, at.y);
}

void PageWindow::touchMoved(val event) {
    if (text(event["pointerType"]) != "mouse" && event["buttons"].as<int>() != 0) {
        const Position at = twipsOf(event);
        m_model.pointerMoved(at.x, at.y);
    }
}

void PageWindow::touchReleased(val event) {
    if (text(event["pointerType"]) != "mouse") {
        const Position at = twipsOf(event);
        m_model.pointerReleased(at.x, at.y);
    }
}

void PageWindow::touchCancelled(val event) {
    if (text(event["pointerType"]) != "mouse") {
        m_model.pointerReleased(-1, -1); // no click
    }
}

void PageWindow::contextMenu(val event) {
    event.call<void>("preventDefault");
    // Whatever asked for it: where the Menu key or Shift+F10 also brings the browser's own
    // menu event, the typed key has opened the model's menu already, which holds this one.
    const Position at = twipsOf(event);
    m_model.contextMenuRequested(at.x, at.y, false);
}

void PageWindow::keyPressed(val event) {
    if (m_platform.keyForPage(event)) {
        return; // the box or the menu in front of the window takes it
    }
    // The model's key table decides, Tab included; the browser's own action follows only the
    // keys it leaves, and a paste, which the browser's paste event brings.
    m_platform.keyStarts();
    const bool taken = m_model.typeKey(typedKeyOf(event));
    const bool pasteFollows = m_platform.keyEnds();
    if (taken && !pasteFollows) {
        event.call<void>("preventDefault");
    }
}

std::optional<std::size_t> PageWindow::buttonOf(val element) const {
    for (std::size_t b = 0; b < m_buttons.size(); ++b) {
        if (m_buttons[b].strictlyEquals(element)) {
            return b;
        }
    }
    return std::nullopt;
}

void PageWindow::focusIn(val event) {
    // The focus in a box or the menu stays with the button it came from, as on the desktops.
    if (const auto button = buttonOf(event["target"])) {
        m_model.focusMoved(button);
    }
}

void PageWindow::buttonClicked(val event) {
    if (const auto button = buttonOf(event["currentTarget"])) {
        m_model.clickButton(*button);
    }
}

void PageWindow::skinKeyClicked(val event) {
    val target = event["currentTarget"];
    for (std::size_t k = 0; k < m_keys.size(); ++k) {
        if (m_keys[k].strictlyEquals(target)) {
            m_model.pressSkinKey(k);
        }
    }
}

void PageWindow::pasted(val event) {
    event.call<void>("preventDefault");
    m_platform.pasted(text(event["clipboardData"].call<val>("getData", std::string("text/plain"))));
}

void PageWindow::displayChanged() {
    const DisplayScene& display = m_model.scene().display;
    m_display.set("value", display.text);
    m_display["style"].set("backgroundColor", cssColour(display.background));
    m_display["style"].set("color", cssColour(display.textColour));
    m_display["style"].set("textAlign", std::string(display.rightAligned ? "right" : "left"));
}

void PageWindow::pointButtonChanged() {
    m_buttons[pointButton].set("disabled", !m_model.scene().pointButtonEnabled);
}

void PageWindow::skinKeyChanged(std::size_t key) {
    const SkinKeyScene& shown = m_model.scene().keys[key];
    setClass(m_keys[key], "lit", shown.lit);
    setClass(m_keys[key], "mark", shown.focusMark);
}

void PageWindow::linkChanged() {
    // As a variable, which the page's style overrides when more contrast is asked for.
    m_link["style"].call<void>("setProperty", std::string("--link-colour"),
                               cssColour(m_model.scene().linkColour));
}

void PageWindow::coloursChanged() {
    const Scene& scene = m_model.scene();
    // The page's background around the window, and the window's own.
    val::global("document")["documentElement"]["style"].call<void>(
        "setProperty", std::string("--window-background"), cssColour(scene.background));
    // The focus mark's lines from the outside in, one pixel each; none: the page's usual mark.
    std::string lines;
    for (std::size_t i = 0; i < scene.focusMarkLines.size(); ++i) {
        lines += (i ? ", inset 0 0 0 " : "inset 0 0 0 ") + std::to_string(i + 1) + "px " +
                 cssColour(scene.focusMarkLines[i]);
    }
    m_root["style"].call<void>(lines.empty() ? "removeProperty" : "setProperty",
                               std::string("--mark-lines"), lines);
    displayChanged();
    linkChanged();
}

void PageWindow::contrastChanged() {
    m_model.setHighContrast(m_moreContrast["matches"].as<bool>());
}

void PageWindow::focusButton(std::size_t button) {
    val options = val::object();
    options.set("preventScroll", true);
    m_buttons[button].call<void>("focus", options);
}

} // namespace varnik::web
