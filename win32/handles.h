// SPDX-License-Identifier: MIT
// Owners for the GDI, USER and COM handles the window makes, so that no path leaks one.
#pragma once

#include <objbase.h>
#include <windows.h>

#include <memory>
#include <type_traits>

namespace varnik::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;

struct MemoryDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using Menu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
/// A COM object's reference.
template <typename Interface> using ComObject = std::unique_ptr<Interface, ComReleaser>;

struct FontResourceDeleter {
    void operator()(HANDLE fonts) const { RemoveFontMemResourceEx(fonts); }
};
/// Fonts added from memory for this process only.
using FontResource = std::unique_ptr<void, FontResourceDeleter>;

struct GlobalMemoryDeleter {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
using GlobalMemory = std::unique_ptr<void, GlobalMemoryDeleter>;

/// COM on this thread for the object's lifetime. Started only where it is needed (screen
/// readers, the shell's open verb): its libraries are loaded when first called.
class ComApartment {
public:
    ComApartment()
        : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComApartment() {
        if (SUCCEEDED(m_result)) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT m_result;
};

/// An object selected into a device context for a scope; the previous one goes back after.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(m_dc, m_previous); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

/// BeginPaint ... EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND window) : m_window(window), m_dc(BeginPaint(window, &m_paint)) {}
    ~PaintScope() { EndPaint(m_window, &m_paint); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC dc() const { return m_dc; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

/// The clipboard, open for a scope. Another program may hold it for a moment: a few tries.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner) {
        for (int attempt = 0; attempt < 10 && !m_open; ++attempt) {
            m_open = OpenClipboard(owner) != FALSE;
            if (!m_open) {
                Sleep(10);
            }
        }
    }
    ~ClipboardScope() {
        if (m_open) {
            CloseClipboard();
        }
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;

    bool open() const { return m_open; }

private:
    bool m_open = false;
};

/// GlobalLock ... GlobalUnlock.
template <typename T> class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory)
        : m_memory(memory), m_data(static_cast<T*>(GlobalLock(memory))) {}
    ~GlobalLockScope() {
        if (m_data) {
            GlobalUnlock(m_memory);
        }
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;

    T* data() const { return m_data; }

private:
    HGLOBAL m_memory;
    T* m_data;
};

} // namespace varnik::win32
