// SPDX-License-Identifier: MIT
// The window model from start-up, driven by a user made of bytes: typed keys of every kind,
// pastes of hostile text, copy-then-paste, the pointer, the buttons, focus moves, menus,
// screen readers and a platform that answers late. After every input the window keeps its
// promises (InputPlayer::brokenPromise).
#include "window_inputs.h"

#include <cstdio>
#include <cstdlib>

using namespace varnik::test;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartedWindow window;
    InputPlayer player(window);
    for (std::size_t at = 0; at < size;) {
        at += player.playOne(data + at, size - at);
        const std::string broken = player.brokenPromise();
        if (!broken.empty()) {
            std::fprintf(stderr, "%s after %s at byte %zu (display \"%s\")\n", broken.c_str(),
                         player.lastInput().c_str(), at, window.view.display.c_str());
            std::abort();
        }
    }
    return 0;
}
