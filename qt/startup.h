// SPDX-License-Identifier: MIT
#pragma once

namespace varnik {

/// Gives the application its names, version and icon, registers the display font from the
/// resources, so that nothing has to be installed, and installs the skin's accessibility.
/// Call after creating the QApplication.
void prepareApplication();

} // namespace varnik
