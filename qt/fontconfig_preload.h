// SPDX-License-Identifier: MIT
#pragma once

#include <thread>

namespace varnik {

/// Reads the system's font configuration on a second thread, from construction until finish(),
/// so that it overlaps the construction of the QApplication. Qt's font database reads the same
/// configuration the first time a font is needed, and then finds it ready. Where Qt reads no
/// fontconfig (builds for other systems) it does nothing.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    /// Waits until the configuration is read. Call before anything asks Qt for a font.
    void finish();

private:
    std::thread m_thread;
};

} // namespace varnik
