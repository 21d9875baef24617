// SPDX-License-Identifier: MIT
// The web page's program: the calculator's window on the page, and the handlers through which
// the browser's events and answers reach it. The page is one window, so one of each lives
// here for as long as the page.
#include "browser_platform.h"
#include "calculator.h"
#include "language.h"
#include "page_window.h"

#include <emscripten/bind.h>
#include <memory>

using namespace varnik;
using namespace varnik::web;

namespace {

// The browser's languages in the user's order; the page's ?lang= wins.
const Messages& userMessages() {
    std::vector<std::string> preferred;
    val languages = val::global("navigator")["languages"];
    const int count = languages.isUndefined() ? 0 : languages["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        preferred.push_back(text(languages[i]));
    }
    const std::string query = text(val::global("location")["search"]);
    return messagesFor(chooseLanguage(preferred, languageFromQuery(query)));
}

struct Page {
    Calculator calculator;
    BrowserPlatform platform;
    PageWindow window{calculator, platform, userMessages()};
};

std::unique_ptr<Page> page;

template <void (PageWindow::*handle)(val)> void toWindow(val event) {
    (page->window.*handle)(event);
}
template <void (BrowserPlatform::*handle)(val)> void toPlatform(val event) {
    (page->platform.*handle)(event);
}

} // namespace

EMSCRIPTEN_BINDINGS(varnik) {
    using emscripten::function;
    function("onMouseMove", &toWindow<&PageWindow::mouseMoved>);
    function("onMouseDown", &toWindow<&PageWindow::mousePressed>);
    function("onMouseUp", &toWindow<&PageWindow::mouseReleased>);
    function("onPointerDown", &toWindow<&PageWindow::touchPressed>);
    function("onPointerMove", &toWindow<&PageWindow::touchMoved>);
    function("onPointerUp", &toWindow<&PageWindow::touchReleased>);
    function("onPointerCancel", &toWindow<&PageWindow::touchCancelled>);
    function("onContextMenu", &toWindow<&PageWindow::contextMenu>);
    function("onKeyDown", &toWindow<&PageWindow::keyPressed>);
    function("onFocusIn", &toWindow<&PageWindow::focusIn>);
    function("onButtonClick", &toWindow<&PageWindow::buttonClicked>);
    function("onSkinKeyClick", &toWindow<&PageWindow::skinKeyClicked>);
    function("onPaste", &toWindow<&PageWindow::pasted>);
    function(
        "onContrastChanged", +[](val) { page->window.contrastChanged(); });
    function(
        "onBoxClosed", +[](val /*records*/, val /*observer*/) { page->platform.boxClosed(); });
    function(
        "onBoxMouseDown", +[](val event) { event.call<void>("preventDefault"); });
    function("onMenuItemClick", &toPlatform<&BrowserPlatform::menuItemClicked>);
    function("onPointerOutsideMenu", &toPlatform<&BrowserPlatform::pointerOutsideMenu>);
    function("onClipboardText", &toPlatform<&BrowserPlatform::clipboardText>);
    function(
        "onClipboardFailed", +[](val) { page->platform.clipboardFailed(); });
    function(
        "onClipboardWriteFailed", +[](val) {});
    function(
        "onServiceWorkerRefused", +[](val) {}); // no offline use, the page works on
    function(
        "onTimer", +[]() { page->platform.timerFired(); });
}

int main() {
    page = std::make_unique<Page>();
    page->platform.attach(page->window.model());
    page->window.start();
    return 0;
}
