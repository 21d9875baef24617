// SPDX-License-Identifier: MIT
#include "number_text.h"

#include "decimal_forms.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fast_float/fast_float.h>

namespace varnik {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The whole text is sign, digits with at most one point, and an optional exponent.
bool isNumberSyntax(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    const std::size_t intEnd = skipDigits(text, pos);
    std::size_t digits = intEnd - pos;
    pos = intEnd;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fracEnd = skipDigits(text, pos + 1);
        digits += fracEnd - pos - 1;
        pos = fracEnd;
    }
    if (digits == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        const std::size_t expEnd = skipDigits(text, pos);
        if (expEnd == pos) {
            return false;
        }
        pos = expEnd;
    }
    return pos == text.size();
}

// Digits before the exponent, and not all of them zeros.
bool hasNonZeroDigit(std::string_view text) {
    return text.substr(0, text.find_first_of("eE")).find_first_of("123456789") !=
           std::string_view::npos;
}

// Drops trailing zeros after the point, and then a bare point, keeping any exponent.
std::string stripZeros(std::string text) {
    const auto exponent = text.find('e');
    std::string mantissa = text.substr(0, exponent);
    const std::string tail = exponent == std::string::npos ? "" : text.substr(exponent);
    if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.') {
            mantissa.pop_back();
        }
    }
    return mantissa + tail;
}

// A rounded text is usable when it fits the display and reads back (rounding up near the
// top of the range can leave it) as something other than zero (rounding away every digit).
bool usable(const std::string& text) {
    if (text.size() > displayLimit) {
        return false;
    }
    const auto value = parseNumber(text);
    return value && *value != 0;
}

using Rounding = std::string (*)(double value, int decimals);

// The most precise rounding (most digits, `precision` counting down) that is usable.
std::optional<std::string> roundedToFit(double value, Rounding round, int precision) {
    for (; precision >= 0; --precision) {
        std::string text = stripZeros(round(value, precision));
        if (usable(text)) {
            return text;
        }
    }
    return std::nullopt;
}

// The decimal exponent of a text in exponent notation.
int exponentOf(const std::string& scientific) {
    return std::atoi(scientific.c_str() + scientific.find('e') + 1);
}

// Pasted text with the whitespace around trimmed and Bengali digits read as ASCII, if it is
// all ASCII and Bengali digits and no longer than pasteLimit.
std::optional<std::string> pastedAscii(std::string_view text) {
    constexpr std::string_view whitespace = " \t\r\n\f\v";
    const auto first = text.find_first_not_of(whitespace);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(whitespace) - first + 1);
    std::string ascii;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            ascii += text[i];
        } else if (byte == 0xE0 && i + 2 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) == 0xA7 &&
                   static_cast<unsigned char>(text[i + 2]) >= 0xA6 &&
                   static_cast<unsigned char>(text[i + 2]) <= 0xAF) {
            // U+09E6 ... U+09EF in UTF-8: E0 A7 A6 ... E0 A7 AF
            ascii += static_cast<char>('0' + (static_cast<unsigned char>(text[i + 2]) - 0xA6));
            i += 2;
        } else {
            return std::nullopt;
        }
        if (ascii.size() > pasteLimit) {
            return std::nullopt;
        }
    }
    return ascii;
}

// Digits with at most one point: what the digit and point keys write.
bool isTypedEntry(std::string_view text) {
    return text.find_first_not_of("0123456789.") == std::string_view::npos &&
           std::count(text.begin(), text.end(), '.') <= 1;
}

// "0.5" as ".5", "-0.5" as "-.5".
std::string withoutLeadingZero(std::string plain) {
    const std::size_t zero = plain.front() == '-' ? 1 : 0;
    if (plain.compare(zero, 2, "0.") == 0) {
        plain.erase(zero, 1);
    }
    return plain;
}

// "1.5e+03" as "1.5e3", "5e-07" as "5e-7".
std::string shortExponent(std::string scientific) {
    std::size_t at = scientific.find('e') + 1;
    if (scientific[at] == '+') {
        scientific.erase(at, 1);
    } else {
        ++at;
    }
    while (at + 1 < scientific.size() && scientific[at] == '0') {
        scientific.erase(at, 1);
    }
    return scientific;
}

} // namespace

std::optional<double> parseNumber(std::string_view text) {
    text = trimSpaces(text);
    if (!isNumberSyntax(text)) {
        return std::nullopt;
    }
    if (text.front() == '+') {
        text.remove_prefix(1); // from_chars takes no plus sign
    }
    double value = 0;
    const auto result = fast_float::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    // Beyond the range of a double: too large reads as infinity, too small as zero.
    if (std::isinf(value) || (value == 0 && hasNonZeroDigit(text))) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> readPastedNumber(std::string_view text) {
    const auto ascii = pastedAscii(text);
    return ascii ? parseNumber(*ascii) : std::nullopt;
}

std::optional<std::string> pastedDisplayText(std::string_view text) {
    const auto ascii = pastedAscii(text);
    const auto value = ascii ? parseNumber(*ascii) : std::nullopt;
    if (!value) {
        return std::nullopt;
    }
    if (ascii->size() <= displayLimit && isTypedEntry(*ascii)) {
        return *ascii;
    }
    std::string shown = formatNumber(*value);
    if (parseNumber(shown) == *value) {
        return shown;
    }
    // formatNumber rounded: the shortest digits may still fit without the zero before the
    // point, or with the exponent written short.
    std::string forms[] = {
        std::fabs(*value) < 1 ? withoutLeadingZero(decimal::shortestPlain(*value)) : "",
        shortExponent(decimal::shortestScientific(*value))};
    for (std::string& form : forms) {
        if (!form.empty() && form.size() <= displayLimit) {
            return form;
        }
    }
    return shown;
}

std::string formatNumber(double value) {
    if (value == 0) {
        return "0";
    }
    // From 1e15 on the plain form has 16 digits before the point, and spelling out a large
    // number's exact digits is slow.
    if (std::fabs(value) < 1e15) {
        std::string plain = decimal::shortestPlain(value);
        if (plain.size() <= displayLimit) {
            return plain;
        }
    }
    std::string scientific = decimal::shortestScientific(value);
    if (scientific.size() <= displayLimit) {
        return scientific;
    }

    // Too many digits for either form: round. Start a little above the precision that fits
    // and let roundedToFit count down past carries and stripped zeros.
    const int sign = value < 0 ? 1 : 0;
    const int exponent = exponentOf(scientific);
    const int limit = static_cast<int>(displayLimit);
    std::optional<std::string> roundedPlain;
    if (exponent < limit - sign) {
        // Decimals that fit: "0.000ddd" has -exponent-1 zeros, "ddd.ddd" exponent+1 digits.
        const int integerDigits = exponent >= 0 ? exponent + 1 : 1;
        const int decimals = limit - sign - integerDigits - 1;
        // At least one significant digit, or a carry into the last decimal: 9.99e-14 rounds
        // to the same 0.0000000000001 that 1e-13 is written as.
        if (decimals + exponent + 1 >= 0) {
            roundedPlain = roundedToFit(value, decimal::roundedPlain, decimals + 1);
        }
    }
    const int exponentLength = std::abs(exponent) >= 100 ? 5 : 4; // "e+dd" or "e+ddd"
    const int mantissaDecimals = limit - sign - 2 - exponentLength;
    std::optional<std::string> roundedScientific =
        roundedToFit(value, decimal::roundedScientific, mantissaDecimals + 1);

    // Some rounding always fits: fewer digits eventually round down below the largest double.
    if (!roundedPlain) {
        return roundedScientific.value_or(scientific.substr(0, displayLimit));
    }
    if (!roundedScientific) {
        return *roundedPlain;
    }
    const double plainError = std::fabs(*parseNumber(*roundedPlain) - value);
    const double scientificError = std::fabs(*parseNumber(*roundedScientific) - value);
    return scientificError < plainError ? *roundedScientific : *roundedPlain;
}

} // namespace varnik
