// SPDX-License-Identifier: MIT
#pragma once

#include "command_buttons.h"
#include "fonts.h"
#include "form1.h"
#include "handles.h"
#include "skin_painter.h"
#include "win32_platform.h"
#include "window_view.h"

#include <windows.h>

#include <memory>
#include <optional>

namespace varnik::win32 {

/// The calculator's window in plain Win32: the display, the hidden command buttons and, drawn
/// by the window itself from the model's scene, the skin's pictures, its focus mark and the link
/// label. It feeds the window model its events and shows what the model's scene says; every
/// rule and every state is the model's.
class MainWindow final : public WindowView {
public:
    MainWindow(HINSTANCE instance, Calculator& calculator, Win32Platform& platform,
               const Messages& messages = messagesFor("en"));
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    /// Creates the window and its controls, runs the model's load step and shows the window.
    /// False when Windows would not make the window.
    bool create();
    HWND handle() const { return m_window; }

    /// Hands a key typed on the window or one of its controls to the model's keyboard table.
    /// True when the model took it: the message goes no further (no WM_CHAR follows it).
    bool takeKey(const MSG& message);

    // WindowView
    void displayChanged() override;
    void pointButtonChanged() override;
    void operationChanged() override;
    void skinKeyChanged(std::size_t key) override;
    void linkChanged() override;
    void focusButton(std::size_t button) override;
    void coloursChanged() override;

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK displayProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK buttonProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Message handlers, in the shapes of windowsx.h's message crackers.
    void onPaint(HWND hwnd);
    BOOL onEraseBackground(HWND hwnd, HDC dc);
    void onMouseMove(HWND hwnd, int x, int y, UINT keys);
    void onLeftButtonDown(HWND hwnd, BOOL doubleClick, int x, int y, UINT keys);
    void onLeftButtonUp(HWND hwnd, int x, int y, UINT keys);
    void onContextMenu(HWND hwnd, HWND clicked, int x, int y);
    void onCommand(HWND hwnd, int id, HWND control, UINT code);
    void onDrawItem(HWND hwnd, const DRAWITEMSTRUCT* item);
    HBRUSH onControlColour(HWND hwnd, HDC dc, HWND control, int type);
    void onActivate(HWND hwnd, UINT state, HWND other, BOOL minimized);
    void onTimer(HWND hwnd, UINT id);
    void onClose(HWND hwnd);
    void onDestroy(HWND hwnd);
    LRESULT onDpiChanged(HWND hwnd, WPARAM wParam, LPARAM lParam);
    void onSystemColours();
    LRESULT onGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam);
    LRESULT onDisplayGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam);
    LRESULT onButtonGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam);

    /// Makes the display (again) with the scene's alignment: an edit control takes its
    /// alignment when it is made.
    void createDisplay(bool rightAligned);
    /// Places the controls again and picks fonts and pictures for a new density.
    void layOut(int dpi);
    void invalidate(const Twips& area);
    float twipsOf(int pixels) const;
    void startCom();

    HINSTANCE m_instance;
    Win32Platform& m_platform;
    Form1 m_model;
    HWND m_window = nullptr;
    CommandButtons m_buttons;
    HWND m_txtnum = nullptr;
    WNDPROC m_editProcedure = nullptr;   ///< the display's own window procedure
    WNDPROC m_buttonProcedure = nullptr; ///< the command buttons' own window procedure
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::unique_ptr<FontSet> m_fonts;
    std::unique_ptr<SkinPictures> m_pictures;
    HWND m_lastFocus = nullptr;        ///< the control to give the focus back to on activation
    std::optional<ComApartment> m_com; ///< from the first screen reader's visit on
};

} // namespace varnik::win32
