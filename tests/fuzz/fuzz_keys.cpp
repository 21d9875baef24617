// SPDX-License-Identifier: MIT
// Key sequences on the engine from start-up: after every press the invariants of the randomized
// test hold. The input is read like the key scripts of the engine tests, without spaces:
// "0"-"9", ".", "+", "-", "*", "/", "=", "C", "M+", "M-", "MR", "MC", "<"; "s" in front of a key
// presses it on the skin. Other bytes are skipped, so the seeds stay readable.
#include "calculator.h"
#include "engine_invariants.h"
#include "key_symbols.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

using namespace varnik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Calculator calculator;
    calculator.load();
    calculator.activate();
    std::string pressed; // the keys so far, for the report
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t token = i;
        Keypad keypad = Keypad::CommandButton;
        if (data[i] == 's' && i + 1 < size) {
            keypad = Keypad::Skin;
            ++i;
        }
        const auto symbol = [data](std::size_t at, std::size_t length) {
            return test::keyForSymbol({reinterpret_cast<const char*>(data + at), length});
        };
        std::optional<Key> key;
        if (i + 1 < size && symbol(i, 2)) { // the memory keys "M+", "M-", "MR", "MC"
            key = symbol(i, 2);
            ++i;
        } else {
            key = symbol(i, 1);
        }
        if (!key) {
            continue;
        }
        const KeyResult result = calculator.press(*key, keypad);
        pressed += ' ';
        pressed.append(data + token, data + i + 1);
        const std::string broken = test::brokenInvariant(calculator.state(), result);
        if (!broken.empty()) {
            std::fprintf(stderr, "%s after the keys%s (display \"%s\")\n", broken.c_str(),
                         pressed.c_str(), calculator.state().txtnum.c_str());
            std::abort();
        }
    }
    return 0;
}
