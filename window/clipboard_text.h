// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnik {

/// The display's text as the clipboard gets it (UTF-8): as shown, with Bengali digits, or with
/// ASCII digits; the point, sign and exponent as they are, the blanks around trimmed. Nothing
/// for a blank display.
std::optional<std::string> copyText(std::string_view display, bool bengaliDigits);

} // namespace varnik
