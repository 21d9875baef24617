// SPDX-License-Identifier: MIT
#pragma once

#include "messages.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnik {

/// The language of `available` that `tag` names, or "" if none: any form of a language tag,
/// POSIX ("bn_BD.UTF-8@latin") or BCP 47 ("bn-IN"), case aside. A catalogue for the exact
/// region ("pt_BR") comes before the language's own ("pt").
std::string_view
matchLanguage(std::string_view tag,
              const std::vector<std::string_view>& available = availableLanguages());

/// The language to show: `explicitChoice` (--language, ?lang=) when the build has it, else the
/// first of the user's `preferred` languages, in their order, that the build has, else English.
/// Each front end passes its system's list: QLocale::system().uiLanguages() (which follows
/// LANGUAGE, LC_ALL, LC_MESSAGES and LANG), GetUserPreferredUILanguages, navigator.languages.
std::string_view
chooseLanguage(const std::vector<std::string>& preferred, std::string_view explicitChoice = {},
               const std::vector<std::string_view>& available = availableLanguages());

/// The language that `--language X` or `--language=X` asks for, the last one the build has;
/// "" if none. Other arguments, unknown languages and a missing value are ignored.
std::string_view
languageFromArguments(int argc, const char* const* argv,
                      const std::vector<std::string_view>& available = availableLanguages());
std::string_view
languageFromArguments(int argc, const wchar_t* const* argv,
                      const std::vector<std::string_view>& available = availableLanguages());

/// The language that a web page's query asks for ("?lang=bn&…"), as languageFromArguments.
std::string_view
languageFromQuery(std::string_view query,
                  const std::vector<std::string_view>& available = availableLanguages());

} // namespace varnik
