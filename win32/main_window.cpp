// SPDX-License-Identifier: MIT
#include "main_window.h"

#include "keyboard.h"
#include "layout.h"
#include "resource_ids.h"
#include "skin_accessible.h"
#include "texts.h"
#include "wide_text.h"

#include <windowsx.h>

namespace varnik::win32 {

namespace {

constexpr wchar_t className[] = L"VarnikCalculatorForm1";
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

MainWindow::MainWindow(HINSTANCE instance, Calculator& calculator, Win32Platform& platform,
                       const Messages& messages)
    : m_instance(instance), m_platform(platform), m_model(calculator, platform, *this, messages) {}

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
    m_platform.attach(m_window, m_model, m_dpi);

    m_fonts = std::make_unique<FontSet>(m_dpi);
    m_pictures = std::make_unique<SkinPictures>(m_instance, pictureDensityAt(m_dpi));
    m_buttons.create(m_window, m_instance, *m_fonts);
    // Screen readers ask each button itself for its name.
    for (std::size_t b = 0; b < commandButtonCount; ++b) {
        SetWindowLongPtrW(m_buttons.button(b), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_buttonProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(m_buttons.button(b), GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(&MainWindow::buttonProcedure)));
    }
    // The load step's scene makes the display.
    m_model.load();
    if (!m_txtnum) {
        createDisplay(m_model.scene().display.rightAligned);
    }
    m_model.setHighContrast(highContrastOn());
    // The load step puts the window in its normal state, however the program was started.
    ShowWindow(m_window, SW_SHOWNORMAL);
    UpdateWindow(m_window);
    return true;
}

void MainWindow::createDisplay(bool rightAligned) {
    if (m_txtnum) {
        DestroyWindow(m_txtnum);
    }
    const RECT at = pixelRect(displayGeometry, m_dpi);
    const DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL |
                        (rightAligned ? ES_RIGHT : ES_LEFT) |
                        (DisplayScene::readOnly ? WS_DISABLED : 0);
    m_txtnum = CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY, L"EDIT", L"", style,
                               at.left, at.top, at.right - at.left, at.bottom - at.top, m_window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(displayId)), m_instance,
                               nullptr);
    SendMessageW(m_txtnum, EM_SETLIMITTEXT, DisplayScene::maxLength, 0);
    SendMessageW(m_txtnum, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts->get(displayFont)), FALSE);
    // Screen readers ask the display itself for its name.
    SetWindowLongPtrW(m_txtnum, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_editProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        m_txtnum, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::displayProcedure)));
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
    if (!m_pictures || m_pictures->density() != pictureDensityAt(dpi)) {
        m_pictures = std::make_unique<SkinPictures>(m_instance, pictureDensityAt(dpi));
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

// WindowView: each change is drawn from the model's scene.

void MainWindow::displayChanged() {
    const DisplayScene& display = m_model.scene().display;
    if (!m_txtnum ||
        ((GetWindowLongPtrW(m_txtnum, GWL_STYLE) & ES_RIGHT) != 0) != display.rightAligned) {
        createDisplay(display.rightAligned);
    }
    const std::wstring text = toWide(display.text);
    std::wstring shown(static_cast<std::size_t>(GetWindowTextLengthW(m_txtnum)) + 1, L'\0');
    shown.resize(static_cast<std::size_t>(
        GetWindowTextW(m_txtnum, shown.data(), static_cast<int>(shown.size()))));
    if (shown != text) {
        SetWindowTextW(m_txtnum, text.c_str());
        // Screen readers that watch the display hear it change: Wine's edit control does not
        // say so itself (measured), and a second event where Windows' does costs nothing.
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_txtnum, OBJID_CLIENT, CHILDID_SELF);
    }
    // The background, the flash's included, is asked for as the display paints.
    InvalidateRect(m_txtnum, nullptr, TRUE);
}

void MainWindow::pointButtonChanged() {
    // The model moves the focus on when the focused button is disabled.
    EnableWindow(m_buttons.button(pointButton), m_model.scene().pointButtonEnabled);
}

void MainWindow::operationChanged() {
    // The hidden operation label is no window on Windows: nothing shows it anywhere.
}

void MainWindow::skinKeyChanged(std::size_t key) {
    invalidate(skinKey(key).geometry);
}

void MainWindow::linkChanged() {
    invalidate(linkGeometry);
}

void MainWindow::focusButton(std::size_t button) {
    SetFocus(m_buttons.button(button));
}

void MainWindow::coloursChanged() {
    InvalidateRect(m_window, nullptr, FALSE);
    InvalidateRect(m_txtnum, nullptr, TRUE);
}

void MainWindow::onSystemColours() {
    m_model.setHighContrast(highContrastOn());
    coloursChanged(); // the desktop's colours may have changed with the setting or without it
}

void MainWindow::invalidate(const Twips& area) {
    if (m_window) {
        const RECT rect = pixelRect(area, m_dpi);
        InvalidateRect(m_window, &rect, FALSE);
    }
}

float MainWindow::twipsOf(int pixels) const {
    return toTwips(pixels, m_dpi);
}

void MainWindow::startCom() {
    if (!m_com) {
        m_com.emplace();
    }
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

LRESULT CALLBACK MainWindow::displayProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_GETOBJECT) {
        return self->onDisplayGetObject(hwnd, wParam, lParam);
    }
    return CallWindowProcW(self->m_editProcedure, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::buttonProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_GETOBJECT) {
        return self->onButtonGetObject(hwnd, wParam, lParam);
    }
    return CallWindowProcW(self->m_buttonProcedure, hwnd, message, wParam, lParam);
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
    // The high-contrast setting comes with a setting change, its colours with a colour change.
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETHIGHCONTRAST) {
            onSystemColours();
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
        onSystemColours();
        return DefWindowProcW(hwnd, message, wParam, lParam);
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
    paintSkin(paint.dc(), client, m_model.scene(), m_dpi, *m_pictures, m_fonts->get(linkFont));
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
    // Windows says (-1, -1) when a key asked for the menu.
    const bool fromKeyboard = x == -1 && y == -1;
    POINT at{x, y};
    if (!fromKeyboard) {
        ScreenToClient(hwnd, &at);
    }
    m_model.contextMenuRequested(twipsOf(at.x), twipsOf(at.y), fromKeyboard);
}

void MainWindow::onCommand(HWND, int id, HWND, UINT code) {
    const auto button = CommandButtons::buttonOfId(id);
    if (!button) {
        return;
    }
    if (code == BN_CLICKED) {
        m_model.clickButton(*button);
    } else if (code == BN_SETFOCUS) {
        m_model.focusMoved(*button);
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
    const COLORREF background = toColorRef(m_model.scene().display.background);
    SetTextColor(dc, toColorRef(m_model.scene().display.textColour));
    SetBkColor(dc, background);
    SetDCBrushColor(dc, background);
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

void MainWindow::onActivate(HWND hwnd, UINT state, HWND, BOOL) {
    if (state == WA_INACTIVE) {
        const HWND focused = GetFocus();
        if (focused && IsChild(hwnd, focused)) {
            m_lastFocus = focused;
        }
        // The focus went to another program or to a box: no button has it.
        m_model.focusMoved(std::nullopt);
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
    if (id == Win32Platform::timerId) {
        KillTimer(hwnd, Win32Platform::timerId); // it fires once
        m_model.timerFired();
    }
}

void MainWindow::onClose(HWND) {
    m_model.close();
}

void MainWindow::onDestroy(HWND) {
    m_platform.detach();
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
    startCom();
    if (const auto answer = m_platform.answerGetObject(wParam, lParam)) {
        return *answer;
    }
    if (const auto answer = answerGetObject(hwnd, wParam, lParam, m_model)) {
        return *answer;
    }
    return DefWindowProcW(hwnd, WM_GETOBJECT, wParam, lParam);
}

LRESULT MainWindow::onDisplayGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    startCom();
    const std::wstring name = toWide(m_model.messages().text(displayAccessibleName));
    if (const auto answer = answerNamedGetObject(hwnd, wParam, lParam, name)) {
        return *answer;
    }
    return CallWindowProcW(m_editProcedure, hwnd, WM_GETOBJECT, wParam, lParam);
}

LRESULT MainWindow::onButtonGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    startCom();
    const auto button = CommandButtons::buttonOfId(GetDlgCtrlID(hwnd));
    if (button) {
        const std::wstring name = toWide(m_model.accessibleButtonName(*button));
        if (const auto answer = answerNamedGetObject(hwnd, wParam, lParam, name)) {
            return *answer;
        }
    }
    return CallWindowProcW(m_buttonProcedure, hwnd, WM_GETOBJECT, wParam, lParam);
}

} // namespace varnik::win32
