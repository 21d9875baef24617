// SPDX-License-Identifier: MIT
// A stand-in for Windows' UI Automation core library with notification events, which Wine's
// lacks. Put beside the program as UIAutomationCore.dll, it is loaded in place of Wine's, and
// writes each call the program makes to it as one JSON line to UIAutomationCore.dll.log beside
// it:
//   {"call": "notify", "kind", "processing", "text", "activity", "options", "host"}
//   {"call": "root", "options"}      the window answered UI Automation's WM_GETOBJECT
//   {"call": "release"}              the window let go of its provider
// "options" are the provider's ProviderOptions, "host" the class of the window whose host
// provider it gave.
#include "../probe/json.h"
#include "ref_counted.h"

#include <uiautomationcore.h>

#include <cstdio>
#include <string>

namespace {

HMODULE s_module = nullptr;

void write(const std::string& line) {
    wchar_t path[MAX_PATH + 8] = {};
    GetModuleFileNameW(s_module, path, MAX_PATH);
    std::wstring logPath = std::wstring(path) + L".log";
    if (FILE* log = _wfopen(logPath.c_str(), L"ab")) {
        std::fputs((line + "\n").c_str(), log);
        std::fclose(log);
    }
}

long long optionsOf(IRawElementProviderSimple* provider) {
    ProviderOptions options{};
    return provider && SUCCEEDED(provider->get_ProviderOptions(&options)) ? options : -1;
}

// The host provider of a window: it only remembers the window.
class HostProvider final : public varnik::win32::RefCounted<IRawElementProviderSimple> {
public:
    explicit HostProvider(HWND window) : m_window(window) {}
    HWND window() const { return m_window; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid != __uuidof(IUnknown) && iid != __uuidof(IRawElementProviderSimple)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override {
        *options = ProviderOptions_ClientSideProvider;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** pattern) override {
        *pattern = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT* value) override {
        VariantInit(value);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE
    get_HostRawElementProvider(IRawElementProviderSimple** host) override {
        *host = nullptr;
        return S_OK;
    }

private:
    HWND m_window;
};

std::string hostClass(IRawElementProviderSimple* provider) {
    IRawElementProviderSimple* host = nullptr;
    if (!provider || FAILED(provider->get_HostRawElementProvider(&host)) || !host) {
        return "null";
    }
    wchar_t name[64] = {};
    GetClassNameW(static_cast<HostProvider*>(host)->window(), name, 64);
    host->Release();
    return probe::quoted(std::wstring_view(name));
}

std::string text(BSTR value) {
    return value ? probe::quoted(std::wstring_view(value, SysStringLen(value))) : "null";
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        s_module = module;
    }
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT WINAPI
    UiaRaiseNotificationEvent(IRawElementProviderSimple* provider, int kind, int processing,
                              BSTR displayString, BSTR activityId) {
    write(probe::Object()
              .add("call", "notify")
              .add("kind", static_cast<long long>(kind))
              .add("processing", static_cast<long long>(processing))
              .add("text", text(displayString))
              .add("activity", text(activityId))
              .add("options", optionsOf(provider))
              .add("host", hostClass(provider))
              .str());
    return S_OK;
}

extern "C" __declspec(dllexport) LRESULT WINAPI
    UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, IRawElementProviderSimple* provider) {
    write(provider ? probe::Object().add("call", "root").add("options", optionsOf(provider)).str()
                   : probe::Object().add("call", "release").str());
    return 0;
}

extern "C" __declspec(dllexport) HRESULT WINAPI
    UiaHostProviderFromHwnd(HWND window, IRawElementProviderSimple** provider) {
    *provider = new HostProvider(window);
    return S_OK;
}
