// SPDX-License-Identifier: MIT
#pragma once

namespace varnik {

/// Gives the application its names, version and icon, and registers the display font from
/// the resources, so that nothing has to be installed. Call after creating the QApplication.
void prepareApplication();

} // namespace varnik
