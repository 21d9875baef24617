// SPDX-License-Identifier: MIT
// The text forms of numbers on arbitrary input: the parser never crashes, and every number it
// reads, like every finite double, is written in at most 15 characters that read back close to
// it and are written again the same way.
#include "number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

using namespace varnik;

namespace {

[[noreturn]] void fail(const char* what, double value, const std::string& text) {
    std::fprintf(stderr, "%s: value %.17g written as \"%s\"\n", what, value, text.c_str());
    std::abort();
}

void checkFormat(double value) {
    const std::string text = formatNumber(value);
    if (text.size() > displayLimit) {
        fail("longer than the display", value, text);
    }
    const auto back = parseNumber(text);
    if (!back) {
        fail("does not read back", value, text);
    }
    if (formatNumber(*back) != text) {
        fail("written differently the second time", value, text);
    }
    // Even the tightest form, "-1.2345678e-123", keeps eight significant digits.
    if (std::fabs(*back - value) > std::fabs(value) * 1e-7) {
        fail("reads back as another number", value, text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto value = parseNumber(text)) {
        if (!std::isfinite(*value)) {
            fail("parsed to a non-finite number", *value, std::string(text));
        }
        checkFormat(*value);
    }
    // The same bytes as a double: reaches values that no short text does.
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            checkFormat(value);
        }
    }
    return 0;
}
