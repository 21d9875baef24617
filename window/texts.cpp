// SPDX-License-Identifier: MIT
#include "texts.h"

#include "controls.h"

#include <array>

namespace varnik {

namespace {

constexpr const char* aboutFormat =
    // TRANSLATORS: The About box. %s is the version, such as 1.0.0, written with the digits
    // of the message "0123456789".
    // xgettext:c-format
    N_("Varnik Calculator %s\nA calculator whose display and keypad speak Bengali digits.");

// TRANSLATORS: The ten digits, zero to nine, that numbers in this language's texts use (such
// as the version in the About box), in that order; keep 0123456789 for Latin digits.
constexpr MessageId digits = NC_("digits", "0123456789");

/// The ten characters of a "digits" translation, or none unless it has exactly ten.
std::array<std::string_view, 10> splitDigits(std::string_view text) {
    std::array<std::string_view, 10> result{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1; // a UTF-8 character is its lead byte and what follows it
        while (i + length < text.size() &&
               (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) {
            ++length;
        }
        if (count == result.size()) {
            return {};
        }
        result[count++] = text.substr(i, length);
        i += length;
    }
    return count == result.size() ? result : std::array<std::string_view, 10>{};
}

} // namespace

std::string_view skinKeyName(const Messages& messages, const Action& action) {
    const auto key = skinKeyOf(action);
    return key ? messages.text(skinKey(*key).accessibleName) : std::string_view();
}

std::string withLocalDigits(const Messages& messages, std::string_view text) {
    const std::array<std::string_view, 10> local = splitDigits(messages.text(digits));
    std::string result;
    for (const char c : text) {
        if (c >= '0' && c <= '9' && !local[0].empty()) {
            result += local[static_cast<std::size_t>(c - '0')];
        } else {
            result += c;
        }
    }
    return result;
}

std::string aboutText(const Messages& messages) {
    std::string text(messages.text(aboutFormat));
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) {
        text.replace(at, 2, withLocalDigits(messages, VARNIK_VERSION));
    }
    return text;
}

} // namespace varnik
