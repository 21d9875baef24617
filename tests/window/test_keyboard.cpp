// SPDX-License-Identifier: MIT
// The keyboard beyond Tab and space: the typed-key table, the clipboard, the context menu and
// the focused button's twin lighting up.
#include "clipboard_text.h"
#include "fakes.h"
#include "texts.h"

#include <gtest/gtest.h>

using namespace varnik;
using namespace varnik::test;

namespace {

TypedKey typed(char32_t character) {
    TypedKey key;
    key.character = character;
    return key;
}

TypedKey named(KeyName name, bool ctrl = false, bool shift = false, char32_t character = 0) {
    TypedKey key;
    key.name = name;
    key.ctrl = ctrl;
    key.shift = shift;
    key.character = character;
    return key;
}

struct TypedRow {
    const char* name;
    TypedKey key;
    std::optional<Action> action;
};

const TypedRow typedKeys[] = {
    {"digit 0", typed(U'0'), Key::Zero},
    {"digit 7", typed(U'7'), Key::Seven},
    {"Bengali zero", typed(U'\u09E6'), Key::Zero},
    {"Bengali nine", typed(U'\u09EF'), Key::Nine},
    {"point", typed(U'.'), Key::Point},
    {"keypad decimal typing a comma", named(KeyName::KeypadDecimal, false, false, U','),
     Key::Point},
    {"a comma elsewhere", typed(U','), std::nullopt},
    {"plus", typed(U'+'), Key::Add},
    {"minus", typed(U'-'), Key::Subtract},
    {"asterisk", typed(U'*'), Key::Multiply},
    {"x", typed(U'x'), Key::Multiply},
    {"X", typed(U'X'), Key::Multiply},
    {"times sign", typed(U'\u00D7'), Key::Multiply},
    {"slash", typed(U'/'), Key::Divide},
    {"division sign", typed(U'\u00F7'), Key::Divide},
    {"equals sign", typed(U'='), Key::Equals},
    {"Enter (also the keypad's)", named(KeyName::Enter, false, false, U'\r'), Key::Equals},
    {"Escape", named(KeyName::Escape), Key::Clear},
    {"Delete", named(KeyName::Delete), Key::Clear},
    {"Backspace", named(KeyName::Backspace, false, false, U'\b'), Key::Backspace},
    {"Ctrl+C", named(KeyName::C, true, false, U'\x03'), Command::Copy},
    {"Ctrl+Insert", named(KeyName::Insert, true), Command::Copy},
    {"Ctrl+Shift+C", named(KeyName::C, true, true), Command::CopyLatin},
    {"Ctrl+V", named(KeyName::V, true, false, U'\x16'), Command::Paste},
    {"Shift+Insert", named(KeyName::Insert, false, true), Command::Paste},
    {"Menu key", named(KeyName::Menu), Command::ContextMenu},
    {"Shift+F10", named(KeyName::F10, false, true), Command::ContextMenu},
    {"F10 alone", named(KeyName::F10), std::nullopt},
    {"c alone", named(KeyName::C, false, false, U'c'), std::nullopt},
    {"Insert alone", named(KeyName::Insert), std::nullopt},
    {"Ctrl+Alt+C",
     [] {
         TypedKey key = named(KeyName::C, true);
         key.alt = true;
         return key;
     }(),
     std::nullopt},
    {"Tab", named(KeyName::Tab, false, false, U'\t'), Command::FocusNext},
    {"Shift+Tab", named(KeyName::Tab, false, true), Command::FocusPrevious},
    {"Ctrl+Tab", named(KeyName::Tab, true), std::nullopt},
    {"space", typed(U' '), std::nullopt},
    {"a tab character without its key's name", typed(U'\t'), std::nullopt},
    {"a letter", typed(U'a'), std::nullopt},
    {"another script's digit", typed(U'\u0661'), std::nullopt},
};

} // namespace

TEST(Keyboard, TypedKeyTable) {
    for (const TypedRow& row : typedKeys) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(actionForTypedKey(row.key), row.action);
    }
}

TEST(Keyboard, TypingComputesAsTheHiddenButtonsDo) {
    StartedWindow w;
    for (const char32_t c : U"12+3") {
        if (c != 0) {
            EXPECT_TRUE(w.form.typeKey(typed(c)));
        }
    }
    EXPECT_TRUE(w.form.typeKey(named(KeyName::Enter)));
    EXPECT_EQ(w.view.display, "15");
    EXPECT_EQ(w.view.operation, "Addition") << "the skin gate holds no typed key back";
    EXPECT_FALSE(w.form.typeKey(typed(U' '))) << "the space bar is the focused button's";
    EXPECT_TRUE(w.form.typeKey(named(KeyName::Escape)));
    EXPECT_EQ(w.view.display, "");
    // Equals on the blank display: the equals button's empty box.
    EXPECT_TRUE(w.form.typeKey(typed(U'=')));
    EXPECT_EQ(w.platform.boxes, std::vector<std::string>{""});
    EXPECT_TRUE(w.platform.timers.empty()) << "a box, no flash";
}

// A web page's Tab: the model walks the buttons, skipping the disabled point; a box holds it.
TEST(Keyboard, TabWalksTheButtonsWhereTheToolkitDoesNot) {
    StartedWindow w;
    w.form.focusMoved(buttonNamed("cmdeql"));
    EXPECT_TRUE(w.form.typeKey(named(KeyName::Tab)));
    EXPECT_STREQ(commandButton(*w.view.focused).name, "cmdpoint");
    w.form.typeKey(typed(U'.'));
    w.form.focusMoved(buttonNamed("cmd0"));
    EXPECT_TRUE(w.form.typeKey(named(KeyName::Tab, false, true)));
    EXPECT_STREQ(commandButton(*w.view.focused).name, "cmdeql") << "the disabled point skipped";
    w.platform.answerAtOnce = false;
    w.form.clickButton(buttonNamed("cmdabout"));
    w.view.focused.reset();
    EXPECT_FALSE(w.form.typeKey(named(KeyName::Tab))) << "the box's own";
    EXPECT_FALSE(w.view.focused);
}

TEST(Keyboard, BackspaceAndThePointButton) {
    StartedWindow w;
    for (const char32_t c : {U'4', U'.'}) {
        w.form.typeKey(typed(c));
    }
    EXPECT_FALSE(w.view.pointEnabled);
    w.form.typeKey(named(KeyName::Backspace));
    EXPECT_EQ(w.view.display, " 4");
    EXPECT_TRUE(w.view.pointEnabled) << "removing the point makes it available again";
}

namespace {

struct CopyRow {
    const char* name;
    const char* display;
    std::optional<std::string> bengali;
    std::optional<std::string> latin;
};

const CopyRow copies[] = {
    {"blank after start", " ", std::nullopt, std::nullopt},
    {"empty after Clear", "", std::nullopt, std::nullopt},
    {"integer with the start blank", " 15", "\u09E7\u09EB", "15"},
    {"decimal", "1971.25", "\u09E7\u09EF\u09ED\u09E7.\u09E8\u09EB", "1971.25"},
    {"a lone point", " .", ".", "."},
    {"negative", "-2", "-\u09E8", "-2"},
    {"exponent", "1.23456789e+17",
     "\u09E7.\u09E8\u09E9\u09EA\u09EB\u09EC\u09ED\u09EE\u09EFe+\u09E7\u09ED", "1.23456789e+17"},
};

} // namespace

TEST(Clipboard, CopyText) {
    for (const CopyRow& row : copies) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(copyText(row.display, true), row.bengali);
        EXPECT_EQ(copyText(row.display, false), row.latin);
    }
}

TEST(Clipboard, CopyAndPasteThroughTheWindow) {
    StartedWindow w;
    w.form.typeKey(named(KeyName::C, true)); // nothing to copy from the blank display
    EXPECT_FALSE(w.platform.clipboard);
    for (const char32_t c : U"15") {
        if (c != 0) {
            w.form.typeKey(typed(c));
        }
    }
    w.form.typeKey(named(KeyName::C, true));
    EXPECT_EQ(w.platform.clipboard, std::optional<std::string>("\u09E7\u09EB"));
    w.form.typeKey(named(KeyName::C, true, true));
    EXPECT_EQ(w.platform.clipboard, std::optional<std::string>("15"));

    w.platform.clipboard = "\u09E8.\u09EB\n";
    w.form.typeKey(named(KeyName::V, true));
    EXPECT_EQ(w.view.display, "2.5");
    EXPECT_FALSE(w.view.pointEnabled) << "the pasted number has its point";
    w.form.typeKey(typed(U'1'));
    EXPECT_EQ(w.view.display, "2.51");

    w.platform.clipboard = "two";
    w.form.typeKey(named(KeyName::Insert, false, true));
    EXPECT_EQ(w.view.display, "2.51");
    EXPECT_EQ(w.platform.errorSignals, 1);
    EXPECT_EQ(w.view.displayBackground, displayFlashColour);

    // Where the clipboard cannot be read (a browser without the user's leave), nothing is
    // pasted and the failure shows.
    w.platform.clipboardReadable = false;
    w.platform.clipboard = "3";
    w.form.typeKey(named(KeyName::V, true));
    EXPECT_EQ(w.view.display, "2.51");
    EXPECT_EQ(w.platform.errorSignals, 2);
}

TEST(ContextMenu, ItemsAndWhatTheyDo) {
    StartedWindow w;
    w.platform.menuChoice = std::nullopt;
    w.form.contextMenuRequested(1500, 1200, false);
    ASSERT_EQ(w.platform.menus.size(), 1U);
    const auto& menu = w.platform.menus.back();
    EXPECT_FLOAT_EQ(menu.x, 1500);
    std::vector<std::string> labels;
    std::vector<std::string> shortcuts;
    std::vector<bool> enabled;
    std::vector<bool> separated;
    for (const auto& item : menu.items) {
        labels.push_back(item.label);
        shortcuts.push_back(item.shortcut);
        enabled.push_back(item.enabled);
        separated.push_back(item.separatorBefore);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"Copy", "Copy with Latin digits", "Paste", "M +",
                                                "M -", "M Rc", "Clear Memory", "About"}));
    EXPECT_EQ(shortcuts,
              (std::vector<std::string>{"Ctrl+C", "Ctrl+Shift+C", "Ctrl+V", "", "", "", "", ""}));
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, true, true, true, true, true}))
        << "nothing to copy, nothing to paste";
    EXPECT_EQ(separated, (std::vector<bool>{false, false, false, true, false, false, false, true}));

    // A number typed and one on the clipboard: all can act.
    w.form.typeKey(typed(U'6'));
    w.platform.clipboard = "42";
    w.platform.menuChoice = 3; // M +
    w.form.contextMenuRequested(0, 0, false);
    EXPECT_EQ(w.platform.menus.back().items[0].enabled, true);
    EXPECT_EQ(w.platform.menus.back().items[2].enabled, true);
    EXPECT_EQ(w.calculator.state().memoryValue, 6);
    EXPECT_EQ(w.platform.pasteReads, 0) << "opening the menu only looks at the clipboard";
    w.platform.menuChoice = 2; // Paste
    w.form.contextMenuRequested(0, 0, false);
    EXPECT_EQ(w.view.display, "42");
    EXPECT_EQ(w.platform.pasteReads, 1);
    w.platform.menuChoice = 5; // M Rc
    w.form.contextMenuRequested(0, 0, false);
    EXPECT_EQ(w.view.display, "6");
    w.platform.menuChoice = 7; // About
    w.form.contextMenuRequested(0, 0, false);
    EXPECT_EQ(w.platform.boxes, std::vector<std::string>{aboutText(messagesFor("en"))});
    // Text on the clipboard that is no number leaves Paste disabled; a clipboard that cannot
    // be looked at leaves it enabled.
    w.platform.clipboard = "forty-two";
    w.platform.menuChoice.reset();
    w.form.contextMenuRequested(0, 0, false);
    EXPECT_FALSE(w.platform.menus.back().items[2].enabled);
    w.platform.clipboardReadable = false;
    w.form.contextMenuRequested(0, 0, false);
    EXPECT_TRUE(w.platform.menus.back().items[2].enabled);
}

TEST(ContextMenu, FromTheKeyboardAtTheDisplay) {
    StartedWindow w;
    w.form.typeKey(named(KeyName::Menu));
    w.form.typeKey(named(KeyName::F10, false, true));
    ASSERT_EQ(w.platform.menus.size(), 2U);
    EXPECT_FLOAT_EQ(w.platform.menus[0].x, 105);
    EXPECT_FLOAT_EQ(w.platform.menus[0].y, 510);
}

namespace {

struct FocusRow {
    const char* button;
    std::vector<std::string> marked;
};

const FocusRow focusMoves[] = {
    {"cmd7", {"seven"}},
    {"cmd0", {"zero"}},
    {"cmdpoint", {"point"}},
    {"cmdadd", {"plus"}},
    {"cmddivide", {"divided by"}},
    {"cmdeql", {"equals"}},
    {"cmdclear", {"Clear"}},
    {"cmdoff", {"Quit"}},
    {"cmdabout", {}},
    {"cmdmem", {}},
    {"cmdrcm", {}},
    {"cmdclrmem", {}},
};

} // namespace

TEST(Focus, TheFocusMarkFollowsTheFocusAndNeverLightsAKey) {
    StartedWindow w;
    w.form.focusMoved(buttonNamed("cmdabout")); // as the platform reports start-up's focus
    EXPECT_EQ(w.view.markedKeys(), std::vector<std::string>{});
    w.move(centreOf("nine"));
    for (const FocusRow& row : focusMoves) {
        SCOPED_TRACE(row.button);
        w.form.focusMoved(buttonNamed(row.button));
        EXPECT_EQ(w.view.markedKeys(), row.marked);
        EXPECT_EQ(w.view.shownKeys(), std::vector<std::string>{"nine"}) << "the pointer's key";
        EXPECT_EQ(w.view.link, linkRestColour);
    }
    w.form.focusMoved(std::nullopt); // another program took the focus
    EXPECT_EQ(w.view.markedKeys(), std::vector<std::string>{});
}

// Rest the pointer on a key and click it; the keyboard, typed keys and a screen reader act in
// between; a click without moving the mouse still presses the key under the pointer.
TEST(Focus, NoPressIsLostToTheKeyboard) {
    StartedWindow w;
    w.click(centreOf("four"));
    for (const std::size_t button : tabOrder()) { // the whole Tab ring
        w.form.focusMoved(button);
    }
    w.form.typeKey(typed(U'+'));
    w.form.typeKey(typed(U'1'));
    w.form.pressSkinKey(keyNamed("two"));
    w.form.focusMoved(buttonNamed("cmd4"));
    EXPECT_EQ(w.view.shownKeys(), std::vector<std::string>{"four"});
    w.press(centreOf("four"));
    w.release(centreOf("four"));
    EXPECT_EQ(w.view.display, "124");
    EXPECT_EQ(w.view.markedKeys(), std::vector<std::string>{"four"}) << "mark and light at once";
}

TEST(Focus, APointTypedAfterMemoryAddBeginsTheNextNumber) {
    StartedWindow w;
    for (const char32_t c : U"2.5") {
        if (c != 0) {
            w.form.typeKey(typed(c));
        }
    }
    w.pressButtons({"cmdmem"});
    EXPECT_TRUE(w.view.pointEnabled);
    for (const char32_t c : U".5+1") {
        if (c != 0) {
            w.form.typeKey(typed(c));
        }
    }
    w.form.typeKey(named(KeyName::Enter));
    EXPECT_EQ(w.view.display, "1.5");
}
