// SPDX-License-Identifier: MIT
#include "window_reader.h"

#include "json.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace probe {

namespace {

constexpr UINT answerMilliseconds = 2000;

struct Search {
    std::wstring title;
    bool dialog;
    HWND found = nullptr;
};

BOOL CALLBACK matchTopLevel(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    if (IsWindowVisible(window) && (classOf(window) == L"#32770") == search->dialog &&
        textOf(window) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND findTopLevel(const std::wstring& title, bool dialog) {
    Search search{title, dialog};
    EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> children(HWND window) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        found.push_back(child);
    }
    return found;
}

std::string rectangle(long x, long y, long width, long height) {
    return Array()
        .add(std::to_string(x))
        .add(std::to_string(y))
        .add(std::to_string(width))
        .add(std::to_string(height))
        .str();
}

} // namespace

std::wstring textOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, answerMilliseconds,
                             &length)) {
        return L"";
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, answerMilliseconds, &copied)) {
        return L"";
    }
    text.resize(copied);
    return text;
}

std::wstring classOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

HWND findMainWindow(const std::wstring& title) {
    return findTopLevel(title, false);
}

HWND findMessageBox(const std::wstring& title) {
    return findTopLevel(title, true);
}

std::string describeWindow(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return Object()
        .add("hwnd", static_cast<long long>(reinterpret_cast<INT_PTR>(window)))
        .add("pid", static_cast<long long>(pid))
        .add("client", rectangle(origin.x, origin.y, client.right, client.bottom))
        .str();
}

std::string describeControls(HWND window) {
    Array list;
    for (HWND child : children(window)) {
        RECT at{};
        GetWindowRect(child, &at);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&at), 2);
        list.add(
            Object()
                .add("class", quoted(classOf(child)))
                .add("text", quoted(textOf(child)))
                .add("enabled", IsWindowEnabled(child) != FALSE)
                .add("visible", IsWindowVisible(child) != FALSE)
                .add("rect", rectangle(at.left, at.top, at.right - at.left, at.bottom - at.top))
                .str());
    }
    return list.str();
}

std::string describeFocus(HWND window) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread)) {
        return Object().add("error", "GetGUIThreadInfo failed").str();
    }
    Object answer;
    if (thread.hwndFocus) {
        answer.add("focus", quoted(textOf(thread.hwndFocus)))
            .add("class", quoted(classOf(thread.hwndFocus)));
    } else {
        answer.add("focus", std::string("null"));
    }
    answer.add("active", thread.hwndActive ? quoted(textOf(thread.hwndActive)) : "null");
    return answer.str();
}

std::string describeBox(HWND box) {
    Array texts;
    Array buttons;
    for (HWND child : children(box)) {
        const std::wstring kind = classOf(child);
        if (_wcsicmp(kind.c_str(), L"Static") == 0) {
            texts.add(quoted(textOf(child)));
        } else if (_wcsicmp(kind.c_str(), L"Button") == 0 && IsWindowVisible(child)) {
            buttons.add(quoted(textOf(child)));
        }
    }
    return Object()
        .add("title", quoted(textOf(box)))
        .add("texts", texts.str())
        .add("buttons", buttons.str())
        .str();
}

std::string findCloseBox(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    // The close box lies in the title bar, between the frame's top and the client area.
    long left = LONG_MAX, right = LONG_MIN, top = LONG_MAX, bottom = LONG_MIN;
    for (long y = frame.top; y < origin.y; ++y) {
        for (long x = frame.left; x < frame.right; ++x) {
            DWORD_PTR hit = HTNOWHERE;
            SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG,
                                answerMilliseconds, &hit);
            if (hit == HTCLOSE) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (left > right) {
        return "null";
    }
    return Array()
        .add(std::to_string((left + right) / 2))
        .add(std::to_string((top + bottom) / 2))
        .str();
}

std::string describePopUpMenu() {
    // Another process's menu items cannot be read under Wine (its menus live in the process
    // that made them): only where the menu stands.
    const HWND popUp = FindWindowW(L"#32768", nullptr);
    if (!popUp || !IsWindowVisible(popUp)) {
        return "null";
    }
    RECT at{};
    GetWindowRect(popUp, &at);
    return Object()
        .add("rect", rectangle(at.left, at.top, at.right - at.left, at.bottom - at.top))
        .str();
}

} // namespace probe
