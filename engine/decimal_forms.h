// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The decimal texts that number_text.h builds on, from one library on every runtime (Linux,
// Windows, the browser), so that all builds write the same bytes. Each writes what
// std::to_chars writes in the same notation, for any finite double.
namespace varnik::decimal {

/// The shortest digits that read back as the value, in plain notation: "0.001", "-1500".
/// A whole number whose shortest digits end in zeros before the point is written with all its
/// digits exactly: "99999999999999991611392" for 1e23.
std::string shortestPlain(double value);

/// The same shortest digits in exponent notation, the exponent at least two digits long:
/// "1.5e+03", "5e-324".
std::string shortestScientific(double value);

/// The value rounded to this many decimals (a tie to the even digit): "0.33" for 1/3 and 2.
std::string roundedPlain(double value, int decimals);

/// The value in exponent notation with this many decimals in the mantissa: "3.33e-01".
std::string roundedScientific(double value, int decimals);

} // namespace varnik::decimal
