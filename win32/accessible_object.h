// SPDX-License-Identifier: MIT
// What every accessible object of the window shares. Interface identifiers by __uuidof: MinGW's
// oleacc import library gives IID_IAccessible the address of an import thunk, not the identifier.
#pragma once

#include "ref_counted.h"

#include <oleacc.h>

#include <optional>
#include <string_view>

namespace varnik::win32 {

inline std::optional<LONG> childId(const VARIANT& child) {
    if (child.vt != VT_I4) {
        return std::nullopt;
    }
    return child.lVal;
}

inline bool isSelf(const VARIANT& child) {
    return childId(child) == CHILDID_SELF;
}

inline HRESULT answerText(std::wstring_view text, BSTR* out) {
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// What every accessible object here shares: reference counting, the interfaces it answers to,
// IDispatch without a type library (screen readers call IAccessible itself) and IOleWindow.
class AccessibleObject : public RefCounted<IAccessible, IOleWindow> {
public:
    AccessibleObject(HWND window, IAccessible* standard) : m_window(window), m_standard(standard) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
        } else if (iid == __uuidof(IOleWindow)) {
            *object = static_cast<IOleWindow*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window) {
            return E_POINTER;
        }
        *window = m_window;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

protected:
    ~AccessibleObject() override { m_standard->Release(); }

    // A client may keep the object after the window has gone.
    bool alive() const { return IsWindow(m_window) != FALSE; }
    static HRESULT gone() { return RPC_E_DISCONNECTED; }

    HWND m_window;
    IAccessible* m_standard; ///< the window's standard object, which answers for the rest
};

/// An object's answer to WM_GETOBJECT; the answer holds its own reference.
inline LRESULT answerWith(WPARAM flags, AccessibleObject* object) {
    const LRESULT answer =
        LresultFromObject(__uuidof(IAccessible), flags, static_cast<IAccessible*>(object));
    object->Release();
    return answer;
}

inline bool isObject(LPARAM objectId, LONG wanted) {
    return static_cast<LONG>(static_cast<DWORD>(objectId)) == wanted;
}

} // namespace varnik::win32
