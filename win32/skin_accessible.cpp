// SPDX-License-Identifier: MIT
#include "skin_accessible.h"

#include "controls.h"
#include "wide_text.h"

#include <oleacc.h>

#include <atomic>
#include <type_traits>

namespace varnik::win32 {

namespace {

// Interface identifiers by __uuidof: MinGW's oleacc import library gives IID_IAccessible the
// address of an import thunk, not the identifier.

constexpr LONG keyCount = static_cast<LONG>(skinKeyCount);

// Child 1 to 18 are the skin keys, in the key map's order; the window's child controls follow.
class SkinAccessible final : public IAccessible, public IOleWindow {
public:
    SkinAccessible(HWND window, SkinKeyHost& host, IAccessible* standard)
        : m_window(window), m_host(host), m_standard(standard) {}

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
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --m_references;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // IDispatch: screen readers use the IAccessible methods themselves.
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

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return alive() ? m_standard->get_accParent(parent) : gone();
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (!count) {
            return E_POINTER;
        }
        if (!alive()) {
            return gone();
        }
        *count = keyCount + static_cast<long>(childWindows());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        if (!object) {
            return E_POINTER;
        }
        *object = nullptr;
        const auto id = childId(child);
        if (!id || *id == CHILDID_SELF) {
            return E_INVALIDARG;
        }
        if (*id <= keyCount) {
            return S_FALSE; // a simple element: the parent answers for it
        }
        const HWND control = childWindow(static_cast<std::size_t>(*id - keyCount - 1));
        if (!control) {
            return E_INVALIDARG;
        }
        return AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_WINDOW),
                                          __uuidof(IDispatch), reinterpret_cast<void**>(object));
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return keyText(
            child, name, [](std::size_t key) { return skinKeys[key].accessibleName; },
            &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return keyText(child, value, nullptr, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return keyText(child, text, nullptr, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return keyText(child, text, nullptr, &IAccessible::get_accHelp);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return keyText(child, text, nullptr, &IAccessible::get_accKeyboardShortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return keyText(
            child, action, [](std::size_t) { return "Press"; }, &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        if (!file || !topic) {
            return E_POINTER;
        }
        *file = nullptr;
        *topic = 0;
        const auto key = keyOf(child);
        if (!key) {
            return isSelf(child) && alive() ? m_standard->get_accHelpTopic(file, child, topic)
                                            : E_INVALIDARG;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) {
            return E_POINTER;
        }
        VariantInit(role);
        if (keyOf(child)) {
            role->vt = VT_I4;
            role->lVal = ROLE_SYSTEM_PUSHBUTTON;
            return S_OK;
        }
        return isSelf(child) && alive() ? m_standard->get_accRole(child, role) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) {
            return E_POINTER;
        }
        VariantInit(state);
        if (const auto key = keyOf(child)) {
            if (!alive()) {
                return gone();
            }
            state->vt = VT_I4;
            // A lit key is the one under the pointer (or the focused button's twin).
            state->lVal = m_host.skinKeyLit(*key) ? STATE_SYSTEM_HOTTRACKED : 0;
            return S_OK;
        }
        return isSelf(child) && alive() ? m_standard->get_accState(child, state) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) {
            return E_POINTER;
        }
        VariantInit(focus);
        if (!alive()) {
            return gone();
        }
        const HWND focused = GetFocus();
        if (focused == m_window) {
            focus->vt = VT_I4;
            focus->lVal = CHILDID_SELF;
            return S_OK;
        }
        if (!focused || !IsChild(m_window, focused)) {
            return S_FALSE; // the focus is elsewhere
        }
        IDispatch* object = nullptr;
        const HRESULT result =
            AccessibleObjectFromWindow(focused, static_cast<DWORD>(OBJID_WINDOW),
                                       __uuidof(IDispatch), reinterpret_cast<void**>(&object));
        if (FAILED(result)) {
            return result;
        }
        focus->vt = VT_DISPATCH;
        focus->pdispVal = object;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection) {
            return E_POINTER;
        }
        VariantInit(selection);
        return S_FALSE; // nothing here is selected
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        if (keyOf(child)) {
            return DISP_E_MEMBERNOTFOUND;
        }
        return isSelf(child) && alive() ? m_standard->accSelect(flags, child) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (!left || !top || !width || !height) {
            return E_POINTER;
        }
        if (const auto key = keyOf(child)) {
            if (!alive()) {
                return gone();
            }
            const RECT at = m_host.skinKeyOnScreen(*key);
            *left = at.left;
            *top = at.top;
            *width = at.right - at.left;
            *height = at.bottom - at.top;
            return S_OK;
        }
        return isSelf(child) && alive() ? m_standard->accLocation(left, top, width, height, child)
                                        : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (!end) {
            return E_POINTER;
        }
        VariantInit(end);
        const auto id = childId(start);
        if (!id || !alive()) {
            return id ? gone() : E_INVALIDARG;
        }
        const long last = keyCount + static_cast<long>(childWindows());
        long to = 0;
        if (*id == CHILDID_SELF) {
            if (direction == NAVDIR_FIRSTCHILD) {
                to = 1;
            } else if (direction == NAVDIR_LASTCHILD) {
                to = last;
            } else {
                return m_standard->accNavigate(direction, start, end);
            }
        } else if (*id <= keyCount && direction == NAVDIR_NEXT) {
            to = *id + 1;
        } else if (*id <= keyCount && direction == NAVDIR_PREVIOUS) {
            to = *id - 1;
        }
        if (to < 1 || to > last) {
            return S_FALSE;
        }
        return childVariant(to, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        if (!child) {
            return E_POINTER;
        }
        VariantInit(child);
        if (!alive()) {
            return gone();
        }
        const POINT at{x, y};
        for (LONG key = 0; key < keyCount; ++key) {
            const RECT rect = m_host.skinKeyOnScreen(static_cast<std::size_t>(key));
            if (PtInRect(&rect, at)) {
                child->vt = VT_I4;
                child->lVal = key + 1;
                return S_OK;
            }
        }
        return m_standard->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (const auto key = keyOf(child)) {
            if (!alive()) {
                return gone();
            }
            m_host.pressSkinKey(*key);
            return S_OK;
        }
        return isSelf(child) && alive() ? m_standard->accDoDefaultAction(child) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~SkinAccessible() { m_standard->Release(); }

    // A client may keep the object after the window has gone.
    bool alive() const { return IsWindow(m_window) != FALSE; }
    static HRESULT gone() { return RPC_E_DISCONNECTED; }

    static std::optional<LONG> childId(const VARIANT& child) {
        if (child.vt != VT_I4) {
            return std::nullopt;
        }
        return child.lVal;
    }
    static bool isSelf(const VARIANT& child) { return childId(child) == CHILDID_SELF; }
    static std::optional<std::size_t> keyOf(const VARIANT& child) {
        const auto id = childId(child);
        if (!id || *id < 1 || *id > keyCount) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(*id - 1);
    }

    std::size_t childWindows() const {
        std::size_t count = 0;
        for (HWND child = ::GetWindow(m_window, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            ++count;
        }
        return count;
    }
    HWND childWindow(std::size_t index) const {
        HWND child = ::GetWindow(m_window, GW_CHILD);
        for (; child && index > 0; --index) {
            child = ::GetWindow(child, GW_HWNDNEXT);
        }
        return child;
    }

    HRESULT childVariant(long id, VARIANT* result) {
        if (id <= keyCount) {
            result->vt = VT_I4;
            result->lVal = id;
            return S_OK;
        }
        VARIANT child;
        child.vt = VT_I4;
        child.lVal = id;
        IDispatch* object = nullptr;
        const HRESULT found = get_accChild(child, &object);
        if (found != S_OK) {
            return FAILED(found) ? found : S_FALSE;
        }
        result->vt = VT_DISPATCH;
        result->pdispVal = object;
        return S_OK;
    }

    // A text property: the key's text where `text` gives one, none otherwise; the window's own
    // from its standard object.
    template <typename KeyText>
    HRESULT keyText(const VARIANT& child, BSTR* out, KeyText text,
                    HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, BSTR*)) {
        if (!out) {
            return E_POINTER;
        }
        *out = nullptr;
        if (const auto key = keyOf(child)) {
            if constexpr (std::is_same_v<KeyText, std::nullptr_t>) {
                return S_FALSE;
            } else {
                *out = SysAllocString(toWide(text(*key)).c_str());
                return *out ? S_OK : E_OUTOFMEMORY;
            }
        }
        return isSelf(child) && alive() ? (m_standard->*standard)(child, out) : E_INVALIDARG;
    }

    HWND m_window;
    SkinKeyHost& m_host;
    IAccessible* m_standard;
    std::atomic<ULONG> m_references{1};
};

} // namespace

std::optional<LRESULT> answerGetObject(HWND window, WPARAM flags, LPARAM objectId,
                                       SkinKeyHost& host) {
    if (static_cast<LONG>(static_cast<DWORD>(objectId)) != OBJID_CLIENT) {
        return std::nullopt;
    }
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
        return std::nullopt;
    }
    auto* accessible = new SkinAccessible(window, host, standard);
    const LRESULT answer =
        LresultFromObject(__uuidof(IAccessible), flags, static_cast<IAccessible*>(accessible));
    accessible->Release(); // the answer holds its own reference
    return answer;
}

} // namespace varnik::win32
