// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace probe {

/// Listens, as a screen reader does, for the WinEvents that carry a text to speak (alerts, and
/// name, description and value changes) from every other process, and asks each event's object
/// at once what it says. Runs its own thread, whose message loop the events need.
class EventRecorder {
public:
    EventRecorder();
    ~EventRecorder();
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    /// The events heard since the last call, in the order they happened, as a JSON array of
    /// {"event", "class", "role", "name", "description", "value"}. The texts are what the
    /// object said when asked, which may be later than the event, as for any screen reader.
    std::string take();

private:
    static void CALLBACK heard(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId,
                               LONG childId, DWORD thread, DWORD milliseconds);
    void listen();

    std::mutex m_mutex;
    std::vector<std::pair<DWORD, std::string>> m_events; ///< with the events' times
    DWORD m_threadId = 0;
    std::thread m_thread;
};

} // namespace probe
