// SPDX-License-Identifier: MIT
// Systems whose Qt reads no fontconfig: nothing to read ahead.
#include "fontconfig_preload.h"

namespace varnik {

FontConfigPreload::FontConfigPreload() = default;
FontConfigPreload::~FontConfigPreload() = default;
void FontConfigPreload::finish() {}

} // namespace varnik
