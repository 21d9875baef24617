// SPDX-License-Identifier: MIT
#include "skin_accessible.h"

#include "accessible_object.h"
#include "form1.h"
#include "layout.h"
#include "wide_text.h"

#include <string>

namespace varnik::win32 {

namespace {

constexpr LONG keyCount = static_cast<LONG>(skinKeyCount);

// A control's standard object under a name or a description of our own: a disabled edit control
// has no label a screen reader could name it by, a button's caption may be a symbol, a message
// box's text may be empty. An empty text leaves the standard object's.
class NamedAccessible final : public AccessibleObject {
public:
    NamedAccessible(HWND window, IAccessible* standard, std::wstring_view name,
                    std::wstring_view description)
        : AccessibleObject(window, standard), m_name(name), m_description(description) {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return ownText(child, name, m_name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return ownText(child, text, m_description, &IAccessible::get_accDescription);
    }

    // Everything else is the standard object's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return m_standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return m_standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return m_standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return m_standard->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return m_standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return m_standard->get_accHelp(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return m_standard->get_accKeyboardShortcut(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return m_standard->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return m_standard->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return m_standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return m_standard->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return m_standard->accDoDefaultAction(child);
    }

private:
    HRESULT ownText(const VARIANT& child, BSTR* out, const std::wstring& own,
                    HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, BSTR*)) {
        if (!out) {
            return E_POINTER;
        }
        *out = nullptr;
        if (own.empty() || !isSelf(child)) {
            return (m_standard->*standard)(child, out);
        }
        return alive() ? answerText(own, out) : gone();
    }

    std::wstring m_name;
    std::wstring m_description;
};

// The client area. Child 1 to 18 are the skin keys, in the key map's order, as the window model
// describes them; the window's child controls follow.
class SkinAccessible final : public AccessibleObject {
public:
    SkinAccessible(HWND window, IAccessible* standard, Form1& model)
        : AccessibleObject(window, standard), m_model(model) {}

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
        *count = lastChild();
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
        return keyText(child, name, &AccessibleKey::name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return keyText(child, action, &AccessibleKey::action, &IAccessible::get_accDefaultAction);
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
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        if (!file || !topic) {
            return E_POINTER;
        }
        *file = nullptr;
        *topic = 0;
        if (keyOf(child)) {
            return S_FALSE;
        }
        return isSelf(child) && alive() ? m_standard->get_accHelpTopic(file, child, topic)
                                        : E_INVALIDARG;
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
            // The key under the pointer shows its highlight.
            state->lVal = m_model.scene().keys[*key].lit ? STATE_SYSTEM_HOTTRACKED : 0;
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
            RECT at = pixelRect(skinKey(*key).geometry, dpi());
            MapWindowPoints(m_window, nullptr, reinterpret_cast<POINT*>(&at), 2);
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
        const long last = lastChild();
        long to = 0;
        if (*id == CHILDID_SELF) {
            if (direction == NAVDIR_FIRSTCHILD) {
                to = 1;
            } else if (direction == NAVDIR_LASTCHILD) {
                to = last;
            } else {
                return m_standard->accNavigate(direction, start, end);
            }
        } else if (*id < 1 || *id > last) {
            return E_INVALIDARG;
        } else if (direction == NAVDIR_NEXT) {
            to = *id + 1;
        } else if (direction == NAVDIR_PREVIOUS) {
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
        POINT at{x, y};
        ScreenToClient(m_window, &at);
        const int density = dpi();
        if (const auto key = m_model.skinKeyAt(toTwips(at.x, density), toTwips(at.y, density))) {
            child->vt = VT_I4;
            child->lVal = static_cast<LONG>(*key) + 1;
            return S_OK;
        }
        return m_standard->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (const auto key = keyOf(child)) {
            if (!alive()) {
                return gone();
            }
            m_model.pressSkinKey(*key);
            return S_OK;
        }
        return isSelf(child) && alive() ? m_standard->accDoDefaultAction(child) : E_INVALIDARG;
    }

private:
    static std::optional<std::size_t> keyOf(const VARIANT& child) {
        const auto id = childId(child);
        if (!id || *id < 1 || *id > keyCount) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(*id - 1);
    }

    int dpi() const { return static_cast<int>(GetDpiForWindow(m_window)); }

    long lastChild() const { return keyCount + static_cast<long>(childWindows()); }
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

    // A text property: the model's text for a key where `text` names one, none otherwise; the
    // window's own from its standard object.
    HRESULT keyText(const VARIANT& child, BSTR* out, std::string_view AccessibleKey::*text,
                    HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, BSTR*)) {
        if (!out) {
            return E_POINTER;
        }
        *out = nullptr;
        if (const auto key = keyOf(child)) {
            if (!text) {
                return S_FALSE;
            }
            return answerText(toWide(m_model.accessibleKey(*key).*text), out);
        }
        return isSelf(child) && alive() ? (m_standard->*standard)(child, out) : E_INVALIDARG;
    }

    Form1& m_model;
};

} // namespace

std::optional<LRESULT> answerGetObject(HWND window, WPARAM flags, LPARAM objectId, Form1& model) {
    if (!isObject(objectId, OBJID_CLIENT)) {
        return std::nullopt;
    }
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
        return std::nullopt;
    }
    return answerWith(flags, new SkinAccessible(window, standard, model));
}

std::optional<LRESULT> answerNamedGetObject(HWND control, WPARAM flags, LPARAM objectId,
                                            std::wstring_view name, std::wstring_view description) {
    const auto id = static_cast<LONG>(static_cast<DWORD>(objectId));
    if (id != OBJID_CLIENT && id != OBJID_WINDOW) {
        return std::nullopt;
    }
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, id, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
        return std::nullopt;
    }
    return answerWith(flags, new NamedAccessible(control, standard, name, description));
}

} // namespace varnik::win32
