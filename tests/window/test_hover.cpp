// SPDX-License-Identifier: MIT
// The hover highlight: entering keys, the leave test on the bare window, the link's colours.
#include "fakes.h"

#include <gtest/gtest.h>

using namespace varnik;
using namespace varnik::test;

namespace {

// The one key covers twips 105..540 across and 630..1050 down; neighbours start at x = 630
// (the two key) and y = 1155 (the four key), so the lines x = 540 and y = 1050 are bare window.
const Point bare{3045, 1500}; // right of the Clear key, outside every key
const Point linkCentre{1500, 3350};

struct Journey {
    const char* name;
    std::vector<Point> moves;
    std::vector<std::string> shown;
    BgrColour linkColour;
};

const Journey journeys[] = {
    {"start-up shows nothing", {}, {}, linkRestColour},
    {"entering a key lights it", {centreOf("seven")}, {"seven"}, linkRestColour},
    {"straight from key to key", {pixels(35, 50), pixels(42, 50)}, {"two"}, linkRestColour},
    {"right edge line still inside", {centreOf("one"), {540, 750}}, {"one"}, linkRestColour},
    {"past the right edge", {centreOf("one"), {540.5F, 750}}, {}, linkRestColour},
    {"bottom edge line still inside", {centreOf("one"), {300, 1050}}, {"one"}, linkRestColour},
    {"past the bottom edge", {centreOf("one"), {300, 1050.5F}}, {}, linkRestColour},
    {"bottom right corner", {centreOf("one"), {540, 1050}}, {"one"}, linkRestColour},
    {"left of the key", {centreOf("one"), {104, 750}}, {}, linkRestColour},
    {"above the key", {centreOf("one"), {300, 629}}, {}, linkRestColour},
    {"moves over the lit key change nothing",
     {centreOf("one"), {110, 640}},
     {"one"},
     linkRestColour},
    {"the link turns blue", {linkCentre}, {}, linkHoverColour},
    {"the bare window leaves the link blue", {linkCentre, bare}, {}, linkHoverColour},
    {"entering a key gives the link its rest colour",
     {linkCentre, bare, centreOf("equals")},
     {"equals"},
     linkRestColour},
    {"from a key straight onto the link",
     {centreOf("equals"), linkCentre},
     {"equals"},
     linkHoverColour},
    {"the display is bare window", {centreOf("one"), pixels(100, 20)}, {}, linkRestColour},
};

} // namespace

TEST(Hover, Journeys) {
    for (const Journey& journey : journeys) {
        SCOPED_TRACE(journey.name);
        StartedWindow w;
        for (const Point& at : journey.moves) {
            w.move(at);
        }
        EXPECT_EQ(w.view.shownKeys(), journey.shown);
        EXPECT_EQ(w.view.link, journey.linkColour);
        // The view was told every change of the scene.
        for (std::size_t key = 0; key < skinKeyCount; ++key) {
            EXPECT_EQ(w.form.scene().keys[key].lit, w.view.shown[key]);
        }
    }
}

TEST(Hover, TheLeaveTestNeverShowsAKey) {
    StartedWindow w;
    w.move({540, 750}); // the one key's edge line, nothing lit before
    EXPECT_EQ(w.view.shownKeys(), std::vector<std::string>{});
    w.move(centreOf("one"));
    w.move({540, 750});
    EXPECT_EQ(w.view.shownKeys(), std::vector<std::string>{"one"});
}

TEST(Hover, HideAllHidesEveryKeyAndResetsTheLink) {
    StartedWindow w;
    w.move(linkCentre);
    w.move(centreOf("nine"));
    w.move(linkCentre);
    w.form.HideAll();
    EXPECT_EQ(w.view.shownKeys(), std::vector<std::string>{});
    EXPECT_EQ(w.view.link, linkRestColour);
}

TEST(Hover, ClosedRectangleInFloats) {
    const Twips key{105, 630, 435, 420};
    EXPECT_TRUE(pointerInside(105, 630, key));
    EXPECT_TRUE(pointerInside(540, 1050, key));
    EXPECT_FALSE(pointerInside(540.0001F, 1050, key));
    EXPECT_FALSE(pointerInside(104.9999F, 700, key));
    // 16777217 is no 32-bit float: the sum 16777216 + 1 rounds back to 16777216.
    const Twips far{16777216, 0, 1, 10};
    EXPECT_TRUE(pointerInside(16777216, 5, far));
    EXPECT_FALSE(pointerInside(16777218, 5, far));
}
