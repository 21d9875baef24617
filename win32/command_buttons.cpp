// SPDX-License-Identifier: MIT
#include "command_buttons.h"

#include "handles.h"
#include "layout.h"
#include "wide_text.h"

namespace varnik::win32 {

namespace {

constexpr int firstId = 100; // row r is control firstId + r

} // namespace

void CommandButtons::create(HWND parent, HINSTANCE instance, FontSet& fonts) {
    for (const std::size_t row : tabOrder()) {
        const CommandButtonRow& button = commandButtons[row];
        const RECT at = pixelRect(button.geometry, fonts.dpi());
        m_buttons[row] = CreateWindowExW(
            WS_EX_NOPARENTNOTIFY, L"BUTTON", toWide(button.caption).c_str(),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY, at.left, at.top,
            at.right - at.left, at.bottom - at.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + static_cast<int>(row))),
            instance, nullptr);
        SendMessageW(m_buttons[row], WM_SETFONT, reinterpret_cast<WPARAM>(fonts.get(button.font)),
                     FALSE);
    }
}

void CommandButtons::layOut(FontSet& fonts) {
    for (std::size_t row = 0; row < commandButtonCount; ++row) {
        const RECT at = pixelRect(commandButtons[row].geometry, fonts.dpi());
        SetWindowPos(m_buttons[row], nullptr, at.left, at.top, at.right - at.left,
                     at.bottom - at.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(m_buttons[row], WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts.get(commandButtons[row].font)), FALSE);
    }
}

std::optional<std::size_t> CommandButtons::rowOfId(int id) {
    const int row = id - firstId;
    if (row < 0 || row >= static_cast<int>(commandButtonCount)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(row);
}

void CommandButtons::draw(const DRAWITEMSTRUCT& item, FontSet& fonts) {
    const auto row = rowOfId(static_cast<int>(item.CtlID));
    if (!row) {
        return;
    }
    const CommandButtonRow& button = commandButtons[*row];
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    SetDCBrushColor(dc, toColorRef(button.background));
    FillRect(dc, &face, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    DrawEdge(dc, &face, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED,
             BF_RECT | BF_ADJUST);

    const std::wstring caption = toWide(button.caption);
    const Selection font(dc, fonts.get(button.font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    // A caption wider than its button wraps, centred both ways.
    RECT text = face;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    const int textHeight = text.bottom - text.top;
    text = face;
    text.top += (face.bottom - face.top - textHeight) / 2;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&face, -1, -1);
        DrawFocusRect(dc, &face);
    }
}

} // namespace varnik::win32
