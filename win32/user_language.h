// SPDX-License-Identifier: MIT
#pragma once

namespace varnik {
class Messages;
}

namespace varnik::win32 {

/// The texts in the user's language: `--language bn|en` on the command line, else the first of
/// the user's display languages in Windows' settings that the program has, else English.
const Messages& userMessages();

} // namespace varnik::win32
