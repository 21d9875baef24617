// SPDX-License-Identifier: MIT
#include "event_recorder.h"

#include "json.h"
#include "window_reader.h"

#include <oleacc.h>

#include <algorithm>
#include <future>

namespace probe {

namespace {

EventRecorder* s_recorder = nullptr; // the one recorder, for the hook's callback

const char* eventName(DWORD event) {
    switch (event) {
    case EVENT_SYSTEM_ALERT:
        return "alert";
    case EVENT_OBJECT_NAMECHANGE:
        return "name";
    case EVENT_OBJECT_DESCRIPTIONCHANGE:
        return "description";
    default:
        return "value";
    }
}

std::string text(IAccessible* object, const VARIANT& child,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*)) {
    BSTR value = nullptr;
    if ((object->*property)(child, &value) != S_OK || !value) {
        SysFreeString(value);
        return "null";
    }
    const std::string json = quoted(std::wstring_view(value, SysStringLen(value)));
    SysFreeString(value);
    return json;
}

} // namespace

EventRecorder::EventRecorder() {
    s_recorder = this;
    std::promise<DWORD> started;
    std::future<DWORD> threadId = started.get_future();
    m_thread = std::thread([this, &started] {
        // The hooks' events come as messages to this thread.
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
        started.set_value(GetCurrentThreadId());
        listen();
    });
    m_threadId = threadId.get();
}

EventRecorder::~EventRecorder() {
    PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    m_thread.join();
    s_recorder = nullptr;
}

void EventRecorder::listen() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    constexpr DWORD flags = WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS;
    HWINEVENTHOOK alerts =
        SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, &heard, 0, 0, flags);
    HWINEVENTHOOK changes = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE,
                                            nullptr, &heard, 0, 0, flags);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    UnhookWinEvent(changes);
    UnhookWinEvent(alerts);
    CoUninitialize();
}

void CALLBACK EventRecorder::heard(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId,
                                   LONG childId, DWORD, DWORD milliseconds) {
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(objectId),
                                         static_cast<DWORD>(childId), &object, &child)) ||
        !object) {
        return; // gone already
    }
    VARIANT role;
    VariantInit(&role);
    object->get_accRole(child, &role);
    const std::string record =
        Object()
            .add("event", eventName(event))
            .add("class", quoted(classOf(window)))
            .add("role", static_cast<long long>(role.vt == VT_I4 ? role.lVal : -1))
            .add("name", text(object, child, &IAccessible::get_accName))
            .add("description", text(object, child, &IAccessible::get_accDescription))
            .add("value", text(object, child, &IAccessible::get_accValue))
            .str();
    VariantClear(&role);
    VariantClear(&child);
    object->Release();
    const std::lock_guard<std::mutex> lock(s_recorder->m_mutex);
    s_recorder->m_events.emplace_back(milliseconds, record);
}

std::string EventRecorder::take() {
    std::vector<std::pair<DWORD, std::string>> events;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        events.swap(m_events);
    }
    // Asking an object takes a round trip to its program, during which the next events are
    // heard: they may be recorded before the one that came first.
    std::stable_sort(events.begin(), events.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    Array list;
    for (const auto& event : events) {
        list.add(event.second);
    }
    return list.str();
}

} // namespace probe
