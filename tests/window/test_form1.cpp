// SPDX-License-Identifier: MIT
// The window model's actions: start-up, how each failure is reported, the guard while a box
// stands in front of the window, and what the view is told to show.
#include "fakes.h"
#include "texts.h"

#include <gtest/gtest.h>

using namespace varnik;
using namespace varnik::test;

namespace {

const Point linkCentre{1500, 3350};

/// One step of a user: a command button by its name, or a skin key clicked by its name.
struct Press {
    enum Kind {
        Button,
        Skin,
        Link,
        Close
    } kind;
    const char* name = "";
};

void perform(StartedWindow& w, const Press& press) {
    switch (press.kind) {
    case Press::Button:
        w.form.clickButton(buttonNamed(press.name));
        break;
    case Press::Skin:
        w.clickKeys({press.name});
        break;
    case Press::Link:
        w.click(linkCentre);
        break;
    case Press::Close:
        w.form.close();
        break;
    }
}

struct ReportCase {
    const char* name;
    std::vector<Press> presses;
    bool browserStarts;
    std::vector<std::string> boxes;
    int errorSignals;
    int endRequests;
    std::vector<std::string> opened;
    const char* display;
};

const std::string target = linkTarget;

const ReportCase reports[] = {
    {"the equals button on the blank display: the empty box",
     {{Press::Button, "cmdeql"}},
     true,
     {""},
     0,
     0,
     {},
     " "},
    {"the skin equals key on the blank display: nothing",
     {{Press::Skin, "equals"}},
     true,
     {},
     0,
     0,
     {},
     " "},
    {"division by zero at the equals button",
     {{Press::Button, "cmd8"},
      {Press::Button, "cmddivide"},
      {Press::Button, "cmd0"},
      {Press::Button, "cmdeql"}},
     true,
     {""},
     0,
     0,
     {},
     "0"},
    {"an operation key on the blank display: the error signal",
     {{Press::Button, "cmdadd"}},
     true,
     {},
     1,
     0,
     {},
     " "},
    {"memory add on the blank display: the error signal",
     {{Press::Button, "cmdmem"}},
     true,
     {},
     1,
     0,
     {},
     " "},
    {"the calculator goes on after a failure",
     {{Press::Button, "cmdadd"}, {Press::Button, "cmdmem"}, {Press::Button, "cmd3"}},
     true,
     {},
     2,
     0,
     {},
     "3"},
    {"About", {{Press::Button, "cmdabout"}}, true, {aboutText(messagesFor("en"))}, 0, 0, {}, " "},
    {"the Quit button",
     {{Press::Button, "cmd1"}, {Press::Button, "cmdadd"}, {Press::Button, "cmdoff"}},
     true,
     {},
     0,
     1,
     {},
     " 1"},
    {"the skin Quit key", {{Press::Skin, "Quit"}}, true, {}, 0, 1, {}, " "},
    {"the close box", {{Press::Close}}, true, {}, 0, 1, {}, " "},
    {"the web link changes nothing",
     {{Press::Button, "cmd8"}, {Press::Link}},
     true,
     {},
     0,
     0,
     {target},
     " 8"},
    {"a web link nothing can open: the error signal",
     {{Press::Link}, {Press::Skin, "eight"}},
     false,
     {},
     1,
     0,
     {target},
     " 8"},
};

} // namespace

TEST(Form1, StartUp) {
    StartedWindow w;
    EXPECT_EQ(w.view.display, " ");
    EXPECT_TRUE(w.view.rightAligned);
    EXPECT_EQ(w.view.operation, "");
    EXPECT_TRUE(w.view.pointEnabled);
    EXPECT_EQ(w.view.shownKeys(), std::vector<std::string>{});
    EXPECT_EQ(w.view.markedKeys(), std::vector<std::string>{});
    EXPECT_EQ(w.view.link, linkRestColour);
    ASSERT_TRUE(w.view.focused);
    EXPECT_STREQ(commandButton(*w.view.focused).name, "cmdabout");
    EXPECT_FALSE(w.calculator.state().keypadFlag);
    // Activation runs once: switching programs and back neither moves the focus nor closes the
    // skin gate again.
    w.clickKeys({"one"});
    w.view.focused.reset();
    w.form.activate();
    EXPECT_FALSE(w.view.focused);
    EXPECT_TRUE(w.calculator.state().keypadFlag);
}

TEST(Form1, Reports) {
    for (const ReportCase& r : reports) {
        SCOPED_TRACE(r.name);
        StartedWindow w;
        w.platform.browserStarts = r.browserStarts;
        for (const Press& press : r.presses) {
            perform(w, press);
        }
        EXPECT_EQ(w.platform.boxes, r.boxes);
        EXPECT_EQ(w.platform.errorSignals, r.errorSignals);
        EXPECT_EQ(w.platform.timers.size(), static_cast<std::size_t>(r.errorSignals))
            << "every error signal is also seen";
        EXPECT_EQ(w.view.displayBackground,
                  r.errorSignals ? displayFlashColour : displayBackground);
        EXPECT_EQ(w.platform.endRequests, r.endRequests);
        EXPECT_EQ(w.platform.opened, r.opened);
        EXPECT_EQ(w.view.display, r.display);
    }
}

TEST(Form1, AboutNamesTheProgramAndItsVersion) {
    EXPECT_EQ(aboutText(messagesFor("en")).rfind("Varnik Calculator 1.", 0), 0U)
        << aboutText(messagesFor("en"));
}

TEST(Form1, TheFlashEndsWhenItsTimerFires) {
    StartedWindow w;
    w.pressButtons({"cmdadd"}); // fails on the blank display
    EXPECT_EQ(w.platform.timers, std::vector<int>{displayFlashMilliseconds});
    EXPECT_EQ(w.view.displayBackground, displayFlashColour);
    w.pressButtons({"cmdmem"}); // a second failure while it flashes starts the flash afresh
    EXPECT_EQ(w.platform.timers.size(), 2U);
    EXPECT_EQ(w.view.displayBackground, displayFlashColour);
    w.form.timerFired();
    EXPECT_EQ(w.view.displayBackground, displayBackground);
    w.form.timerFired(); // a late timer changes nothing
    EXPECT_EQ(w.view.displayBackground, displayBackground);
}

namespace {

// Every kind of input the window takes, each of which would change the display or open
// something if it got through.
void tryEveryInput(StartedWindow& w) {
    w.form.clickButton(buttonNamed("cmd7"));     // the space bar on a hidden button
    w.form.pressSkinKey(keyNamed("seven"));      // a screen reader
    w.form.clickButton(buttonNamed("cmdabout")); // a second box
    w.form.clickButton(buttonNamed("cmdoff"));
    TypedKey typed;
    typed.character = U'7';
    EXPECT_FALSE(w.form.typeKey(typed));
    w.form.contextMenuRequested(1500, 1500, false);
    w.press(centreOf("seven")); // the mouse
    w.release(centreOf("seven"));
    w.move(centreOf("one"));
}

} // namespace

TEST(Form1, NothingReachesTheWindowWhileABoxStandsInFrontOfIt) {
    StartedWindow w;
    w.platform.answerAtOnce = false;
    w.move(centreOf("seven"));
    w.form.clickButton(buttonNamed("cmdabout"));
    EXPECT_TRUE(w.form.inputHeld());
    tryEveryInput(w);
    EXPECT_EQ(w.platform.boxes.size(), 1U);
    EXPECT_EQ(w.platform.menus.size(), 0U);
    EXPECT_EQ(w.platform.endRequests, 0);
    EXPECT_EQ(w.view.display, " ");
    EXPECT_EQ(w.view.shownKeys(), std::vector<std::string>{"seven"});
    // Once the box is closed the window answers again.
    w.form.messageClosed();
    EXPECT_FALSE(w.form.inputHeld());
    w.form.pressSkinKey(keyNamed("seven"));
    EXPECT_EQ(w.view.display, " 7");
}

TEST(Form1, TheEqualsButtonsBoxHoldsInputToo) {
    StartedWindow w;
    w.platform.answerAtOnce = false;
    w.pressButtons({"cmdeql"});
    EXPECT_EQ(w.platform.boxes, std::vector<std::string>{""});
    tryEveryInput(w);
    EXPECT_EQ(w.view.display, " ");
    w.form.messageClosed();
    w.pressButtons({"cmd7"});
    EXPECT_EQ(w.view.display, " 7");
}

TEST(Form1, AMenuIsChosenDismissedAndNeverOpenedTwice) {
    StartedWindow w;
    w.platform.answerAtOnce = false;
    w.pressButtons({"cmd6"});
    w.form.contextMenuRequested(1500, 1500, false);
    w.form.clipboardRead(std::string("42")); // the clipboard's answer opens the menu
    ASSERT_EQ(w.platform.menus.size(), 1U);
    EXPECT_TRUE(w.form.inputHeld());
    w.form.contextMenuRequested(100, 100, false); // a second request while it is open
    EXPECT_EQ(w.platform.clipboardReads, 1);
    tryEveryInput(w);
    EXPECT_EQ(w.view.display, " 6");
    w.form.menuChosen(3); // M +
    EXPECT_EQ(w.calculator.state().memoryValue, 6);
    EXPECT_FALSE(w.form.inputHeld());
    w.form.menuChosen(3); // an answer to no menu
    EXPECT_EQ(w.calculator.state().memoryValue, 6);

    w.form.contextMenuRequested(1500, 1500, false);
    w.form.clipboardRead(std::nullopt);
    w.form.menuDismissed();
    EXPECT_FALSE(w.form.inputHeld());
    EXPECT_EQ(w.calculator.state().memoryValue, 6);
    EXPECT_EQ(w.platform.menus.size(), 2U);
}

TEST(Form1, TheToolkitsOwnKeyboardMenuRequestIsTheMenuKeyAgain) {
    StartedWindow w;
    w.form.contextMenuRequested(0, 0, true);
    EXPECT_TRUE(w.platform.menus.empty());
}

TEST(Form1, TheViewFollowsTheEngine) {
    StartedWindow w;
    w.pressButtons({"cmd1", "cmdpoint"});
    EXPECT_EQ(w.view.display, " 1.");
    EXPECT_FALSE(w.view.pointEnabled);
    w.pressButtons({"cmdmultiply"});
    EXPECT_EQ(w.view.operation, "Multiplication");
    EXPECT_TRUE(w.view.pointEnabled);
    w.pressButtons({"cmdclear"});
    EXPECT_EQ(w.view.operation, " ");
    EXPECT_EQ(w.view.display, "");
}

TEST(Form1, TheDisabledPointButtonHandsTheFocusOn) {
    StartedWindow w;
    w.form.focusMoved(buttonNamed("cmdpoint"));
    w.pressButtons({"cmdpoint"}); // the space bar on it
    ASSERT_TRUE(w.view.focused);
    EXPECT_STREQ(commandButton(*w.view.focused).name, "cmd0") << "the next in tab order";
    w.form.focusMoved(buttonNamed("cmd0"));
    EXPECT_STREQ(commandButton(w.form.nextFocus(true)).name, "cmdeql") << "the point is skipped";
}

TEST(Form1, AScreenReadersPressRunsTheLitKeysAction) {
    StartedWindow w;
    w.form.pressSkinKey(keyNamed("plus")); // the skin gate is still closed
    EXPECT_EQ(w.view.operation, "");
    for (const char* key : {"seven", "plus", "five", "equals"}) {
        w.form.pressSkinKey(keyNamed(key));
    }
    EXPECT_EQ(w.view.display, "12");
    w.form.pressSkinKey(keyNamed("Clear")); // clears, as a click on the lit key does
    EXPECT_EQ(w.view.display, "");
    EXPECT_EQ(w.view.shownKeys(), std::vector<std::string>{}) << "only the pointer lights keys";
    w.form.pressSkinKey(keyNamed("Quit"));
    EXPECT_EQ(w.platform.endRequests, 1);
}

TEST(Form1, ScreenReadersFindKeysWhereTheyAreDrawn) {
    StartedWindow w;
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        const Twips& at = skinKey(key).geometry;
        EXPECT_EQ(w.form.skinKeyAt(at.left, at.top), key);
        EXPECT_EQ(w.form.skinKeyAt(at.left + at.width - 1, at.top + at.height - 1), key);
        EXPECT_EQ(w.form.accessibleKey(key).name, skinKey(key).accessibleName);
        EXPECT_EQ(w.form.accessibleKey(key).action, "Press");
    }
    EXPECT_FALSE(w.form.skinKeyAt(1500, 300)) << "the display";
    EXPECT_FALSE(w.form.skinKeyAt(1500, 3350)) << "the link";
}
