// SPDX-License-Identifier: MIT
#include "language.h"

namespace varnik {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

/// Equal apart from case, with '-' and '_' alike: "bn-IN" names the catalogue "bn_IN".
bool sameTag(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] == '-' ? '_' : lower(a[i]);
        const char y = b[i] == '-' ? '_' : lower(b[i]);
        if (x != y) {
            return false;
        }
    }
    return true;
}

std::string_view find(std::string_view tag, const std::vector<std::string_view>& available) {
    for (std::string_view language : available) {
        if (!tag.empty() && sameTag(tag, language)) {
            return language;
        }
    }
    return {};
}

/// The argument's value if it is `--language=X`, or `--language` followed by X.
template <typename Char>
std::string_view valueAt(int& i, int argc, const Char* const* argv, std::string& ascii) {
    static constexpr std::string_view option = "--language";
    const Char* argument = argv[i];
    for (std::size_t k = 0; k < option.size(); ++k) {
        if (argument[k] != static_cast<Char>(option[k])) {
            return {}; // also where the argument ends first
        }
    }
    const Char* value = nullptr;
    if (argument[option.size()] == 0) {
        if (i + 1 >= argc || argv[i + 1] == nullptr) {
            return {};
        }
        value = argv[++i];
    } else if (argument[option.size()] == static_cast<Char>('=')) {
        value = argument + option.size() + 1;
    } else {
        return {}; // --languages or the like
    }
    // Language tags are ASCII; anything else names no catalogue.
    ascii.clear();
    for (const Char* c = value; *c != 0 && ascii.size() < 64; ++c) {
        if (*c < 0x20 || *c > 0x7e) {
            return {};
        }
        ascii.push_back(static_cast<char>(*c));
    }
    return ascii;
}

template <typename Char>
std::string_view fromArguments(int argc, const Char* const* argv,
                               const std::vector<std::string_view>& available) {
    std::string_view chosen;
    std::string ascii;
    for (int i = 1; argv != nullptr && i < argc; ++i) {
        if (argv[i] == nullptr) {
            continue;
        }
        const std::string_view value = valueAt(i, argc, argv, ascii);
        const std::string_view language = matchLanguage(value, available);
        if (!language.empty()) {
            chosen = language;
        }
    }
    return chosen;
}

} // namespace

std::string_view matchLanguage(std::string_view tag,
                               const std::vector<std::string_view>& available) {
    // The codeset and modifier of a POSIX locale name say nothing about the language.
    tag = tag.substr(0, tag.find_first_of(".@"));
    if (const std::string_view exact = find(tag, available); !exact.empty()) {
        return exact;
    }
    return find(tag.substr(0, tag.find_first_of("-_")), available);
}

std::string_view chooseLanguage(const std::vector<std::string>& preferred,
                                std::string_view explicitChoice,
                                const std::vector<std::string_view>& available) {
    if (const std::string_view chosen = matchLanguage(explicitChoice, available); !chosen.empty()) {
        return chosen;
    }
    for (const std::string& tag : preferred) {
        if (const std::string_view language = matchLanguage(tag, available); !language.empty()) {
            return language;
        }
    }
    return "en";
}

std::string_view languageFromArguments(int argc, const char* const* argv,
                                       const std::vector<std::string_view>& available) {
    return fromArguments(argc, argv, available);
}

std::string_view languageFromArguments(int argc, const wchar_t* const* argv,
                                       const std::vector<std::string_view>& available) {
    return fromArguments(argc, argv, available);
}

std::string_view languageFromQuery(std::string_view query,
                                   const std::vector<std::string_view>& available) {
    if (!query.empty() && query.front() == '?') {
        query.remove_prefix(1);
    }
    std::string_view chosen;
    while (!query.empty()) {
        const std::size_t end = query.find('&');
        const std::string_view pair = query.substr(0, end);
        query = end == std::string_view::npos ? std::string_view{} : query.substr(end + 1);
        constexpr std::string_view key = "lang=";
        if (pair.substr(0, key.size()) == key) {
            if (const std::string_view language = matchLanguage(pair.substr(key.size()), available);
                !language.empty()) {
                chosen = language;
            }
        }
    }
    return chosen;
}

} // namespace varnik
