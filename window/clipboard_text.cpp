// SPDX-License-Identifier: MIT
#include "clipboard_text.h"

namespace varnik {

std::optional<std::string> copyText(std::string_view display, bool bengaliDigits) {
    const auto first = display.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    display = display.substr(first, display.find_last_not_of(' ') - first + 1);
    if (!bengaliDigits) {
        return std::string(display);
    }
    std::string text;
    for (const char c : display) {
        if (c >= '0' && c <= '9') {
            // U+09E6 + d in UTF-8: E0 A7 (A6 + d)
            text += "\xE0\xA7";
            text += static_cast<char>(0xA6 + (c - '0'));
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace varnik
