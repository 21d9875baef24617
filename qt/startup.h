// SPDX-License-Identifier: MIT
#pragma once

namespace varnik {

class Messages;

/// The texts in the user's language: `--language bn|en` on the command line, else the
/// desktop's (Qt reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG), else English.
const Messages& userMessages(int argc, const char* const* argv);

/// Gives the application its names, version and icon, registers the display font from the
/// resources, so that nothing has to be installed, and installs the skin's accessibility.
/// Call after creating the QApplication.
void prepareApplication();

} // namespace varnik
