// SPDX-License-Identifier: MIT
// What the window derives from its key table, by the properties the window needs: each
// highlight in front of its picture, Tab from About round every button, twins that do the same,
// the buttons out of sight, and the pixels of a rectangle at any density.
#include "controls.h"
#include "fakes.h"
#include "units.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace varnik;
using namespace varnik::test;

TEST(Controls, EveryPictureAndLabelStacksOnceEachHighlightInFrontOfItsPicture) {
    const auto& order = stackingOrder();
    const auto place = [&order](const Windowless& control) {
        return std::count(order.begin(), order.end(), control) == 1
                   ? std::find(order.begin(), order.end(), control) - order.begin()
                   : -1;
    };
    EXPECT_GE(place({Windowless::Kind::LinkLabel}), 0);
    EXPECT_GE(place({Windowless::Kind::OperationLabel}), 0);
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        const auto highlight = place({Windowless::Kind::HighlightPicture, key});
        const auto normal = place({Windowless::Kind::NormalPicture, key});
        EXPECT_GE(highlight, 0) << skinKey(key).accessibleName;
        EXPECT_LT(highlight, normal) << skinKey(key).accessibleName << ": the highlight in front";
    }
}

TEST(Controls, NoTwoKeysOverlapAndAllLieInTheClientArea) {
    for (std::size_t a = 0; a < skinKeyCount; ++a) {
        const Twips& k = skinKey(a).geometry;
        EXPECT_LE(k.left + k.width, clientWidth);
        EXPECT_LE(k.top + k.height, clientHeight);
        for (std::size_t b = a + 1; b < skinKeyCount; ++b) {
            const Twips& o = skinKey(b).geometry;
            const bool apart = k.left + k.width <= o.left || o.left + o.width <= k.left ||
                               k.top + k.height <= o.top || o.top + o.height <= k.top;
            EXPECT_TRUE(apart) << skinKey(a).accessibleName << " and " << skinKey(b).accessibleName;
        }
    }
}

TEST(Controls, TabFromAboutReachesEveryButtonOnceInTabIndexOrder) {
    for (const bool backwards : {false, true}) {
        SCOPED_TRACE(backwards ? "Shift+Tab" : "Tab");
        std::vector<int> visits(commandButtonCount);
        std::size_t at = aboutButton;
        for (std::size_t step = 0; step < commandButtonCount; ++step) {
            const std::size_t next = nextInTabOrder(at, backwards, true);
            // The next tab index, or round from the last to the first.
            const bool onward = commandButton(next).tabIndex > commandButton(at).tabIndex;
            const bool round = next == tabOrder()[backwards ? commandButtonCount - 1 : 0];
            EXPECT_TRUE(onward != backwards || round) << commandButton(at).name;
            ++visits[next];
            at = next;
        }
        EXPECT_EQ(at, aboutButton) << "and back to About";
        EXPECT_EQ(visits, std::vector<int>(commandButtonCount, 1));
    }
    for (std::size_t button = 0; button < commandButtonCount; ++button) {
        const PixelRect at = toPixels(commandButton(button).geometry);
        const bool outside = at.top >= toPixels(clientHeight) || at.left >= toPixels(clientWidth);
        EXPECT_TRUE(outside) << commandButton(button).name << " is never seen";
    }
    EXPECT_FALSE(buttonOf(Key::Backspace)) << "a typed key only";
    EXPECT_FALSE(buttonOf(Shell::Link));
}

TEST(Controls, TabSkipsTheDisabledPoint) {
    const std::size_t equals = *buttonOf(Key::Equals);
    EXPECT_EQ(nextInTabOrder(equals, false, true), pointButton);
    const std::size_t afterPoint = nextInTabOrder(pointButton, false, true);
    EXPECT_EQ(nextInTabOrder(equals, false, false), afterPoint);
    EXPECT_EQ(nextInTabOrder(afterPoint, true, false), equals);
}

TEST(Controls, TwinsPressTheSameAction) {
    // From a pending 7 + 2, entered on the skin so that its operation keys take effect too.
    std::size_t twins = 0;
    for (std::size_t button = 0; button < commandButtonCount; ++button) {
        const auto key = twinKey(button);
        if (!key) {
            continue;
        }
        ++twins;
        SCOPED_TRACE(commandButton(button).name);
        StartedWindow byButton;
        StartedWindow byKey;
        for (StartedWindow* w : {&byButton, &byKey}) {
            w->clickKeys({"seven", "plus", "two"});
        }
        byButton.form.clickButton(button);
        byKey.clickKeys({skinKey(*key).accessibleName});
        EXPECT_EQ(byKey.view.display, byButton.view.display);
        EXPECT_EQ(byKey.view.operation, byButton.view.operation);
        EXPECT_EQ(byKey.view.pointEnabled, byButton.view.pointEnabled);
        EXPECT_EQ(byKey.platform.endRequests, byButton.platform.endRequests);
    }
    EXPECT_EQ(twins, skinKeyCount) << "every skin key has a button";
}

namespace {

struct DensityCase {
    const char* name;
    int twips;
    double scale;
    int pixel;
};

// The first pixel at or after an edge: 1155 twips is 77 pixels at 96 dpi, 96.25 at 120 dpi,
// 562.1 at 7.3 times.
const DensityCase edges[] = {
    {"on a pixel at 96 dpi", 1155, 1.0, 77},
    {"between pixels at 120 dpi", 1155, 1.25, 97},
    {"on a pixel at 144 dpi", 1155, 1.5, 116},
    {"between pixels at 168 dpi", 1155, 1.75, 135},
    {"on a pixel at 192 dpi", 1155, 2.0, 154},
    {"7.3 times", 1155, 7.3, 563},
    {"an edge that 7.3 puts on a pixel", 1050, 7.3, 511},
    {"the link label between pixels at 96 dpi", 250, 1.0, 17},
};

} // namespace

TEST(Units, AControlStartsAtTheFirstPixelAtOrAfterItsEdge) {
    for (const DensityCase& c : edges) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(toDevicePixels(c.twips, c.scale), c.pixel);
        if (c.scale * designDpi == static_cast<int>(c.scale * designDpi)) {
            EXPECT_EQ(toPixels(c.twips, static_cast<int>(c.scale * designDpi)), c.pixel);
        }
        // The pointer agrees: that pixel lies on the control, the one before does not.
        EXPECT_GE(toTwipsAtScale(c.pixel, c.scale), static_cast<float>(c.twips));
        EXPECT_LT(toTwipsAtScale(c.pixel - 1, c.scale), static_cast<float>(c.twips));
    }
    const PixelRect clear = toPixels(skinKey(13).geometry, 192);
    EXPECT_EQ(clear.width, 76);
    EXPECT_EQ(clear.height, 266);
    EXPECT_FLOAT_EQ(toTwips(36), 540);
    EXPECT_FLOAT_EQ(toTwips(72, 192), 540);
}

TEST(Units, KeyPicturesAreNeverEnlargedUpToTheDensest) {
    const struct {
        double scale;
        int density;
    } rows[] = {{0.5, 1},  {1.0, 1}, {1.0000001, 1}, {1.25, 2}, {1.5, 2}, {2.0, 2},
                {2.25, 3}, {3.0, 3}, {3.5, 4},       {4.0, 4},  {7.3, 4}};
    for (const auto& row : rows) {
        EXPECT_EQ(pictureDensity(row.scale), row.density) << "at " << row.scale;
    }
    // Up to 4x every key gets at least 0.95 picture pixels per screen pixel, though its edges
    // round outwards to whole pixels.
    for (int percent = 100; percent <= 400; percent += 5) {
        const double scale = percent / 100.0;
        for (std::size_t key = 0; key < skinKeyCount; ++key) {
            const PixelRect design = toPixels(skinKey(key).geometry);
            const PixelRect drawn = toDevicePixels(skinKey(key).geometry, scale);
            const int density = pictureDensity(scale);
            EXPECT_GE(design.width * density, 0.95 * drawn.width) << percent << "% key " << key;
            EXPECT_GE(design.height * density, 0.95 * drawn.height) << percent << "% key " << key;
        }
    }
}
