// SPDX-License-Identifier: MIT
#include "decimal_forms.h"

#include <cmath>
#include <cstdlib>
#include <fmt/compile.h>
#include <fmt/format.h>

// Format strings are compiled (FMT_COMPILE): only the writers of their own argument types are
// built in, rather than fmt's for every type, which took 42 KB more in WebAssembly.

namespace varnik::decimal {

namespace {

// The value is sign, digits and a power of ten: "-", "15", 2 for -1500.
struct Shortest {
    std::string sign;
    std::string digits;
    int exponent = 0;
};

// The shortest digits that read back as the value, from fmt's Dragonbox; they have no
// trailing zero.
Shortest shortest(double value) {
    const auto decimal = fmt::detail::dragonbox::to_decimal(std::fabs(value));
    Shortest result{std::signbit(value) ? "-" : "", std::to_string(decimal.significand),
                    decimal.exponent};
    while (result.digits.size() > 1 && result.digits.back() == '0') {
        result.digits.pop_back();
        ++result.exponent;
    }
    return result;
}

} // namespace

std::string shortestPlain(double value) {
    if (!std::isfinite(value)) {
        return fmt::format(FMT_COMPILE("{}"), value);
    }
    const Shortest number = shortest(value);
    if (number.exponent > 0) {
        // Every plain text of a number this large has as many characters, zeros or digits, so
        // the one closest to the value wins: the exact whole number.
        return fmt::format(FMT_COMPILE("{:.0f}"), value);
    }
    if (number.exponent == 0) {
        return number.sign + number.digits;
    }
    const int integerDigits = static_cast<int>(number.digits.size()) + number.exponent;
    if (integerDigits > 0) {
        const auto point = static_cast<std::size_t>(integerDigits);
        return number.sign + number.digits.substr(0, point) + "." + number.digits.substr(point);
    }
    return number.sign + "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') +
           number.digits;
}

std::string shortestScientific(double value) {
    if (!std::isfinite(value)) {
        return fmt::format(FMT_COMPILE("{}"), value);
    }
    const Shortest number = shortest(value);
    std::string text = number.sign + number.digits.front();
    if (number.digits.size() > 1) {
        text += "." + number.digits.substr(1);
    }
    const int exponent = number.exponent + static_cast<int>(number.digits.size()) - 1;
    return text +
           fmt::format(FMT_COMPILE("e{}{:02}"), exponent < 0 ? '-' : '+', std::abs(exponent));
}

std::string roundedPlain(double value, int decimals) {
    return fmt::format(FMT_COMPILE("{:.{}f}"), value, decimals);
}

std::string roundedScientific(double value, int decimals) {
    return fmt::format(FMT_COMPILE("{:.{}e}"), value, decimals);
}

} // namespace varnik::decimal
