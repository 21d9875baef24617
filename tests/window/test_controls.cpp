// SPDX-License-Identifier: MIT
// What the window derives from its key table: the stacking and tab orders as the window lays
// them out, the buttons' places, the twins, and the pixels of a rectangle at any density.
#include "controls.h"
#include "units.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace varnik;

namespace {

std::string nameOf(const Windowless& control) {
    switch (control.kind) {
    case Windowless::Kind::NormalPicture:
        return pictureName(normalImage(control.key));
    case Windowless::Kind::HighlightPicture:
        return pictureName(highlightImage(control.key));
    case Windowless::Kind::LinkLabel:
        return linkName;
    case Windowless::Kind::OperationLabel:
        return operationLabelName;
    }
    return {};
}

} // namespace

TEST(Controls, StackingOrderOfThePicturesAndLabels) {
    std::vector<std::string> names;
    for (const Windowless& control : stackingOrder()) {
        names.push_back(nameOf(control));
    }
    const std::vector<std::string> expected{
        "Image28", "Image27", "Image26", "Image25", "Image2",  "Image4",  "Image6",  "Image8",
        "Image10", "Image12", "Image14", "Image16", "Label1",  "Label2",  "Image22", "Image18",
        "Image24", "Image32", "Image34", "Image36", "Image1",  "Image3",  "Image5",  "Image7",
        "Image9",  "Image11", "Image13", "Image15", "Image17", "Image35", "Image33", "Image31",
        "Image23", "Image21", "Image20", "Image19", "Image30", "Image29"};
    EXPECT_EQ(names, expected);
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

TEST(Controls, TabOrderAndButtons) {
    std::vector<std::string> walk;
    for (const std::size_t button : tabOrder()) {
        walk.emplace_back(commandButton(button).name);
    }
    const std::vector<std::string> expected{
        "cmdclear", "cmdoff", "cmdabout",    "cmdmem", "cmdmem1", "cmdrcm", "cmddivide",   "cmdeql",
        "cmdpoint", "cmd0",   "cmdmultiply", "cmd3",   "cmd2",    "cmd1",   "cmdsubtract", "cmd6",
        "cmd5",     "cmd4",   "cmdadd",      "cmd9",   "cmd8",    "cmd7",   "cmdclrmem"};
    EXPECT_EQ(walk, expected);
    for (std::size_t button = 0; button < commandButtonCount; ++button) {
        const PixelRect at = toPixels(commandButton(button).geometry);
        const bool outside = at.top >= toPixels(clientHeight) || at.left >= toPixels(clientWidth);
        EXPECT_TRUE(outside) << commandButton(button).name << " is never seen";
    }
    EXPECT_FALSE(buttonOf(Key::Backspace)) << "a typed key only";
    EXPECT_FALSE(buttonOf(Shell::Link));
}

TEST(Controls, TabWrapsAndSkipsTheDisabledPoint) {
    const std::size_t clear = *buttonOf(Key::Clear);
    const std::size_t clearMemory = *buttonOf(Key::MemoryClear);
    EXPECT_EQ(nextInTabOrder(clearMemory, false, true), clear);
    EXPECT_EQ(nextInTabOrder(clear, true, true), clearMemory);
    EXPECT_EQ(nextInTabOrder(*buttonOf(Key::Equals), false, true), pointButton);
    EXPECT_EQ(nextInTabOrder(*buttonOf(Key::Equals), false, false), *buttonOf(Key::Zero));
}

TEST(Controls, Twins) {
    std::vector<std::pair<std::string, std::string>> twins;
    for (std::size_t button = 0; button < commandButtonCount; ++button) {
        if (const auto key = twinKey(button)) {
            twins.emplace_back(commandButton(button).name, skinKey(*key).accessibleName);
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
