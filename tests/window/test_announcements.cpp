// SPDX-License-Identifier: MIT
// What a screen reader is told after each kind of key, in both languages, and the words that
// name the hidden buttons.
#include "announcements.h"
#include "catalogue.h"
#include "fakes.h"
#include "texts.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace varnik;
using namespace varnik::test;

namespace {

TypedKey named(KeyName name, bool ctrl = false) {
    TypedKey key;
    key.name = name;
    key.ctrl = ctrl;
    return key;
}

/// Runs a script of words: a single character is typed; "Esc" and "Bksp" are those keys;
/// "cmd…" presses that hidden button, "s=" the skin's equals key; "paste:TEXT" pastes TEXT,
/// "unreadable" pastes from a clipboard that cannot be read; "link" clicks the web link.
void runScript(StartedWindow& w, const std::string& script) {
    std::istringstream words(script);
    for (std::string word; words >> word;) {
        if (word == "Esc") {
            w.form.typeKey(named(KeyName::Escape));
        } else if (word == "Bksp") {
            w.form.typeKey(named(KeyName::Backspace));
        } else if (word == "s=") {
            w.clickKeys({"equals"});
        } else if (word == "link") {
            w.click({1500, 3350});
        } else if (word.rfind("cmd", 0) == 0) {
            w.form.clickButton(buttonNamed(word));
        } else if (word.rfind("paste:", 0) == 0 || word == "unreadable") {
            w.platform.clipboardReadable = word != "unreadable";
            w.platform.clipboard = word.substr(std::string("paste:").size());
            w.form.typeKey(named(KeyName::V, true));
        } else {
            TypedKey key;
            key.character = static_cast<char32_t>(word.at(0));
            w.form.typeKey(key);
        }
    }
}

struct AnnouncementCase {
    const char* name;
    const char* language;
    const char* script;
    std::vector<std::string> announced; ///< everything said, in order
};

// clang-format off
const AnnouncementCase cases[] = {
    {"digits speak the entry so far, equals the result", "en", "7 + 5 =", {"7", "5", "12"}},
    {"a point is a word until a digit follows it", "en", "1 2 . 5", {"1", "12", "12 point", "12.5"}},
    {"a point first gets its zero", "en", ". 5", {"0 point", "0.5"}},
    {"Escape speaks the blank display, even a blank one", "en", "7 Esc Esc", {"7", "blank", "blank"}},
    {"Backspace speaks what is left", "en", "7 5 Bksp Bksp Bksp", {"7", "75", "7", "blank"}},
    {"keys that change no display say nothing", "en", "0 7 . . + cmdclrmem", {"7", "7 point"}},
    {"equals that computes speaks an unchanged result; without an operation nothing", "en",
     "1 * 2 = = Esc 3 =", {"1", "2", "2", "2", "blank", "3"}},
    {"M Rc speaks the memory, changed or not", "en", "5 cmdmem cmdrcm cmdrcm", {"5", "5", "5"}},
    {"a paste speaks the number", "en", "paste:-1.5e-20", {"-1.5 times ten to the power -20"}},
    {"a new number speaks, though it looks as the old one; the box says why equals failed", "en",
     "1 - 1 = / 0 =", {"1", "1", "0", "0"}},
    {"the skin's equals key stays silent", "en", "s=", {}},
    {"an operation on the blank display", "en", "+", {"Not a number"}},
    {"memory overflow", "en", "paste:1e308 cmdmem cmdmem",
     {"1 times ten to the power 308", "Memory overflow"}},
    {"a pasted text that is no number", "en", "paste:abc", {"The pasted text is not a number"}},
    {"a clipboard that cannot be read", "en", "unreadable", {"Cannot read the clipboard"}},
    {"a web address nothing opens", "en", "link", {"Cannot open the web address"}},
    {"Bengali: Latin digits in Bengali words", "bn", "7 + 5 = . Esc",
     {"7", "5", "12", "12 দশমিক", "ফাঁকা"}},
    {"Bengali: a reason", "bn", "paste:x", {"পেস্ট করা লেখাটি সংখ্যা নয়"}},
    {"Bengali: an exponent", "bn", "paste:1e20", {"1 গুণ দশের ঘাত 20"}},
};
// clang-format on

} // namespace

TEST(Announcements, AfterEachKindOfKey) {
    for (const AnnouncementCase& row : cases) {
        SCOPED_TRACE(row.name);
        StartedWindow w(messagesFor(row.language));
        w.platform.browserStarts = false;
        runScript(w, row.script);
        EXPECT_EQ(w.platform.announced, row.announced);
    }
}

TEST(Announcements, TheEqualsBoxIsDescribedByItsReasonAndAboutByNothing) {
    StartedWindow w;
    runScript(w, "= 8 / 0 = paste:1e308 * = cmdabout");
    EXPECT_EQ(w.platform.boxes,
              (std::vector<std::string>{"", "", "", aboutText(messagesFor("en"))}));
    EXPECT_EQ(w.platform.boxDescriptions,
              (std::vector<std::string>{"Not a number", "Cannot divide by zero", "Result too large",
                                        ""}));
    StartedWindow bengali(messagesFor("bn"));
    runScript(bengali, "1 / 0 =");
    EXPECT_EQ(bengali.platform.boxDescriptions,
              std::vector<std::string>{"শূন্য দিয়ে ভাগ করা যায় না"});
}

TEST(Announcements, AFaultyExponentTranslationLeavesTheNumberAsItIs) {
    const CatalogueEntry oneSlot[] = {{"", "%s times ten to the power %s", "%s"}};
    EXPECT_EQ(spokenDisplay(Messages("xx", oneSlot, 1), "1e+20"), "1e+20");
}

TEST(Announcements, ButtonsAreNamedInWordsInEveryLanguage) {
    const StartedWindow english;
    const StartedWindow bengali(messagesFor("bn"));
    for (std::size_t b = 0; b < commandButtonCount; ++b) {
        const std::string name(english.form.accessibleButtonName(b));
        SCOPED_TRACE(commandButton(b).name);
        EXPECT_EQ(name.find_first_not_of("abcdefghijklmnopqrstuvwxyzACQ "), std::string::npos);
        EXPECT_TRUE(name.front() != ' ' && name.back() != ' ' && name.find("  ") == name.npos);
        EXPECT_NE(bengali.form.accessibleButtonName(b), name) << "not translated";
    }
    const auto nameOf = [&](const char* button) {
        return english.form.accessibleButtonName(buttonNamed(button));
    };
    EXPECT_EQ(nameOf("cmdmultiply"), "times");
    EXPECT_EQ(nameOf("cmdrcm"), "memory recall");
    EXPECT_EQ(nameOf("cmdabout"), "About");
    EXPECT_EQ(bengali.form.accessibleButtonName(buttonNamed("cmd7")), "সাত");
}
