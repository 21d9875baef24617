// SPDX-License-Identifier: MIT
// The web first-paint benchmark's yardstick: the least a page of ours can show, one line of
// text in the display font, written by a program built and loaded as the calculator's is.
#include <emscripten/val.h>

int main() {
    using emscripten::val;
    val line = val::global("document").call<val>("getElementById", val("line"));
    line.set("textContent", val("1971.25"));
    return 0;
}
