// SPDX-License-Identifier: MIT
// Which language the program speaks: the user's list in order, an explicit choice first, and
// the ways each front end hands them over (arguments, a page's query).
#include "language.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace varnik;

namespace {

const std::vector<std::string_view> englishAndBengali{"en", "bn"};
const std::vector<std::string_view> withRegion{"en", "pt", "pt_BR"};

struct ChoiceCase {
    const char* name;
    std::vector<std::string> preferred;
    const char* explicitChoice;
    const char* expected;
    const std::vector<std::string_view>* available = &englishAndBengali;
};

const ChoiceCase choiceCases[] = {
    {"Bengali", {"bn"}, "", "bn"},
    {"BengaliOfBangladeshPosix", {"bn_BD.UTF-8"}, "", "bn"},
    {"BengaliOfIndiaBcp47", {"bn-IN"}, "", "bn"},
    {"CaseDoesNotMatter", {"BN_bd"}, "", "bn"},
    {"ModifierIgnored", {"bn_IN@devanagari"}, "", "bn"},
    {"ScriptSubtagAsQtGivesIt", {"fr-Latn-FR", "bn-Beng-BD"}, "", "bn"},
    {"FirstKnownWins", {"en-US", "bn"}, "", "en"},
    {"LanguageWithoutCatalogueSkipped", {"fr-FR", "de", "bn-BD"}, "", "bn"},
    {"NoneKnownGivesEnglish", {"fr", "de_DE.UTF-8"}, "", "en"},
    {"EmptyListGivesEnglish", {}, "", "en"},
    {"CLocaleGivesEnglish", {"C", "POSIX"}, "", "en"},
    {"EmptyTagSkipped", {"", "bn"}, "", "bn"},
    {"PrefixIsNoLanguage", {"bnx", "b"}, "", "en"},
    {"ExplicitEnglishWins", {"bn"}, "en", "en"},
    {"ExplicitBengaliWins", {"en-US"}, "bn", "bn"},
    {"ExplicitVariantWins", {"en-US"}, "bn_BD.UTF-8", "bn"},
    {"UnknownExplicitIgnored", {"bn"}, "fr", "bn"},
    {"NonsenseExplicitIgnored", {"bn"}, "../../etc/passwd", "bn"},
    {"RegionCatalogueFirst", {"pt-BR"}, "", "pt_BR", &withRegion},
    {"OtherRegionGetsLanguage", {"pt_PT.UTF-8"}, "", "pt", &withRegion},
    {"LanguageAloneGetsLanguage", {"pt"}, "", "pt", &withRegion},
};

class Choice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(Choice, PicksTheExpectedLanguage) {
    const ChoiceCase& c = GetParam();
    EXPECT_EQ(chooseLanguage(c.preferred, c.explicitChoice, *c.available), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Language, Choice, testing::ValuesIn(choiceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Language, TheBuildHasEnglishAndBengali) {
    const std::vector<std::string_view>& languages = availableLanguages();
    ASSERT_FALSE(languages.empty());
    EXPECT_EQ(languages.front(), "en");
    EXPECT_NE(std::find(languages.begin(), languages.end(), "bn"), languages.end());
    EXPECT_EQ(chooseLanguage({"bn_BD.UTF-8"}), "bn");
}

struct ArgumentsCase {
    const char* name;
    std::vector<const char*> argv;
    const char* expected;
};

const ArgumentsCase argumentsCases[] = {
    {"None", {"varnik-calculator"}, ""},
    {"ValueAfter", {"varnik-calculator", "--language", "bn"}, "bn"},
    {"ValueJoined", {"varnik-calculator", "--language=bn"}, "bn"},
    {"VariantOfLanguage", {"varnik-calculator", "--language=bn_BD.UTF-8"}, "bn"},
    {"AmongOtherArguments", {"varnik-calculator", "-platform", "xcb", "--language", "en"}, "en"},
    {"MissingValue", {"varnik-calculator", "--language"}, ""},
    {"EmptyValue", {"varnik-calculator", "--language="}, ""},
    {"UnknownLanguage", {"varnik-calculator", "--language", "fr"}, ""},
    {"LastOneWins", {"varnik-calculator", "--language=bn", "--language=en"}, "en"},
    {"UnknownAfterKnownIgnored", {"varnik-calculator", "--language=bn", "--language=fr"}, "bn"},
    {"OtherOption", {"varnik-calculator", "--languages=bn"}, ""},
    {"SingleDash", {"varnik-calculator", "-language", "bn"}, ""},
    {"BareValue", {"varnik-calculator", "bn"}, ""},
    {"NotAscii", {"varnik-calculator", "--language", "\xE0\xA6\xAC\xE0\xA6\xBE"}, ""},
};

class Arguments : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(Arguments, ReadsTheLanguageOption) {
    const ArgumentsCase& c = GetParam();
    std::vector<const char*> argv = c.argv;
    argv.push_back(nullptr); // as main() gets them
    EXPECT_EQ(
        languageFromArguments(static_cast<int>(c.argv.size()), argv.data(), englishAndBengali),
        c.expected);
}

INSTANTIATE_TEST_SUITE_P(Language, Arguments, testing::ValuesIn(argumentsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Language, NoArgumentsAtAll) {
    EXPECT_EQ(languageFromArguments(0, static_cast<const char* const*>(nullptr)), "");
    const char* const onlyNull[] = {"varnik-calculator", nullptr, nullptr};
    EXPECT_EQ(languageFromArguments(3, onlyNull), ""); // a count larger than the list
}

TEST(Language, WideArgumentsAsOnWindows) {
    const wchar_t* const bengali[] = {L"varnik-calculator.exe", L"--language", L"bn", nullptr};
    EXPECT_EQ(languageFromArguments(3, bengali, englishAndBengali), "bn");
    const wchar_t* const joined[] = {L"varnik-calculator.exe", L"--language=en", nullptr};
    EXPECT_EQ(languageFromArguments(2, joined, englishAndBengali), "en");
    const wchar_t* const notAscii[] = {L"varnik-calculator.exe", L"--language=\u09AC\u09BE",
                                       nullptr};
    EXPECT_EQ(languageFromArguments(2, notAscii, englishAndBengali), "");
}

TEST(Language, PageQuery) {
    const std::pair<const char*, const char*> cases[] = {
        {"?lang=bn", "bn"},
        {"lang=bn", "bn"},
        {"?x=1&lang=bn&y=2", "bn"},
        {"?lang=bn-BD", "bn"},
        {"?lang=bn&lang=en", "en"},
        {"?lang=bn&lang=fr", "bn"},
        {"?lang=fr", ""},
        {"?language=bn", ""},
        {"?slang=bn", ""},
        {"?lang", ""},
        {"", ""},
        {"?", ""},
    };
    for (const auto& [query, expected] : cases) {
        EXPECT_EQ(languageFromQuery(query, englishAndBengali), expected) << query;
    }
}

} // namespace
