// SPDX-License-Identifier: MIT
// The Wine tests' eyes: runs under Wine beside the calculator and reads what a person sees in
// it through public Win32 calls only. One command a line on standard input, one JSON answer a
// line on standard output.
//
// Usage: probe.exe TITLE
//   window                     the main window: {"hwnd", "pid", "client"} or null
//   controls                   its child controls in Tab order
//   focus                      the focused control and the active window
//   box                        the open message box with the title, or null
//   clipboard                  the clipboard's text, or null
//   setclipboard TEXT          puts TEXT (UTF-8) on the clipboard
//   watch X Y MILLISECONDS     answers "ready", then the colours the screen pixel showed, each
//                              with when it appeared
//   closebox                   the screen point of the main window's close box
//   menu                       where the open pop-up menu stands, or null
//   accessible                 the client area's accessible children
//   press NAME                 the default action of the accessible child NAME
//   navigate                   the accessible children as accNavigate walks them both ways
//   hittest X Y                the accessible child at screen point (X, Y)
//   highcontrast on|off        switches the desktop's high-contrast setting and colours
//   events                     the alerts, name, description and value changes heard since the
//                              last time, with what their objects said (the first time: []; from
//                              then on it listens)
//   uiaroot                    asks the main window for its UI Automation provider, as a UI
//                              Automation client does: whether it answered
//   quit
#include "accessible_reader.h"
#include "desktop_reader.h"
#include "event_recorder.h"
#include "json.h"
#include "window_reader.h"

#include <fcntl.h>
#include <io.h>
#include <objbase.h>

#include <iostream>
#include <optional>
#include <sstream>
#include <string>

namespace {

std::wstring fromUtf8(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

void answer(const std::string& json) {
    std::cout << json << '\n' << std::flush;
}

// The rest of the line after the command word and one blank.
std::string argument(const std::string& line, const std::string& command) {
    return line.size() > command.size() + 1 ? line.substr(command.size() + 1) : "";
}

std::string windowAnswer(HWND window, std::string (*describe)(HWND)) {
    return window ? describe(window) : "null";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: probe.exe TITLE\n";
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);
    // Screen pixels as they are, at any density.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::wstring title = fromUtf8(argv[1]);
    std::optional<probe::EventRecorder> events; // from the first "events" on
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::istringstream words(line);
        std::string command;
        words >> command;
        HWND window = probe::findMainWindow(title);
        if (command == "window") {
            answer(windowAnswer(window, probe::describeWindow));
        } else if (command == "controls") {
            answer(windowAnswer(window, probe::describeControls));
        } else if (command == "focus") {
            answer(windowAnswer(window, probe::describeFocus));
        } else if (command == "box") {
            answer(windowAnswer(probe::findMessageBox(title), probe::describeBox));
        } else if (command == "clipboard") {
            answer(probe::clipboardText());
        } else if (command == "setclipboard") {
            answer(probe::setClipboardText(fromUtf8(argument(line, command))) ? "true" : "false");
        } else if (command == "watch") {
            int x = 0, y = 0, milliseconds = 0;
            words >> x >> y >> milliseconds;
            probe::PixelWatch watch(x, y);
            answer("\"ready\"");
            answer(watch.run(milliseconds));
        } else if (command == "closebox") {
            answer(windowAnswer(window, probe::findCloseBox));
        } else if (command == "menu") {
            answer(probe::describePopUpMenu());
        } else if (command == "accessible") {
            answer(windowAnswer(window, probe::describeAccessible));
        } else if (command == "press") {
            const std::wstring name = fromUtf8(argument(line, command));
            answer(window ? probe::pressAccessible(window, name) : "null");
        } else if (command == "navigate") {
            answer(window ? probe::navigateAccessible(window) : "null");
        } else if (command == "hittest") {
            long x = 0, y = 0;
            words >> x >> y;
            answer(window ? probe::hitTestAccessible(window, x, y) : "null");
        } else if (command == "highcontrast") {
            answer(probe::setHighContrast(argument(line, command) == "on"));
        } else if (command == "events") {
            if (!events) {
                events.emplace();
            }
            answer(events->take());
        } else if (command == "uiaroot") {
            constexpr LPARAM uiaRootObjectId = -25;
            DWORD_PTR result = 0;
            answer(window &&
                           SendMessageTimeoutW(window, WM_GETOBJECT, 0, uiaRootObjectId,
                                               SMTO_ABORTIFHUNG, 2000, &result) &&
                           result
                       ? "true"
                       : "false");
        } else if (command == "quit") {
            break;
        } else {
            answer(probe::Object().add("error", "unknown command").str());
        }
    }
    CoUninitialize();
    return 0;
}
