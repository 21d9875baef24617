// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"

#include <string>

namespace varnik::test {

/// What holds after every key press, whatever was pressed before: the display is at most 15
/// characters of digits, ".", "-", "e", "+" and spaces with at most one point; the point is free
/// whenever the next key begins a new number; no number of the state is NaN or infinite; a
/// failure always says how it is reported. Returns "" when all hold, else what broke.
/// Plain C++ so that the fuzz targets use it too.
std::string brokenInvariant(const CalculatorState& state, const KeyResult& result);

} // namespace varnik::test
