// SPDX-License-Identifier: MIT
#include "message_box.h"

#include "skin_accessible.h"

#include <string>

namespace varnik::win32 {

namespace {

// The box MessageBoxW is about to show on this thread. A hook on the thread finds it as it is
// activated (MessageBoxW gives no other way to it); its window procedure is then replaced by one
// that answers screen readers with the description. The box ends inside MessageBoxW, and so
// does this.
struct OpenBox {
    std::wstring description;
    HWND box = nullptr;
    WNDPROC procedure = nullptr; ///< the box's own
};
thread_local OpenBox* t_openBox = nullptr;
constexpr wchar_t openBoxProperty[] = L"VarnikCalculator.OpenBox";

LRESULT CALLBACK boxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto& open = *static_cast<const OpenBox*>(GetPropW(box, openBoxProperty));
    if (message == WM_GETOBJECT) {
        if (const auto answer = answerNamedGetObject(box, wParam, lParam, {}, open.description)) {
            return *answer;
        }
    } else if (message == WM_NCDESTROY) {
        RemovePropW(box, openBoxProperty);
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(open.procedure));
    }
    return CallWindowProcW(open.procedure, box, message, wParam, lParam);
}

bool isDialog(HWND window) {
    wchar_t name[8] = {};
    return GetClassNameW(window, name, 8) && std::wstring_view(name) == L"#32770";
}

LRESULT CALLBACK watchActivation(int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && t_openBox && !t_openBox->box && isDialog(window)) {
        t_openBox->box = window;
        SetPropW(window, openBoxProperty, t_openBox);
        t_openBox->procedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&boxProcedure)));
        NotifyWinEvent(EVENT_SYSTEM_ALERT, window, OBJID_CLIENT, CHILDID_SELF);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void showMessageBox(HWND owner, std::wstring_view title, std::wstring_view prompt,
                    std::wstring_view description) {
    const std::wstring caption(title);
    const std::wstring text(prompt);
    if (description.empty()) {
        MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK);
        return;
    }
    OpenBox open{std::wstring(description)};
    OpenBox* const outer = t_openBox;
    t_openBox = &open;
    HHOOK hook = SetWindowsHookExW(WH_CBT, &watchActivation, nullptr, GetCurrentThreadId());
    MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK);
    if (hook) {
        UnhookWindowsHookEx(hook);
    }
    t_openBox = outer;
}

} // namespace varnik::win32
