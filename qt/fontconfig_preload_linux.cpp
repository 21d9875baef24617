// SPDX-License-Identifier: MIT
#include "fontconfig_preload.h"

#include <dlfcn.h>
#include <system_error>

namespace varnik {

FontConfigPreload::FontConfigPreload() {
    // Qt links fontconfig itself where it uses it: looked up among the program's symbols, this
    // is the very library and configuration Qt reads later.
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init) {
        return;
    }
    try {
        m_thread = std::thread(init);
    } catch (const std::system_error&) {
        // No second thread: Qt reads the configuration when it first needs it, as usual.
    }
}

FontConfigPreload::~FontConfigPreload() {
    finish();
}

void FontConfigPreload::finish() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

} // namespace varnik
