// SPDX-License-Identifier: MIT
// The compiled catalogues and the texts the window shows with them: lookups with and without
// a context, English where a translation is missing, the key and menu names against the
// control tables, and the About box's version in the language's digits.
#include "catalogue.h"
#include "clipboard_text.h"
#include "context_menu.h"
#include "controls.h"
#include "form1.h"
#include "texts.h"

#include <gtest/gtest.h>

using namespace varnik;

namespace {

const Messages& english = messagesFor("en");
const Messages& bengali = messagesFor("bn");

TEST(Messages, LooksUpWithAndWithoutContext) {
    EXPECT_EQ(bengali.language(), "bn");
    EXPECT_EQ(bengali.text("seven"), "সাত");
    EXPECT_EQ(bengali.text("divided by"), "ভাগ");
    EXPECT_EQ(bengali.text(NC_("menu", "About")), "পরিচিতি");
    EXPECT_EQ(bengali.text("menu", "Copy"), "কপি করুন");
    // The same words under another context are another message.
    EXPECT_EQ(bengali.text("Copy"), "Copy");
    EXPECT_EQ(bengali.text("key", "seven"), "seven");
}

TEST(Messages, EnglishIsTheSource) {
    EXPECT_EQ(english.language(), "en");
    EXPECT_EQ(english.text("seven"), "seven");
    EXPECT_EQ(english.text(NC_("menu", "About")), "About");
    EXPECT_EQ(&messagesFor("fr"), &english);
    EXPECT_EQ(&messagesFor(""), &english);
    EXPECT_EQ(&messagesFor("bn_BD"), &english) << "messagesFor takes what chooseLanguage gives";
}

TEST(Messages, MissingTextsStayEnglish) {
    EXPECT_EQ(bengali.text("a text nobody marked"), "a text nobody marked");
    EXPECT_EQ(bengali.text(""), ""); // the catalogue's header is not a text
    EXPECT_EQ(bengali.text(MessageId{nullptr, nullptr}), "");
}

TEST(Messages, EveryCatalogueIsSortedForItsLookup) {
    const CatalogueList list = compiledCatalogues();
    for (std::size_t i = 0; i < list.count; ++i) {
        const Catalogue& catalogue = list.catalogues[i];
        const Messages messages(catalogue.language, catalogue.entries, catalogue.count);
        for (std::size_t k = 0; k < catalogue.count; ++k) {
            const CatalogueEntry& entry = catalogue.entries[k];
            EXPECT_EQ(messages.text(entry.context, entry.msgid), entry.text)
                << catalogue.language << ": " << entry.msgid;
        }
    }
}

TEST(Texts, KeyNamesAreTheTablesAccessibleNames) {
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        const char* name = skinKey(key).accessibleName;
        EXPECT_EQ(skinKeyName(english, skinAction(key)), name);
        EXPECT_NE(skinKeyName(bengali, skinAction(key)), name) << name << " is not translated";
    }
    EXPECT_EQ(skinKeyName(bengali, Key::Seven), "সাত");
    EXPECT_EQ(skinKeyName(bengali, Shell::Quit), "সমাপ্ত");
    EXPECT_EQ(skinKeyName(bengali, Key::MemoryAdd), "") << "no picture key";
}

TEST(Texts, MenuItemsAreTheMenusLabelsWithoutTheirKeys) {
    CalculatorState state;
    state.txtnum = "12";
    const ContextMenu shown = contextMenu(state, true, english);
    const ContextMenu translated = contextMenu(state, true, bengali);
    ASSERT_EQ(shown.items.size(), 8U);
    for (std::size_t i = 0; i < shown.items.size(); ++i) {
        EXPECT_EQ(menuItemText(english, shown.actions[i]), shown.items[i].label);
        EXPECT_EQ(menuItemText(bengali, shown.actions[i]), translated.items[i].label);
        EXPECT_NE(translated.items[i].label, shown.items[i].label) << shown.items[i].label;
        EXPECT_EQ(translated.items[i].shortcut, shown.items[i].shortcut) << "keys stay as they are";
    }
    EXPECT_EQ(menuItemText(bengali, Command::CopyLatin), "লাতিন অঙ্কে কপি করুন");
    EXPECT_EQ(menuItemText(bengali, Key::Seven), "") << "not in the menu";
}

TEST(Texts, DigitsFollowTheDisplay) {
    for (const char* number : {"1.0.0", "1971.25", "-0.5", "1.23456789e+17", "1234567890"}) {
        EXPECT_EQ(withLocalDigits(bengali, number), copyText(number, true).value()) << number;
        EXPECT_EQ(withLocalDigits(english, number), number);
    }
}

TEST(Texts, DigitsOfAFaultyTranslationStayLatin) {
    const CatalogueEntry tooFew[] = {{"digits", "0123456789", "\xE0\xA7\xA6\xE0\xA7\xA7"}};
    EXPECT_EQ(withLocalDigits(Messages("xx", tooFew, 1), "10"), "10");
    const CatalogueEntry tooMany[] = {{"digits", "0123456789", "abcdefghijk"}};
    EXPECT_EQ(withLocalDigits(Messages("xx", tooMany, 1), "10"), "10");
    const CatalogueEntry letters[] = {{"digits", "0123456789", "abcdefghij"}};
    EXPECT_EQ(withLocalDigits(Messages("xx", letters, 1), "1.0"), "b.a");
}

TEST(Texts, AboutTextIsOneMessageWithTheVersion) {
    const std::string about = aboutText(bengali);
    EXPECT_EQ(about.rfind("Varnik Calculator \xE0\xA7\xA7.", 0), 0U) << about; // "… ১."
    EXPECT_EQ(about.find_first_of("0123456789%"), std::string::npos) << about;
    EXPECT_NE(about.find('\n'), std::string::npos) << about;
}

} // namespace
