// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace varnik {

/// The display keeps at most this many characters; longer text is cut without error.
inline constexpr std::size_t displayLimit = 15;

/// Reads the display's text as a number, independent of the locale.
/// Accepts, between optional leading and trailing spaces: an optional sign, digits with at
/// most one ".", at least one digit, and an optional exponent ("e" or "E", optional sign,
/// digits). Anything else, and any value beyond the range of a 64-bit float, is no number.
std::optional<double> parseNumber(std::string_view text);

/// Pasted text longer than this (once trimmed) is no number.
inline constexpr std::size_t pasteLimit = 64;

/// Reads pasted text (UTF-8) as a number: leading and trailing whitespace trimmed, the Bengali
/// digits (U+09E6 to U+09EF) read as "0" to "9", then at most 64 characters that parseNumber
/// reads. Anything else is no number.
std::optional<double> readPastedNumber(std::string_view text);

/// What the display shows for pasted text (UTF-8), or nothing when readPastedNumber finds no
/// number in it. Text the keys could have typed (digits with at most one point, at most 15
/// characters, once Bengali digits are read as ASCII and the whitespace around is trimmed)
/// shows as it stands, so that copying the display and pasting it back changes nothing. Any
/// other number shows as formatNumber writes it, or, where that had to round, in a 15-character
/// form that keeps its value if there is one (".88888888888888" for 0.88888888888888).
std::optional<std::string> pastedDisplayText(std::string_view text);

/// Writes a finite number in at most 15 characters that parseNumber reads back: the shortest
/// digits that round-trip, in plain notation if they fit, else in exponent notation; failing
/// both, rounded to whichever of the two keeps the number closest. "0" for either zero.
std::string formatNumber(double value);

} // namespace varnik
