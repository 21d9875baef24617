// SPDX-License-Identifier: MIT
#include "browser_platform.h"

#include "controls.h"
#include "form1.h"

namespace varnik::web {

namespace {

constexpr double errorToneHz = 880;
constexpr double errorToneSeconds = 0.08;

val newElement(const char* tag) {
    return val::global("document").call<val>("createElement", std::string(tag));
}

// "Ctrl+Shift+C" as ARIA names the keys: "Control+Shift+C".
std::string ariaKeys(std::string keys) {
    if (keys.rfind("Ctrl+", 0) == 0) {
        keys.replace(0, 4, "Control");
    }
    return keys;
}

// Tells the page's style how wide the element is in ems of its font (--ems); the style shrinks
// the font where the room is narrower, so that the texts of menus and boxes never wrap.
void measureEms(val element) {
    val style = val::global("window").call<val>("getComputedStyle", element);
    const double font = val::global("parseFloat")(style["fontSize"]).as<double>();
    if (font > 0) {
        element["style"].call<void>("setProperty", std::string("--ems"),
                                    element["offsetWidth"].as<double>() / font);
    }
}

} // namespace

BrowserPlatform::BrowserPlatform() : m_box(byId("box")), m_menu(byId("menu")) {
    // The box closed, heard at once: its close event comes a task later, after keys and clicks
    // that the browser has queued meanwhile, which the model would still hold back.
    val options = val::object();
    options.set("attributeFilter", val::array(std::vector<std::string>{"open"}));
    val::global("MutationObserver")
        .new_(handler("onBoxClosed"))
        .call<void>("observe", m_box, options);
    // A click beside the box, or on its text, leaves the focus on OK: Enter and the space bar
    // still close it, as a desktop's box keeps its focus.
    listen(m_box, "mousedown", "onBoxMouseDown");
}

void BrowserPlatform::showMessage(std::string_view prompt, std::string_view description) {
    byId("boxText").set("textContent", std::string(prompt));
    byId("boxReason").set("textContent", std::string(description));
    m_focusBefore = val::global("document")["activeElement"];
    m_boxShown = true;
    m_box.call<void>("showModal"); // Enter presses its OK button, Escape closes it
    measureEms(m_box);
}

void BrowserPlatform::boxClosed() {
    if (!m_boxShown || m_box["open"].as<bool>()) {
        return; // the box has just opened
    }
    m_boxShown = false;
    restoreFocus();
    if (m_model) {
        m_model->messageClosed();
    }
}

void BrowserPlatform::announce(std::string_view text) {
    byId("announcement").set("textContent", std::string(text));
}

bool BrowserPlatform::openWebAddress(std::string_view address) {
    // A new tab that cannot reach back into the calculator's page.
    val::global("window").call<val>("open", std::string(address), std::string("_blank"),
                                    std::string("noopener"));
    return true;
}

void BrowserPlatform::signalError() {
    // A short tone, the page's own beep.
    if (m_audio.isNull()) {
        val context = val::global("AudioContext");
        if (context.isUndefined()) {
            return;
        }
        m_audio = context.new_();
    }
    val now = m_audio["currentTime"];
    val tone = m_audio.call<val>("createOscillator");
    val gain = m_audio.call<val>("createGain");
    tone["frequency"].set("value", errorToneHz);
    gain["gain"].set("value", 0.1);
    tone.call<val>("connect", gain).call<val>("connect", m_audio["destination"]);
    tone.call<void>("start", now);
    tone.call<void>("stop", now.as<double>() + errorToneSeconds);
}

void BrowserPlatform::endProgram() {
    // An installed app's window closes; a tab opened by the user stays, so the calculator gives
    // way to a line saying that it has ended.
    m_ended = true;
    announce(""); // what it said last is no part of the page that stays
    val::global("window").call<void>("close");
    byId("Form1")["style"].set("display", std::string("none"));
    byId("ended").set("hidden", false);
    byId("startAgain").call<void>("focus");
}

void BrowserPlatform::copyToClipboard(std::string_view text) {
    val clipboard = val::global("navigator")["clipboard"];
    if (!clipboard.isUndefined()) {
        clipboard.call<val>("writeText", std::string(text))
            .call<val>("catch", handler("onClipboardWriteFailed"));
    }
}

void BrowserPlatform::keyStarts() {
    m_inTypedKey = true;
    m_pasteByEvent = false;
}

bool BrowserPlatform::keyEnds() {
    m_inTypedKey = false;
    return m_pasteByEvent;
}

void BrowserPlatform::readClipboard(bool toPaste) {
    if (m_inTypedKey && toPaste) {
        m_pasteByEvent = true; // the browser's paste event follows the key (Ctrl+V, Shift+Insert)
        return;
    }
    val clipboard = val::global("navigator")["clipboard"];
    if (!toPaste || clipboard.isUndefined()) {
        // Looking at the clipboard for the menu would make the browser ask the user: Paste
        // stays offered, and shows what it holds when chosen.
        if (m_model) {
            m_model->clipboardUnreadable();
        }
        return;
    }
    clipboard.call<val>("readText")
        .call<val>("then", handler("onClipboardText"), handler("onClipboardFailed"));
}

void BrowserPlatform::pasted(const std::string& text) {
    if (m_model) {
        m_model->clipboardRead(text);
    }
}

void BrowserPlatform::clipboardText(val text) {
    if (m_model) {
        m_model->clipboardRead(web::text(text));
    }
}

void BrowserPlatform::clipboardFailed() {
    if (m_model) {
        m_model->clipboardUnreadable();
    }
}

void BrowserPlatform::popUpMenu(const std::vector<MenuItem>& items, float x, float y) {
    m_menu.set("textContent", std::string());
    m_menuEnabled.clear();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].separatorBefore) {
            val line = newElement("div");
            line.call<void>("setAttribute", std::string("role"), std::string("separator"));
            m_menu.call<void>("appendChild", line);
        }
        val item = newElement("div");
        item.call<void>("setAttribute", std::string("role"), std::string("menuitem"));
        item.set("id", "menuitem" + std::to_string(i));
        item.set("tabIndex", -1);
        item["dataset"].set("index", static_cast<int>(i));
        item.call<void>("setAttribute", std::string("aria-disabled"),
                        std::string(items[i].enabled ? "false" : "true"));
        val label = newElement("span");
        label.set("textContent", items[i].label);
        item.call<void>("appendChild", label);
        if (!items[i].shortcut.empty()) {
            val shortcut = newElement("span");
            shortcut.set("className", std::string("shortcut"));
            shortcut.set("textContent", items[i].shortcut);
            // A screen reader names the item by its label and tells its keys apart.
            shortcut.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
            item.call<void>("setAttribute", std::string("aria-keyshortcuts"),
                            ariaKeys(items[i].shortcut));
            item.call<void>("appendChild", shortcut);
        }
        listen(item, "click", "onMenuItemClick");
        m_menu.call<void>("appendChild", item);
        m_menuEnabled.push_back(items[i].enabled);
    }
    m_focusBefore = val::global("document")["activeElement"];
    // In the window's own pixels; the page keeps the menu inside the window.
    m_menu["style"].call<void>("setProperty", std::string("--x"), x / twipsPerPixel);
    m_menu["style"].call<void>("setProperty", std::string("--y"), y / twipsPerPixel);
    m_menu.set("hidden", false);
    measureEms(m_menu);
    val::global("window").call<void>("addEventListener", std::string("pointerdown"),
                                     handler("onPointerOutsideMenu"), true);
    m_menuActive = -1;
    highlightMenuItem(1);
}

void BrowserPlatform::highlightMenuItem(int step) {
    const int count = static_cast<int>(m_menuEnabled.size());
    for (int tries = 0, at = m_menuActive; tries < count; ++tries) {
        at = (at + step + count) % count;
        if (m_menuEnabled[static_cast<std::size_t>(at)]) {
            m_menuActive = at;
            val options = val::object();
            options.set("preventScroll", true);
            byId("menuitem" + std::to_string(at)).call<void>("focus", options);
            return;
        }
    }
}

bool BrowserPlatform::keyForPage(val event) {
    if (m_ended) {
        return true; // the browser's, for the line that replaced the window
    }
    const std::string key = text(event["key"]);
    if (m_menuEnabled.empty()) {
        // A box takes its keys by itself; Tab stays on its one button, as on the desktops.
        const bool tabInBox = key == "Tab" && m_box["open"].as<bool>();
        if (tabInBox) {
            event.call<void>("preventDefault");
        }
        return tabInBox;
    }
    event.call<void>("preventDefault");
    if (key == "ArrowDown") {
        highlightMenuItem(1);
    } else if (key == "ArrowUp") {
        highlightMenuItem(-1);
    } else if ((key == "Enter" || key == " ") && m_menuActive >= 0) {
        closeMenu(static_cast<std::size_t>(m_menuActive));
    } else if (key == "Escape" || key == "Tab") {
        closeMenu(std::nullopt);
    }
    return true;
}

void BrowserPlatform::menuItemClicked(val event) {
    const auto index =
        static_cast<std::size_t>(event["currentTarget"]["dataset"]["index"].as<double>());
    if (index < m_menuEnabled.size() && m_menuEnabled[index]) {
        closeMenu(index);
    }
}

void BrowserPlatform::pointerOutsideMenu(val event) {
    if (!m_menu.call<bool>("contains", event["target"])) {
        // The press that closes a menu does nothing else, as on the desktops.
        event.call<void>("preventDefault");
        closeMenu(std::nullopt);
    }
}

void BrowserPlatform::closeMenu(std::optional<std::size_t> chosen) {
    val::global("window").call<void>("removeEventListener", std::string("pointerdown"),
                                     handler("onPointerOutsideMenu"), true);
    m_menu.set("hidden", true);
    m_menuEnabled.clear();
    restoreFocus();
    if (!m_model) {
        return;
    }
    if (chosen) {
        m_model->menuChosen(*chosen);
    } else {
        m_model->menuDismissed();
    }
}

void BrowserPlatform::restoreFocus() {
    if (!m_focusBefore.isNull() && !m_focusBefore.isUndefined()) {
        val options = val::object();
        options.set("preventScroll", true);
        m_focusBefore.call<void>("focus", options);
    }
    m_focusBefore = val::null();
}

void BrowserPlatform::startTimer(int milliseconds) {
    val window = val::global("window");
    if (!m_timer.isNull()) {
        window.call<void>("clearTimeout", m_timer);
    }
    m_timer = window.call<val>("setTimeout", handler("onTimer"), milliseconds);
}

void BrowserPlatform::timerFired() {
    m_timer = val::null();
    if (m_model) {
        m_model->timerFired();
    }
}

} // namespace varnik::web
