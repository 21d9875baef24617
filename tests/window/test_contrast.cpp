// SPDX-License-Identifier: MIT
// High contrast: which colours the window asks for with the desktop's setting on and off, as
// the link, the display and its flash change state; and how a scheme's colours tell the
// setting where the desktop tells nothing else.
#include "contrast.h"
#include "fakes.h"

#include <gtest/gtest.h>

using namespace varnik;
using namespace varnik::test;

namespace {

const Point linkCentre{1500, 3350};

enum class Step {
    On,
    Off,
    HoverLink,
    Fail,
    FlashEnds
};

struct ContrastCase {
    const char* name;
    std::vector<Step> steps;
    SceneColour background;
    SceneColour link;
    SceneColour displayBackground;
    SceneColour displayText;
    std::vector<SystemColour> focusMarkLines;
};

using S = SystemColour;
const std::vector<S> twoLines{S::Highlight, S::HighlightText};

// clang-format off
const ContrastCase cases[] = {
    {"the described colours by default", {},
     windowBackground, linkRestColour, displayBackground, displayTextColour, {}},
    {"on: the desktop's readable colours", {Step::On},
     S::Window, S::Link, S::Field, S::FieldText, twoLines},
    {"the link under the pointer", {Step::On, Step::HoverLink},
     S::Window, S::Highlight, S::Field, S::FieldText, twoLines},
    {"turned on while the pointer is on the link", {Step::HoverLink, Step::On},
     S::Window, S::Highlight, S::Field, S::FieldText, twoLines},
    {"off again, the link still under the pointer", {Step::On, Step::HoverLink, Step::Off},
     windowBackground, linkHoverColour, displayBackground, displayTextColour, {}},
    {"a failure flashes in the highlight's colours", {Step::On, Step::Fail},
     S::Window, S::Link, S::Highlight, S::HighlightText, twoLines},
    {"turned on during a flash, which then ends", {Step::Fail, Step::On, Step::FlashEnds},
     S::Window, S::Link, S::Field, S::FieldText, twoLines},
    {"turned off during a flash", {Step::On, Step::Fail, Step::Off},
     windowBackground, linkRestColour, displayFlashColour, displayTextColour, {}},
};
// clang-format on

} // namespace

TEST(HighContrast, ColoursFollowTheSettingAndTheState) {
    for (const ContrastCase& c : cases) {
        SCOPED_TRACE(c.name);
        StartedWindow w;
        for (const Step step : c.steps) {
            switch (step) {
            case Step::On:
            case Step::Off:
                w.form.setHighContrast(step == Step::On);
                break;
            case Step::HoverLink:
                w.move(linkCentre);
                break;
            case Step::Fail:
                w.pressButtons({"cmdadd"}); // an operation on the blank display
                break;
            case Step::FlashEnds:
                w.form.timerFired();
                break;
            }
        }
        // What the view was told, which is what the scene holds.
        EXPECT_TRUE(w.view.background == c.background);
        EXPECT_TRUE(w.view.link == c.link);
        EXPECT_TRUE(w.view.displayBackground == c.displayBackground);
        EXPECT_TRUE(w.view.displayText == c.displayText);
        EXPECT_EQ(w.view.focusMarkLines, c.focusMarkLines);
    }
}

TEST(HighContrast, ContrastRatio) {
    EXPECT_DOUBLE_EQ(contrastRatio(0x000000, 0xFFFFFF), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(0xFFFFFF, 0x000000), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(0x6D6D6D, 0x6D6D6D), 1.0);
    // The link's rest colour on the window's cream: the described 1.49.
    EXPECT_NEAR(contrastRatio(linkRestColour, windowBackground), 1.49, 0.005);
}

TEST(HighContrast, SchemesThatAskForIt) {
    const struct {
        const char* name;
        SchemeColours colours; // window and text, field and text, selection and text, as BGR
        bool high;
    } schemes[] = {
        // Measured from Qt 6.4.2: with no desktop theme, and with GTK's HighContrast theme
        // through Qt's gtk3 theme, which reports it as the plain light palette.
        {"Qt's light palette", {0xEFEFEF, 0, 0xFFFFFF, 0, 0xC68C30, 0xFFFFFF}, false},
        {"Qt's dark palette (GTK's dark theme)",
         {0x323232, 0xF0F0F0, 0x242424, 0xF0F0F0, 0xC68C30, 0xF0F0F0},
         false},
        // A KDE colour scheme of black, white and cyan, as Qt 6.4 reads it from kdeglobals.
        {"a KDE high-contrast scheme", {0, 0xFFFFFF, 0, 0xFFFFFF, 0xFFEB1A, 0}, true},
        {"white with a purple selection", {0xFFFFFF, 0, 0xFFFFFF, 0, 0x6E0037, 0xFFFFFF}, true},
        {"high contrast but for a soft text field",
         {0, 0xFFFFFF, 0x202020, 0x808080, 0xFFEB1A, 0},
         false},
    };
    for (const auto& scheme : schemes) {
        EXPECT_EQ(isHighContrastScheme(scheme.colours), scheme.high) << scheme.name;
    }
}
