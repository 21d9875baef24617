// SPDX-License-Identifier: MIT
#include "command_buttons.h"

#include "handles.h"
#include "layout.h"
#include "wide_text.h"

namespace varnik::win32 {

namespace {

constexpr int firstId = 100; // button b is control firstId + b

} // namespace

void CommandButtons::create(HWND parent, HINSTANCE instance, FontSet& fonts) {
    for (const std::size_t b : tabOrder()) {
        const ButtonPart& button = commandButton(b);
        const RECT at = pixelRect(button.geometry, fonts.dpi());
        m_buttons[b] = CreateWindowExW(
            WS_EX_NOPARENTNOTIFY, L"BUTTON", toWide(button.caption).c_str(),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY, at.left, at.top,
            at.right - at.left, at.bottom - at.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + static_cast<int>(b))), instance,
            nullptr);
        SendMessageW(m_buttons[b], WM_SETFONT, reinterpret_cast<WPARAM>(fonts.get(button.font)),
                     FALSE);
    }
}

void CommandButtons::layOut(FontSet& fonts) {
    for (std::size_t b = 0; b < commandButtonCount; ++b) {
        const RECT at = pixelRect(commandButton(b).geometry, fonts.dpi());
        SetWindowPos(m_buttons[b], nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(m_buttons[b], WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts.get(commandButton(b).font)), FALSE);
    }
}

std::optional<std::size_t> CommandButtons::buttonOfId(int id) {
    const int button = id - firstId;
    if (button < 0 || button >= static_cast<int>(commandButtonCount)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(button);
}

void CommandButtons::draw(const DRAWITEMSTRUCT& item, FontSet& fonts) {
    const auto b = buttonOfId(static_cast<int>(item.CtlID));
    if (!b) {
        return;
    }
    const ButtonPart& button = commandButton(*b);
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
