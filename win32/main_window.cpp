// SPDX-License-Identifier: MIT
#include "main_window.h"

#include "keyboard.h"
#include "layout.h"
#include "resource_ids.h"
#include "wide_text.h"

#include <windowsx.h>

namespace varnik::win32 {

namespace {

constexpr wchar_t className[] = L"VarnikCalculatorForm1";
constexpr UINT_PTR flashTimer = 1;
constexpr int displayId = 200;
constexpr DWORD windowStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// A fixed tool window: small title bar with a close box, no taskbar entry.
constexpr DWORD windowExStyle = WS_EX_TOOLWINDOW;

bool registerClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // The second press of a double-click comes as WM_LBUTTONDBLCLK: no click.
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = static_cast<HICON>(LoadImageW(
        instance, MAKEINTRESOURCEW(VARNIK_IDI_APP), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(VARNIK_IDI_APP),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The window's outer size for the layout's client area at `dpi`.
SIZE windowSize(int dpi) {
    RECT frame{0, 0, toPixels(clientWidth, dpi), toPixels(clientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, windowStyle, FALSE, windowExStyle, static_cast<UINT>(dpi));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// Gives the window exactly the layout's client area at `dpi`, measured from its frame as it
// stands: the small title bar's height at a density is the system's to choose.
void fitClientArea(HWND window, int dpi) {
    RECT outer{};
    RECT client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const int width = outer.right - outer.left - client.right + toPixels(clientWidth, dpi);
    const int height = outer.bottom - outer.top - client.bottom + toPixels(clientHeight, dpi);
    if (width != outer.right - outer.left || height != outer.bottom - outer.top) {
        SetWindowPos(window, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance, Calculator& calculator, Win32Platform& platform)
    : m_instance(instance), m_platform(platform), m_model(calculator, platform, *this),
      m_displayBrush(CreateSolidBrush(toColorRef(displayBackground))),
      m_flashBrush(CreateSolidBrush(toColorRef(displayFlashColour))) {}

MainWindow::~MainWindow() {
    if (m_window) {
        DestroyWindow(m_window);
    }
}

bool MainWindow::create() {
    if (!registerClass(m_instance, &MainWindow::procedure)) {
        return false;
    }
    const std::wstring caption = toWide(windowCaption);
    // Made at the system's density, then sized for the monitor it lands on.
    const SIZE size = windowSize(static_cast<int>(GetDpiForSystem()));
    m_window =
        CreateWindowExW(windowExStyle, className, caption.c_str(), windowStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, m_instance, this);
    if (!m_window) {
        return false;
    }
    m_dpi = static_cast<int>(GetDpiForWindow(m_window));
    fitClientArea(m_window, m_dpi);
    m_platform.setOwner(m_window, m_dpi);

    m_fonts = std::make_unique<FontSet>(m_dpi);
    m_pictures = std::make_unique<SkinPictures>(m_instance, m_dpi > USER_DEFAULT_SCREEN_DPI);
    m_buttons.create(m_window, m_instance, *m_fonts);
    createDisplay();
    m_model.load();
    // The load step puts the window in its normal state, however the program was started.
    ShowWindow(m_window, SW_SHOWNORMAL);
    UpdateWindow(m_window);
    return true;
}

void MainWindow::createDisplay() {
    // Disabled: it never takes the focus or typed text. Right-aligned, at most 15 characters.
    const RECT at = pixelRect(displayGeometry, m_dpi);
    m_txtnum = CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY, L"EDIT", L"",
                               WS_CHILD | WS_VISIBLE | WS_DISABLED | ES_RIGHT | ES_AUTOHSCROLL,
                               at.left, at.top, at.right - at.left, at.bottom - at.top, m_window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(displayId)), m_instance,
                               nullptr);
    SendMessageW(m_txtnum, EM_SETLIMITTEXT, displayLimit, 0);
    SendMessageW(m_txtnum, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts->get(displayFont)), FALSE);
}

void MainWindow::layOut(int dpi) {
    m_dpi = dpi;
    auto fonts = std::make_unique<FontSet>(dpi);
    m_buttons.layOut(*fonts);
    const RECT display = pixelRect(displayGeometry, dpi);
    SetWindowPos(m_txtnum, nullptr, display.left, display.top, display.right - display.left,
                 display.bottom - display.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(m_txtnum, WM_SETFONT, reinterpret_cast<WPARAM>(fonts->get(displayFont)), TRUE);
    m_fonts = std::move(fonts); // the old fonts go once no control uses them
    const bool dense = dpi > USER_DEFAULT_SCREEN_DPI;
    if (!m_pictures || m_pictures->dense() != dense) {
        m_pictures = std::make_unique<SkinPictures>(m_instance, dense);
    }
    InvalidateRect(m_window, nullptr, FALSE);
}

bool MainWindow::takeKey(const MSG& message) {
    if (!m_window || (message.hwnd != m_window && !IsChild(m_window, message.hwnd))) {
        return false;
    }
    const auto key = typedKeyOf(message.message, message.wParam, heldModifiers());
    return key && m_model.typeKey(*key);
}

// WindowView

void MainWindow::showDisplay(std::string_view text) {
    SetWindowTextW(m_txtnum, toWide(text).c_str());
}

void MainWindow::enablePointButton(bool enabled) {
    const HWND point = m_buttons.button(buttonRow(Key::Point));
    if (enabled == (IsWindowEnabled(point) != FALSE)) {
        return;
    }
    // A disabled button cannot keep the focus: it moves on to the next one in tab order.
    const HWND next =
        !enabled && GetFocus() == point ? GetNextDlgTabItem(m_window, point, FALSE) : nullptr;
    EnableWindow(point, enabled);
    if (next && next != point) {
        SetFocus(next);
    }
}

void MainWindow::showOperation(std::string_view caption) {
    m_operationCaption = caption;
}

void MainWindow::showHighlight(std::size_t key, bool visible) {
    if (m_lit[key] != visible) {
        m_lit[key] = visible;
        invalidate(skinKeys[key].geometry);
    }
}

void MainWindow::colourLink(BgrColour colour) {
    if (m_linkColour != colour) {
        m_linkColour = colour;
        invalidate(linkGeometry);
    }
}

void MainWindow::focusButton(std::size_t button) {
    SetFocus(m_buttons.button(button));
}

void MainWindow::flashDisplay() {
    m_flashing = true;
    InvalidateRect(m_txtnum, nullptr, TRUE);
    SetTimer(m_window, flashTimer, displayFlashMilliseconds, nullptr);
}

void MainWindow::invalidate(const Twips& area) {
    const RECT rect = pixelRect(area, m_dpi);
    InvalidateRect(m_window, &rect, FALSE);
}

float MainWindow::twipsOf(int pixels) const {
    return toTwips(pixels, m_dpi);
}

// The window procedure: each message to its handler.

LRESULT CALLBACK MainWindow::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->dispatch(hwnd, message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
        HANDLE_MSG(hwnd, WM_ERASEBKGND, onEraseBackground);
        HANDLE_MSG(hwnd, WM_MOUSEMOVE, onMouseMove);
        HANDLE_MSG(hwnd, WM_LBUTTONDOWN, onLeftButtonDown);
        HANDLE_MSG(hwnd, WM_LBUTTONDBLCLK, onLeftButtonDown);
        HANDLE_MSG(hwnd, WM_LBUTTONUP, onLeftButtonUp);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_DRAWITEM, onDrawItem);
        HANDLE_MSG(hwnd, WM_CTLCOLORSTATIC, onControlColour);
        HANDLE_MSG(hwnd, WM_CTLCOLOREDIT, onControlColour);
        HANDLE_MSG(hwnd, WM_ACTIVATE, onActivate);
        HANDLE_MSG(hwnd, WM_TIMER, onTimer);
        HANDLE_MSG(hwnd, WM_CLOSE, onClose);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
    case WM_CONTEXTMENU:
        onContextMenu(hwnd, reinterpret_cast<HWND>(wParam), GET_X_LPARAM(lParam),
                      GET_Y_LPARAM(lParam));
        return 0;
    case WM_DPICHANGED:
        return onDpiChanged(hwnd, wParam, lParam);
    case WM_GETOBJECT:
        return onGetObject(hwnd, wParam, lParam);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void MainWindow::onPaint(HWND hwnd) {
    const PaintScope paint(hwnd);
    if (!m_fonts || !m_pictures) {
        return; // not made yet
    }
    RECT client{};
    GetClientRect(hwnd, &client);
    const SkinScene scene{m_lit, m_linkColour, m_fonts->get(linkFont), m_dpi};
    paintSkin(paint.dc(), client, *m_pictures, scene);
}

BOOL MainWindow::onEraseBackground(HWND, HDC) {
    return TRUE; // WM_PAINT covers every pixel
}

void MainWindow::onMouseMove(HWND, int x, int y, UINT) {
    m_model.pointerMoved(twipsOf(x), twipsOf(y));
}

void MainWindow::onLeftButtonDown(HWND hwnd, BOOL doubleClick, int x, int y, UINT) {
    // The pressed picture keeps the pointer's events until the button is let go.
    SetCapture(hwnd);
    if (doubleClick) {
        m_model.pointerDoubleClicked(twipsOf(x), twipsOf(y));
    } else {
        m_model.pointerPressed(twipsOf(x), twipsOf(y));
    }
}

void MainWindow::onLeftButtonUp(HWND, int x, int y, UINT) {
    ReleaseCapture();
    m_model.pointerReleased(twipsOf(x), twipsOf(y));
}

void MainWindow::onContextMenu(HWND hwnd, HWND, int x, int y) {
    // The Menu key and Shift+F10 reach the model as typed keys; this is the right click.
    if (x == -1 && y == -1) {
        return;
    }
    POINT at{x, y};
    ScreenToClient(hwnd, &at);
    m_model.openContextMenu(twipsOf(at.x), twipsOf(at.y));
}

void MainWindow::onCommand(HWND, int id, HWND, UINT code) {
    const auto row = CommandButtons::rowOfId(id);
    if (!row) {
        return;
    }
    if (code == BN_CLICKED) {
        m_model.clickButton(*row);
    } else if (code == BN_SETFOCUS) {
        m_model.focusMoved(*row);
    }
}

void MainWindow::onDrawItem(HWND, const DRAWITEMSTRUCT* item) {
    if (item && item->CtlType == ODT_BUTTON && m_fonts) {
        CommandButtons::draw(*item, *m_fonts);
    }
}

HBRUSH MainWindow::onControlColour(HWND hwnd, HDC dc, HWND control, int type) {
    if (control != m_txtnum) {
        return reinterpret_cast<HBRUSH>(
            DefWindowProcW(hwnd, type == CTLCOLOR_EDIT ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
                           reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    }
    SetTextColor(dc, toColorRef(displayTextColour));
    SetBkColor(dc, toColorRef(m_flashing ? displayFlashColour : displayBackground));
    return (m_flashing ? m_flashBrush : m_displayBrush).get();
}

void MainWindow::onActivate(HWND hwnd, UINT state, HWND, BOOL) {
    if (state == WA_INACTIVE) {
        const HWND focused = GetFocus();
        if (focused && IsChild(hwnd, focused)) {
            m_lastFocus = focused;
        }
        return;
    }
    // The first activation puts the focus on About (the model's start-up step); later ones
    // give it back to where it was, as a dialog does.
    m_model.activate();
    if (m_lastFocus && IsWindow(m_lastFocus) && IsWindowEnabled(m_lastFocus)) {
        SetFocus(m_lastFocus);
    }
}

void MainWindow::onTimer(HWND hwnd, UINT id) {
    if (id == flashTimer) {
        KillTimer(hwnd, flashTimer);
        m_flashing = false;
        InvalidateRect(m_txtnum, nullptr, TRUE);
    }
}

void MainWindow::onClose(HWND) {
    m_model.close();
}

void MainWindow::onDestroy(HWND) {
    m_window = nullptr;
    PostQuitMessage(0);
}

LRESULT MainWindow::onDpiChanged(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    const int dpi = HIWORD(wParam);
    fitClientArea(hwnd, dpi);
    m_platform.setDpi(dpi);
    layOut(dpi);
    return 0;
}

LRESULT MainWindow::onGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (!m_com) {
        m_com.emplace();
    }
    if (const auto answer = answerGetObject(hwnd, wParam, lParam, *this)) {
        return *answer;
    }
    return DefWindowProcW(hwnd, WM_GETOBJECT, wParam, lParam);
}

// SkinKeyHost

RECT MainWindow::skinKeyOnScreen(std::size_t key) const {
    RECT at = pixelRect(skinKeys[key].geometry, m_dpi);
    MapWindowPoints(m_window, nullptr, reinterpret_cast<POINT*>(&at), 2);
    return at;
}

bool MainWindow::skinKeyLit(std::size_t key) const {
    return m_lit[key];
}

void MainWindow::pressSkinKey(std::size_t key) {
    m_model.pressSkinKey(key);
}

} // namespace varnik::win32
