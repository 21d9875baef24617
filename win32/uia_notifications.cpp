// SPDX-License-Identifier: MIT
#include "uia_notifications.h"

#include "ref_counted.h"

#include <uiautomationcore.h>

namespace varnik::win32 {

namespace {

// UI Automation's notification values (Windows 10 version 1709), which MinGW's headers lack.
// Every text is the outcome of the key just pressed: "action completed". The most recent text
// replaces one not yet spoken (typing fast, only the number so far is worth hearing), and none
// interrupts the speech before it (the key's own echo, or the text before).
constexpr int notificationKindActionCompleted = 2;
constexpr int notificationProcessingMostRecent = 3;
constexpr wchar_t activityId[] = L"VarnikCalculator.Announcement";
// From uiautomationcoreapi.h, which MinGW's C++ cannot include (a parameter named "new").
constexpr LONG rootObjectId = -25;
constexpr HRESULT elementNotAvailable = static_cast<HRESULT>(0x80040201);

template <typename Function> Function function(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// The window's provider. It is an override provider with no property of its own: UI Automation
// goes on reading the window through its standard and MSAA objects (the skin's keys, the
// controls), as it does for a window without one; it is there to be the notifications' source.
class WindowProvider final : public RefCounted<IRawElementProviderSimple> {
public:
    using HostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);

    WindowProvider(HWND window, HostProvider host) : m_window(window), m_host(host) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) {
            return E_POINTER;
        }
        if (iid != __uuidof(IUnknown) && iid != __uuidof(IRawElementProviderSimple)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IRawElementProviderSimple*>(this);
        AddRef();
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override {
        if (!options) {
            return E_POINTER;
        }
        // Called on the window's thread, where COM runs.
        *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider |
                                                ProviderOptions_OverrideProvider |
                                                ProviderOptions_UseComThreading);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** pattern) override {
        if (!pattern) {
            return E_POINTER;
        }
        *pattern = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT* value) override {
        if (!value) {
            return E_POINTER;
        }
        VariantInit(value); // empty: the window's other providers answer
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE
    get_HostRawElementProvider(IRawElementProviderSimple** host) override {
        if (!host) {
            return E_POINTER;
        }
        *host = nullptr;
        // A client may keep the provider after the window has gone.
        return IsWindow(m_window) ? m_host(m_window, host) : elementNotAvailable;
    }

private:
    ~WindowProvider() override = default;

    HWND m_window;
    HostProvider m_host;
};

} // namespace

UiaNotifications::~UiaNotifications() {
    // The library stays loaded: UI Automation may still run threads of its own in it.
    if (m_provider) {
        m_provider->Release();
    }
}

bool UiaNotifications::available() {
    if (!m_loaded) {
        m_loaded = true;
        // Beside the program first, then Windows' own: never the current folder.
        m_library =
            LoadLibraryExW(L"UIAutomationCore.dll", nullptr,
                           LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (m_library) {
            m_raise = function<RaiseNotification>(m_library, "UiaRaiseNotificationEvent");
            m_return = function<ReturnProvider>(m_library, "UiaReturnRawElementProvider");
            m_host = function<HostProvider>(m_library, "UiaHostProviderFromHwnd");
        }
    }
    return m_raise && m_return && m_host;
}

IRawElementProviderSimple* UiaNotifications::provider() {
    if (!m_provider && m_window) {
        m_provider = new WindowProvider(m_window, m_host);
    }
    return m_provider;
}

bool UiaNotifications::raise(std::wstring_view text) {
    if (!available() || !provider()) {
        return false;
    }
    BSTR spoken = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    BSTR activity = SysAllocString(activityId);
    const HRESULT result = spoken && activity
                               ? m_raise(m_provider, notificationKindActionCompleted,
                                         notificationProcessingMostRecent, spoken, activity)
                               : E_OUTOFMEMORY;
    SysFreeString(activity);
    SysFreeString(spoken);
    return SUCCEEDED(result);
}

std::optional<LRESULT> UiaNotifications::answerGetObject(WPARAM flags, LPARAM objectId) {
    if (static_cast<LONG>(static_cast<DWORD>(objectId)) != rootObjectId || !available() ||
        !provider()) {
        return std::nullopt;
    }
    m_providerReturned = true;
    return m_return(m_window, flags, objectId, m_provider);
}

void UiaNotifications::detach() {
    if (m_providerReturned) {
        m_return(m_window, 0, 0, nullptr);
        m_providerReturned = false;
    }
    if (m_provider) {
        m_provider->Release();
        m_provider = nullptr;
    }
    m_window = nullptr;
}

} // namespace varnik::win32
