// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"

#include <string>

namespace varnik::replay {

/// One line of the engine's whole state after a key, in a form that is the same on every
/// system whatever its C library prints: the display and the caption between bars, the flags in
/// the program's own literals, each number as the 16 hex digits of its bits, and the key's
/// result, e.g. "| 7|Addition|f n yes|entry=... add=401c000000000000 ...|ok".
std::string stateLine(const CalculatorState& state, const KeyResult& result);

} // namespace varnik::replay
