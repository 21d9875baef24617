// SPDX-License-Identifier: MIT
#include "user_language.h"

#include "language.h"
#include "wide_text.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace varnik::win32 {

namespace {

// The user's display languages in order, such as "bn-BD", "en-US".
std::vector<std::string> preferredLanguages() {
    ULONG count = 0;
    ULONG size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0) {
        return {};
    }
    std::wstring names(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
        return {};
    }
    // Names one after another, each ended by a null, the list by a second one.
    std::vector<std::string> languages;
    for (std::size_t at = 0; at < names.size() && names[at] != L'\0';) {
        const std::size_t end = names.find(L'\0', at);
        languages.push_back(toUtf8(std::wstring_view(names).substr(at, end - at)));
        at = end + 1;
    }
    return languages;
}

} // namespace

const Messages& userMessages() {
    // The C runtime's own split of the command line: the shell's would load shell32 at start.
    const std::string_view chosen = __wargv ? languageFromArguments(__argc, __wargv) : "";
    return messagesFor(chooseLanguage(preferredLanguages(), chosen));
}

} // namespace varnik::win32
