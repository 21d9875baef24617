// SPDX-License-Identifier: MIT
// The window model's actions: start-up, how each failure is reported, the guard while a box
// stands in front of the window, and what the view is told to show.
#include "fakes.h"

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

std::size_t buttonNamed(std::string_view name) {
    for (std::size_t row = 0; row < commandButtonCount; ++row) {
        if (name == commandButtons[row].name) {
            return row;
        }
    }
    throw std::invalid_argument("no button " + std::string(name));
}

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
    {"About", {{Press::Button, "cmdabout"}}, true, {aboutText()}, 0, 0, {}, " "},
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
    {"the web linkCentre changes nothing",
     {{Press::Button, "cmd8"}, {Press::Link}},
     true,
     {},
     0,
     0,
     {target},
     " 8"},
    {"a web linkCentre nothing can open: the error signal",
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
    EXPECT_EQ(w.view.operation, "");
    EXPECT_TRUE(w.view.pointEnabled);
    EXPECT_EQ(w.view.shownKeys(), std::vector<std::string>{});
    EXPECT_EQ(w.view.link, linkRestColour);
    ASSERT_TRUE(w.view.focused);
    EXPECT_STREQ(commandButtons[*w.view.focused].name, "cmdabout");
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
        EXPECT_EQ(w.view.flashes, r.errorSignals) << "every error signal is also seen";
        EXPECT_EQ(w.platform.endRequests, r.endRequests);
        EXPECT_EQ(w.platform.opened, r.opened);
        EXPECT_EQ(w.view.display, r.display);
    }
}

TEST(Form1, AboutNamesTheProgramAndItsVersion) {
    EXPECT_EQ(aboutText().rfind("Varnik Calculator 1.", 0), 0U) << aboutText();
}

TEST(Form1, NothingReachesTheWindowWhileABoxStandsInFrontOfIt) {
    StartedWindow w;
    w.move(centreOf("seven"));
    int tries = 0;
    w.platform.whileBoxOpen = [&w, &tries] {
        ++tries;
        EXPECT_TRUE(w.form.boxOpen());
        w.form.clickButton(buttonRow(Key::Seven));   // the space bar on a hidden button
        w.form.pressSkinKey(keyNamed("seven"));      // a screen reader
        w.form.clickButton(buttonRow(Shell::About)); // a second box
        w.form.clickButton(buttonRow(Shell::Quit));
        w.press(centreOf("seven")); // the mouse
        w.release(centreOf("seven"));
        w.move(centreOf("one"));
    };
    w.form.clickButton(buttonRow(Shell::About));
    EXPECT_EQ(tries, 1);
    EXPECT_EQ(w.platform.boxes.size(), 1U);
    EXPECT_EQ(w.platform.endRequests, 0);
    EXPECT_EQ(w.view.display, " ");
    EXPECT_EQ(w.view.shownKeys(), std::vector<std::string>{"seven"});
    EXPECT_FALSE(w.form.boxOpen());
    // Once the box is closed the window answers again.
    w.form.pressSkinKey(keyNamed("seven"));
    EXPECT_EQ(w.view.display, " 7");
}

TEST(Form1, TheViewFollowsTheEngine) {
    StartedWindow w;
    w.form.clickButton(buttonRow(Key::One));
    w.form.clickButton(buttonRow(Key::Point));
    EXPECT_EQ(w.view.display, " 1.");
    EXPECT_FALSE(w.view.pointEnabled);
    w.form.clickButton(buttonRow(Key::Multiply));
    EXPECT_EQ(w.view.operation, "Multiplication");
    EXPECT_TRUE(w.view.pointEnabled);
    w.form.clickButton(buttonRow(Key::Clear));
    EXPECT_EQ(w.view.operation, " ");
    EXPECT_EQ(w.view.display, "");
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
