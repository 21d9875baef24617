// SPDX-License-Identifier: MIT
// The Windows front end's own translations, run under Wine: keyboard messages to the window
// model's keys, text between UTF-8 and UTF-16, the layout and the pixel rule at other
// densities, the focus mark's place, menu items, the clipboard, and the high-contrast scene drawn
// in the desktop's colours (Wine cannot turn the setting itself on: it always reports it off).
#include "calculator.h"
#include "command_buttons.h"
#include "form1.h"
#include "keyboard.h"
#include "layout.h"
#include "skin_painter.h"
#include "wide_text.h"
#include "win32_platform.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <variant>

using namespace varnik;
using namespace varnik::win32;

namespace {

// Counts and reports the checks that fail; the cases go on after a failure.
class Checks {
public:
    void operator()(bool passed, const std::string& what) {
        if (!passed) {
            ++m_failures;
            std::printf("FAIL: %s\n", what.c_str());
        }
    }
    int failures() const { return m_failures; }

private:
    int m_failures = 0;
};

std::string describe(const std::optional<Action>& action) {
    if (!action) {
        return "nothing";
    }
    if (const Key* key = std::get_if<Key>(&*action)) {
        return "key " + std::to_string(static_cast<int>(*key));
    }
    if (const Command* command = std::get_if<Command>(&*action)) {
        return "command " + std::to_string(static_cast<int>(*command));
    }
    return "shell " + std::to_string(static_cast<int>(std::get<Shell>(*action)));
}

struct KeyRow {
    const char* name;
    UINT message;
    WPARAM wParam;
    Modifiers held;
    std::optional<Action> expected;
};

// What each keyboard message does once the window model's table has read it.
void keyboardMessagesReachTheirKeys(Checks& check) {
    const Modifiers none{};
    const Modifiers ctrl{true, false, false};
    const Modifiers shift{false, true, false};
    const Modifiers ctrlShift{true, true, false};
    const Modifiers altGr{true, false, true};
    const KeyRow rows[] = {
        {"Enter", WM_KEYDOWN, VK_RETURN, none, Key::Equals},
        {"Escape", WM_KEYDOWN, VK_ESCAPE, none, Key::Clear},
        {"Delete", WM_KEYDOWN, VK_DELETE, none, Key::Clear},
        {"Backspace", WM_KEYDOWN, VK_BACK, none, Key::Backspace},
        {"keypad decimal", WM_KEYDOWN, VK_DECIMAL, none, Key::Point},
        {"Menu key", WM_KEYDOWN, VK_APPS, none, Command::ContextMenu},
        {"Shift+F10", WM_SYSKEYDOWN, VK_F10, shift, Command::ContextMenu},
        {"F10 alone", WM_SYSKEYDOWN, VK_F10, none, std::nullopt},
        {"Ctrl+C", WM_KEYDOWN, 'C', ctrl, Command::Copy},
        {"Ctrl+Shift+C", WM_KEYDOWN, 'C', ctrlShift, Command::CopyLatin},
        {"Ctrl+Insert", WM_KEYDOWN, VK_INSERT, ctrl, Command::Copy},
        {"Ctrl+V", WM_KEYDOWN, 'V', ctrl, Command::Paste},
        {"Shift+Insert", WM_KEYDOWN, VK_INSERT, shift, Command::Paste},
        {"C alone waits for its character", WM_KEYDOWN, 'C', none, std::nullopt},
        {"digit key waits for its character", WM_KEYDOWN, '7', none, std::nullopt},
        {"Tab is the dialog manager's", WM_KEYDOWN, VK_TAB, none, std::nullopt},
        {"space is the dialog manager's", WM_KEYDOWN, VK_SPACE, none, std::nullopt},
        {"typed 7", WM_CHAR, '7', none, Key::Seven},
        {"typed Bengali five", WM_CHAR, 0x09EB, none, Key::Five},
        {"typed x", WM_CHAR, 'x', none, Key::Multiply},
        {"typed division sign", WM_CHAR, 0x00F7, none, Key::Divide},
        {"typed = with AltGr", WM_CHAR, '=', altGr, Key::Equals},
        {"typed space", WM_CHAR, ' ', none, std::nullopt},
        {"typed c", WM_CHAR, 'c', none, std::nullopt},
    };
    for (const KeyRow& row : rows) {
        const auto key = typedKeyOf(row.message, row.wParam, row.held);
        check(key.has_value(), std::string(row.name) + ": no typed key");
        if (key) {
            const auto action = actionForTypedKey(*key);
            check(action == row.expected, std::string(row.name) + ": " + describe(action) +
                                              ", expected " + describe(row.expected));
        }
    }
    check(!typedKeyOf(WM_KEYUP, VK_RETURN, {}), "a key's release is no typed key");
    check(!typedKeyOf(WM_MOUSEMOVE, 0, {}), "a mouse move is no typed key");
}

void textCrossesBetweenUtf8AndUtf16(Checks& check) {
    check(toWide("\xE0\xA7\xA7\xE0\xA7\xAB.5") == L"\u09E7\u09EB.5", "Bengali digits to UTF-16");
    check(toUtf8(L"\u09E7\u09EB.5") == "\xE0\xA7\xA7\xE0\xA7\xAB.5", "Bengali digits to UTF-8");
    check(toWide("").empty() && toUtf8(L"").empty(), "empty text");
    check(toWide("1\xFF"
                 "2") == L"1\uFFFD2",
          "a broken byte becomes U+FFFD");
    check(toUtf8(std::wstring(L"a\0b", 3)) == std::string("a\0b", 3), "a null inside stays");
}

void layoutScalesWithTheDensity(Checks& check) {
    const Twips key{105, 630, 435, 420};
    const RECT at96 = pixelRect(key, 96);
    check(at96.left == 7 && at96.top == 42 && at96.right == 36 && at96.bottom == 70,
          "a key at 96 dpi is its picture's size");
    const RECT at192 = pixelRect(key, 192);
    check(at192.left == 14 && at192.top == 84 && at192.right == 72 && at192.bottom == 140,
          "twice the density, twice the pixels");
    check(fontHeight(14.25, 96) == -19 && fontHeight(14.25, 192) == -38, "display font height");
    check(fontHeight(9, 120) == -15, "link font height at 125 %");
    check(toColorRef(linkHoverColour) == RGB(0, 0, 255), "blue is blue");
}

// A menu opens where the pointer was, on the pixel it was read on, and an edge of the layout
// lands where it is drawn: the same pixel rule as every rectangle.
void pointsFollowThePixelRule(Checks& check) {
    for (const int dpi : {96, 120, 144, 168, 192}) {
        const std::string at = " at " + std::to_string(dpi) + " dpi";
        bool roundTrip = true;
        for (int pixel = 0; pixel < 1000; ++pixel) {
            const POINT point = pixelPoint(toTwips(pixel, dpi), toTwips(pixel, dpi), dpi);
            roundTrip = roundTrip && point.x == pixel && point.y == pixel;
        }
        check(roundTrip, "a pointer's pixel to twips and back" + at);
        bool edges = true;
        for (int twips = 0; twips < 4000; ++twips) {
            const auto t = static_cast<float>(twips);
            edges = edges && pixelPoint(t, t, dpi).x == toPixels(twips, dpi);
        }
        check(edges, "an edge in twips on the first pixel at or after it" + at);
    }
}

void focusMarkSitsInsideTheKey(Checks& check) {
    const RECT key{10, 20, 39, 48};
    const struct {
        int dpi;
        int inset;
    } rows[] = {{96, 3}, {120, 4}, {144, 5}, {192, 6}};
    for (const auto& row : rows) {
        const RECT mark = focusMarkRect(key, row.dpi);
        check(mark.left == key.left + row.inset && mark.top == key.top + row.inset &&
                  mark.right == key.right - row.inset && mark.bottom == key.bottom - row.inset,
              "the focus mark " + std::to_string(row.inset) + " pixels inside at " +
                  std::to_string(row.dpi) + " dpi");
    }
}

void menuItemsShowTheirKeysAfterATab(Checks& check) {
    check(menuItemLabel({"Copy", "Ctrl+C", true, false}) == L"Copy\tCtrl+C", "an item with a key");
    check(menuItemLabel({"M +", "", true, true}) == L"M +", "an item without one");
}

void buttonIdentifiersMapToButtons(Checks& check) {
    check(!CommandButtons::buttonOfId(0) && !CommandButtons::buttonOfId(IDOK), "other identifiers");
    check(!CommandButtons::buttonOfId(100 + static_cast<int>(commandButtonCount)), "past the last");
    check(CommandButtons::buttonOfId(100) == std::size_t{0}, "the first button");
}

// The model's high-contrast scene, painted: the window's background, the link and the focus
// mark's two lines in the colours of the desktop's (black) high-contrast theme.
void highContrastDrawsInTheDesktopsColours(Checks& check) {
    const COLORREF black = RGB(0, 0, 0), yellow = RGB(255, 255, 0), cyan = RGB(26, 235, 255),
                   navy = RGB(0, 0, 128), white = RGB(255, 255, 255);
    const int roles[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HOTLIGHT, COLOR_HIGHLIGHT,
                         COLOR_HIGHLIGHTTEXT};
    const COLORREF theme[] = {black, white, yellow, cyan, navy};
    SetSysColors(5, roles, theme);

    Calculator calculator;
    Win32Platform platform;
    NoView view;
    Form1 form(calculator, platform, view);
    form.load();
    form.setHighContrast(true);
    std::size_t seven = 0;
    while (std::string_view(commandButton(seven).name) != "cmd7") {
        ++seven;
    }
    form.focusMoved(seven);
    check(toColorRef(form.scene().display.textColour) == white &&
              toColorRef(form.scene().display.background) == black,
          "the display in the field's colours");

    const RECT client = pixelRect({0, 0, clientWidth, clientHeight}, 96);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    const Bitmap canvas(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const Selection selected(dc.get(), canvas.get());
    SkinPictures pictures(GetModuleHandleW(nullptr), 1); // this program has none: keys stay bare
    FontSet fonts(96);
    paintSkin(dc.get(), client, form.scene(), 96, pictures, fonts.get(linkFont));

    check(GetPixel(dc.get(), toPixels(3045), toPixels(1500)) == black, "the window's background");
    const RECT key = pixelRect(skinKey(*twinKey(seven)).geometry, 96);
    const int middle = (key.top + key.bottom) / 2;
    check(GetPixel(dc.get(), key.left + 3, middle) == cyan, "the focus mark's outer line");
    check(GetPixel(dc.get(), key.left + 4, middle) == navy, "the focus mark's inner line");
    const RECT link = pixelRect(linkGeometry, 96);
    bool linkShown = false;
    for (int y = link.top; y < std::min(link.bottom, client.bottom) && !linkShown; ++y) {
        for (int x = link.left; x < link.right && !linkShown; ++x) {
            linkShown = GetPixel(dc.get(), x, y) == yellow;
        }
    }
    check(linkShown, "the link in the theme's link colour");
    check(!highContrastOn(), "Wine reports the setting off");
}

void clipboardKeepsBengaliText(Checks& check) {
    Win32Platform platform;
    platform.copyToClipboard("\xE0\xA7\xA7\xE0\xA7\xAB");
    check(platform.clipboardText() == std::optional<std::string>("\xE0\xA7\xA7\xE0\xA7\xAB"),
          "the clipboard gives back what was copied");
}

} // namespace

int main() {
    Checks check;
    keyboardMessagesReachTheirKeys(check);
    textCrossesBetweenUtf8AndUtf16(check);
    layoutScalesWithTheDensity(check);
    pointsFollowThePixelRule(check);
    focusMarkSitsInsideTheKey(check);
    menuItemsShowTheirKeysAfterATab(check);
    buttonIdentifiersMapToButtons(check);
    clipboardKeepsBengaliText(check);
    highContrastDrawsInTheDesktopsColours(check);
    if (check.failures()) {
        std::printf("%d failed\n", check.failures());
        return 1;
    }
    std::printf("all passed\n");
    return 0;
}
