// SPDX-License-Identifier: MIT
#pragma once

#include "control_tables.h"
#include "handles.h"

#include <vector>

namespace varnik::win32 {

/// The fonts of the layout at one density, each made once when first asked for. On a new
/// density a new set replaces the old one once the controls have their new fonts.
class FontSet {
public:
    explicit FontSet(int dpi) : m_dpi(dpi) {}

    /// The font of a row; the system's message font where the row names no family.
    HFONT get(const FontRow& row);
    int dpi() const { return m_dpi; }

private:
    struct Entry {
        FontRow row;
        Font font;
    };
    int m_dpi;
    std::vector<Entry> m_fonts;
};

} // namespace varnik::win32
