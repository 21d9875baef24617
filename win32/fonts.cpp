// SPDX-License-Identifier: MIT
#include "fonts.h"

#include "layout.h"
#include "wide_text.h"

#include <cstring>

namespace varnik::win32 {

namespace {

bool sameRow(const FontRow& a, const FontRow& b) {
    return std::strcmp(a.family, b.family) == 0 && a.points == b.points && a.bold == b.bold;
}

LOGFONTW logicalFont(const FontRow& row, int dpi) {
    LOGFONTW font{};
    if (*row.family == '\0') {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                       static_cast<UINT>(dpi))) {
            return metrics.lfMessageFont;
        }
        font.lfHeight = fontHeight(8.25, dpi);
        wcscpy_s(font.lfFaceName, LF_FACESIZE, L"MS Sans Serif");
        return font;
    }
    font.lfHeight = fontHeight(row.points, dpi);
    font.lfWeight = row.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = ANSI_CHARSET;
    const std::wstring family = toWide(row.family);
    // The sizes are spelled out: MinGW offers the array forms only where its headers come in
    // a certain order.
    wcsncpy_s(font.lfFaceName, LF_FACESIZE, family.c_str(), _TRUNCATE);
    return font;
}

} // namespace

HFONT FontSet::get(const FontRow& row) {
    for (const Entry& entry : m_fonts) {
        if (sameRow(entry.row, row)) {
            return entry.font.get();
        }
    }
    const LOGFONTW font = logicalFont(row, m_dpi);
    m_fonts.push_back({row, Font(CreateFontIndirectW(&font))});
    return m_fonts.back().font.get();
}

} // namespace varnik::win32
