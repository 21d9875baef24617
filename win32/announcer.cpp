// SPDX-License-Identifier: MIT
#include "announcer.h"

#include "accessible_object.h"

namespace varnik::win32 {

namespace {

// The last text as an alert with that name and nothing else: no value, no children, no action.
// It stands where the window's client area stands.
class AnnouncementAccessible final : public AccessibleObject {
public:
    AnnouncementAccessible(HWND window, IAccessible* client, std::wstring_view text)
        : AccessibleObject(window, client), m_text(text) {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!name) {
            return E_POINTER;
        }
        *name = nullptr;
        if (!isSelf(child)) {
            return E_INVALIDARG;
        }
        return alive() ? answerText(m_text, name) : gone();
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return number(child, role, ROLE_SYSTEM_ALERT);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return number(child, state, STATE_SYSTEM_READONLY);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) {
            return E_POINTER;
        }
        *parent = nullptr;
        if (!alive()) {
            return gone();
        }
        return AccessibleObjectFromWindow(m_window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IDispatch), reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (!isSelf(child)) {
            return E_INVALIDARG;
        }
        return alive() ? m_standard->accLocation(left, top, width, height, child) : gone();
    }

    // None of these.
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (!count) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** object) override {
        if (!object) {
            return E_POINTER;
        }
        *object = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* text) override {
        return none(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return none(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return none(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return none(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
        return none(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        if (!file || !topic) {
            return E_POINTER;
        }
        *topic = 0;
        return none(child, file);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return empty(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return empty(selection);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
        return empty(end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long, long, VARIANT* child) override {
        return empty(child);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }

private:
    static HRESULT number(const VARIANT& child, VARIANT* out, LONG value) {
        if (!out) {
            return E_POINTER;
        }
        VariantInit(out);
        if (!isSelf(child)) {
            return E_INVALIDARG;
        }
        out->vt = VT_I4;
        out->lVal = value;
        return S_OK;
    }
    static HRESULT none(const VARIANT& child, BSTR* out) {
        if (!out) {
            return E_POINTER;
        }
        *out = nullptr;
        return isSelf(child) ? S_FALSE : E_INVALIDARG;
    }
    static HRESULT empty(VARIANT* out) {
        if (!out) {
            return E_POINTER;
        }
        VariantInit(out);
        return S_FALSE;
    }

    std::wstring m_text;
};

} // namespace

void Announcer::attach(HWND window) {
    m_window = window;
    m_notifications.attach(window);
}

void Announcer::announce(std::wstring_view text) {
    if (!m_window || m_notifications.raise(text)) {
        return;
    }
    m_text = text;
    NotifyWinEvent(EVENT_SYSTEM_ALERT, m_window, objectId, CHILDID_SELF);
}

std::optional<LRESULT> Announcer::answerGetObject(WPARAM flags, LPARAM id) {
    if (!isObject(id, objectId)) {
        return m_notifications.answerGetObject(flags, id);
    }
    IAccessible* client = nullptr;
    if (!m_window || FAILED(CreateStdAccessibleObject(m_window, OBJID_CLIENT, __uuidof(IAccessible),
                                                      reinterpret_cast<void**>(&client)))) {
        return std::nullopt;
    }
    return answerWith(flags, new AnnouncementAccessible(m_window, client, m_text));
}

void Announcer::detach() {
    m_notifications.detach();
    m_window = nullptr;
}

} // namespace varnik::win32
