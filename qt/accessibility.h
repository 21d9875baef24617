// SPDX-License-Identifier: MIT
#pragma once

namespace varnik {

/// Lets screen readers see the window as a window and each skin key as a push button with a
/// name and a press action. Call once after creating the QApplication.
void installAccessibility();

} // namespace varnik
