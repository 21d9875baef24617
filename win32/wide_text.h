// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace varnik::win32 {

/// UTF-8 as UTF-16, for the wide-character API. Invalid bytes become U+FFFD.
std::wstring toWide(std::string_view utf8);
/// UTF-16 as UTF-8. A lone surrogate becomes U+FFFD.
std::string toUtf8(std::wstring_view wide);

} // namespace varnik::win32
