// SPDX-License-Identifier: MIT
// What the window derives from its tables: the stacking order covers every picture and label
// once, each highlight lies in front of its normal picture, the tab order, the twins.
#include "controls.h"
#include "units.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace varnik;

namespace {

std::size_t stackingPosition(const Windowless& control) {
    const auto found = std::find_if(windowlessStacking.begin(), windowlessStacking.end(),
                                    [&control](const Windowless& w) {
                                        return w.kind == control.kind && w.image == control.image;
                                    });
    return static_cast<std::size_t>(found - windowlessStacking.begin());
}

} // namespace

TEST(Controls, StackingHoldsEveryPictureAndLabelOnce) {
    std::set<int> pictures;
    int labels = 0;
    for (const Windowless& control : windowlessStacking) {
        if (control.kind == Windowless::Kind::Picture) {
            EXPECT_TRUE(pictures.insert(control.image).second) << control.image;
        } else {
            ++labels;
        }
    }
    EXPECT_EQ(pictures.size(), static_cast<std::size_t>(pictureCount));
    EXPECT_EQ(*pictures.begin(), 1);
    EXPECT_EQ(*pictures.rbegin(), pictureCount);
    EXPECT_EQ(labels, 2);
}

TEST(Controls, EachHighlightLiesInFrontOfItsNormalPicture) {
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        EXPECT_LT(stackingPosition({Windowless::Kind::Picture, highlightImage(key)}),
                  stackingPosition({Windowless::Kind::Picture, normalImage(key)}))
            << skinKeys[key].accessibleName;
    }
}

TEST(Controls, NoTwoKeysOverlapAndAllLieInTheClientArea) {
    for (std::size_t a = 0; a < skinKeyCount; ++a) {
        const Twips& k = skinKeys[a].geometry;
        EXPECT_LE(k.left + k.width, clientWidth);
        EXPECT_LE(k.top + k.height, clientHeight);
        for (std::size_t b = a + 1; b < skinKeyCount; ++b) {
            const Twips& o = skinKeys[b].geometry;
            const bool apart = k.left + k.width <= o.left || o.left + o.width <= k.left ||
                               k.top + k.height <= o.top || o.top + o.height <= k.top;
            EXPECT_TRUE(apart) << skinKeys[a].accessibleName << " and "
                               << skinKeys[b].accessibleName;
        }
    }
}

TEST(Controls, TabOrderAndButtons) {
    std::vector<std::string> walk;
    for (const std::size_t row : tabOrder()) {
        walk.emplace_back(commandButtons[row].name);
    }
    const std::vector<std::string> expected{
        "cmdclear", "cmdoff", "cmdabout",    "cmdmem", "cmdmem1", "cmdrcm", "cmddivide",   "cmdeql",
        "cmdpoint", "cmd0",   "cmdmultiply", "cmd3",   "cmd2",    "cmd1",   "cmdsubtract", "cmd6",
        "cmd5",     "cmd4",   "cmdadd",      "cmd9",   "cmd8",    "cmd7",   "cmdclrmem"};
    EXPECT_EQ(walk, expected);
    for (std::size_t row = 0; row < commandButtonCount; ++row) {
        EXPECT_EQ(buttonRow(commandButtons[row].action), row) << "one button per action";
        const PixelRect at = toPixels(commandButtons[row].geometry);
        const bool outside = at.top >= toPixels(clientHeight) || at.left >= toPixels(clientWidth);
        EXPECT_TRUE(outside) << commandButtons[row].name << " is never seen";
    }
}

TEST(Controls, Twins) {
    std::vector<std::pair<std::string, std::string>> twins;
    for (std::size_t row = 0; row < commandButtonCount; ++row) {
        if (const auto key = twinKey(row)) {
            twins.emplace_back(commandButtons[row].name, skinKeys[*key].accessibleName);
        }
    }
    std::sort(twins.begin(), twins.end());
    const std::vector<std::pair<std::string, std::string>> expected{{"cmd0", "zero"},
                                                                    {"cmd1", "one"},
                                                                    {"cmd2", "two"},
                                                                    {"cmd3", "three"},
                                                                    {"cmd4", "four"},
                                                                    {"cmd5", "five"},
                                                                    {"cmd6", "six"},
                                                                    {"cmd7", "seven"},
                                                                    {"cmd8", "eight"},
                                                                    {"cmd9", "nine"},
                                                                    {"cmdadd", "plus"},
                                                                    {"cmdclear", "Clear"},
                                                                    {"cmddivide", "divided by"},
                                                                    {"cmdeql", "equals"},
                                                                    {"cmdmultiply", "times"},
                                                                    {"cmdoff", "Quit"},
                                                                    {"cmdpoint", "point"},
                                                                    {"cmdsubtract", "minus"}};
    EXPECT_EQ(twins, expected);
}

TEST(Controls, PixelsAtDensities) {
    // Edges are rounded, so the link label, which starts between pixels, keeps its width.
    const PixelRect link = toPixels(linkGeometry);
    EXPECT_EQ(link.left, 17);
    EXPECT_EQ(link.width, 173);
    const PixelRect clear = toPixels(skinKeys[13].geometry, 192);
    EXPECT_EQ(clear.width, 76);
    EXPECT_EQ(clear.height, 266);
    EXPECT_FLOAT_EQ(toTwips(36), 540);
    EXPECT_FLOAT_EQ(toTwips(72, 192), 540);
}
