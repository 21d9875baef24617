// SPDX-License-Identifier: MIT
#pragma once

#include "keys.h"

#include <optional>
#include <string_view>

namespace varnik::test {

/// The key a test script writes as `symbol`: "0" to "9", ".", "+", "-", "*", "/", "=", "C",
/// "M+", "M-", "MR", "MC", "<" (Backspace). Nothing for any other text.
std::optional<Key> keyForSymbol(std::string_view symbol);

} // namespace varnik::test
