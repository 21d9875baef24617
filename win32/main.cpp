// SPDX-License-Identifier: MIT
#include "calculator.h"
#include "handles.h"
#include "main_window.h"
#include "resource_ids.h"
#include "user_language.h"
#include "win32_platform.h"

#include <windows.h>

namespace {

// The display font, from the program's own resources, for this process only.
varnik::win32::FontResource loadDisplayFont(HINSTANCE instance) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(VARNIK_IDR_DISPLAY_FONT),
                                MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        return nullptr;
    }
    DWORD added = 0;
    return varnik::win32::FontResource(
        AddFontMemResourceEx(bytes, SizeofResource(instance, found), nullptr, &added));
}

// Keys typed on the window go to the model first; what it leaves keeps the dialog manager's
// meaning (Tab, Shift+Tab, the space bar on the focused button).
int runMessageLoop(varnik::win32::MainWindow& window) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.takeKey(message) || IsDialogMessageW(window.handle(), &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const varnik::win32::FontResource displayFont = loadDisplayFont(instance);
    varnik::Calculator calculator;
    varnik::win32::Win32Platform platform;
    int status = 1;
    {
        varnik::win32::MainWindow window(instance, calculator, platform,
                                         varnik::win32::userMessages());
        if (window.create()) {
            status = runMessageLoop(window);
        }
    }
    return status;
}
