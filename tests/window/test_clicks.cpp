// SPDX-License-Identifier: MIT
// The click rule and where pointer events go: the topmost visible picture under the pointer,
// a press and release on the same control, no click from a double-click's second press.
#include "fakes.h"

#include <gtest/gtest.h>

using namespace varnik;
using namespace varnik::test;

namespace {

struct Step {
    enum Kind {
        Move,
        Press,
        Release,
        DoubleClick,
        HideAll
    } kind;
    Point at;
};

Step move(std::string_view key) {
    return {Step::Move, centreOf(key)};
}
Step press(std::string_view key) {
    return {Step::Press, centreOf(key)};
}
Step release(std::string_view key) {
    return {Step::Release, centreOf(key)};
}

const Point bare{3045, 1500};

struct Case {
    const char* name;
    std::vector<Step> steps;
    const char* display;
    std::vector<std::string> shown;
};

const Case cases[] = {
    {"a click on the lit key runs it",
     {move("seven"), press("seven"), release("seven")},
     " 7",
     {"seven"}},
    {"press on one key, release on another",
     {move("one"), press("one"), {Step::Move, centreOf("two")}, release("two")},
     " ",
     {"one"}},
    {"release off the pressed key",
     {move("one"), press("one"), {Step::Release, bare}},
     " ",
     {"one"}},
    {"double-click enters once",
     {move("four"),
      press("four"),
      release("four"),
      {Step::DoubleClick, centreOf("four")},
      release("four")},
     " 4",
     {"four"}},
    {"two clicks are two",
     {move("four"), press("four"), release("four"), press("four"), release("four")},
     " 44",
     {"four"}},
    {"a hidden highlight takes no click",
     {move("eight"), {Step::HideAll, {}}, press("eight"), release("eight")},
     " ",
     {}},
    {"the Clear key's normal picture enters a zero",
     {move("one"),
      press("one"),
      release("one"),
      move("Clear"),
      {Step::HideAll, {}},
      press("Clear"),
      release("Clear")},
     " 10",
     {}},
    {"the lit Clear key clears",
     {move("one"), press("one"), release("one"), move("Clear"), press("Clear"), release("Clear")},
     "",
     {"Clear"}},
    {"moves go to the bare window while pressed there",
     {{Step::Move, bare}, {Step::Press, bare}, move("one"), release("one")},
     " ",
     {}},
    {"the key's right edge line is not on the key",
     {{Step::Press, {540, 750}}, {Step::Release, {540, 750}}},
     " ",
     {}},
    {"only the left button's press counts (a stray release clicks nothing)",
     {move("five"), release("five")},
     " ",
     {"five"}},
};

} // namespace

TEST(Clicks, Rule) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartedWindow w;
        for (const Step& step : c.steps) {
            switch (step.kind) {
            case Step::Move:
                w.move(step.at);
                break;
            case Step::Press:
                w.press(step.at);
                break;
            case Step::Release:
                w.release(step.at);
                break;
            case Step::DoubleClick:
                w.form.pointerDoubleClicked(step.at.x, step.at.y);
                break;
            case Step::HideAll:
                w.form.HideAll();
                break;
            }
        }
        EXPECT_EQ(w.view.display, c.display);
        EXPECT_EQ(w.view.shownKeys(), c.shown);
    }
}

TEST(Clicks, TopmostVisiblePictureTakesTheEvents) {
    StartedWindow w;
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        const Point centre = centreOf(skinKey(key).accessibleName);
        EXPECT_EQ(w.form.targetAt(centre.x, centre.y),
                  (PointerTarget{PointerTarget::Kind::NormalPicture, key}));
        w.move(centre);
        EXPECT_EQ(w.form.targetAt(centre.x, centre.y),
                  (PointerTarget{PointerTarget::Kind::HighlightPicture, key}))
            << "the highlight covers its normal picture";
    }
    EXPECT_EQ(w.form.targetAt(1500, 3350).kind, PointerTarget::Kind::LinkLabel);
    // The hidden operation label lies in the display: neither takes the pointer's events.
    EXPECT_EQ(w.form.targetAt(1500, 200).kind, PointerTarget::Kind::BareWindow);
    // A key covers its left and top edges, not its right and bottom ones.
    w.move(centreOf("one"));
    EXPECT_EQ(w.form.targetAt(105, 630).kind, PointerTarget::Kind::HighlightPicture);
    EXPECT_EQ(w.form.targetAt(540, 700).kind, PointerTarget::Kind::BareWindow);
    EXPECT_EQ(w.form.targetAt(300, 1050).kind, PointerTarget::Kind::BareWindow);
}

TEST(Clicks, SevenPlusFiveOnTheSkin) {
    StartedWindow w;
    w.clickKeys({"seven"});
    EXPECT_EQ(w.view.display, " 7");
    w.clickKeys({"plus"});
    EXPECT_EQ(w.view.operation, "Addition");
    EXPECT_EQ(w.view.display, " 7");
    w.clickKeys({"five"});
    EXPECT_EQ(w.view.display, "5");
    w.clickKeys({"equals"});
    EXPECT_EQ(w.view.display, "12");
}

TEST(Clicks, SkinGate) {
    StartedWindow w;
    w.form.clickButton(*buttonOf(Key::Four));
    w.clickKeys({"times"}); // closed since start-up; button digits do not open it
    EXPECT_EQ(w.view.operation, "");
    w.clickKeys({"three", "times"});
    EXPECT_EQ(w.view.operation, "Multiplication");
    w.clickKeys({"Clear"}); // the pointer moves onto the key first: its highlight clears
    EXPECT_EQ(w.view.display, "");
    w.clickKeys({"two", "Clear", "divided by"});
    EXPECT_EQ(w.view.operation, " ");
}
