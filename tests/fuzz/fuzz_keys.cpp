// SPDX-License-Identifier: MIT
// Key sequences on the engine from start-up: after every press the invariants of the randomized
// test hold. The input is read like the key scripts of the engine tests, without spaces:
// "0"-"9", ".", "+", "-", "*", "/", "=", "C", "M+", "M-", "MR", "MC"; "s" in front of a key
// presses it on the skin. Other bytes are skipped, so the seeds stay readable.
#include "calculator.h"
#include "engine_invariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

using namespace varnik;

namespace {

std::optional<Key> characterKey(std::uint8_t c) {
    if (c >= '1' && c <= '9') {
        return static_cast<Key>(static_cast<int>(Key::One) + (c - '1'));
    }
    switch (c) {
    case '0':
        return Key::Zero;
    case '.':
        return Key::Point;
    case 'C':
        return Key::Clear;
    case '+':
        return Key::Add;
    case '-':
        return Key::Subtract;
    case '*':
        return Key::Multiply;
    case '/':
        return Key::Divide;
    case '=':
        return Key::Equals;
    }
    return std::nullopt;
}

std::optional<Key> memoryKey(std::uint8_t c) {
    switch (c) {
    case '+':
        return Key::MemoryAdd;
    case '-':
        return Key::MemorySubtract;
    case 'R':
        return Key::MemoryRecall;
    case 'C':
        return Key::MemoryClear;
    }
    return std::nullopt;
}

} // namespace

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
        std::optional<Key> key;
        if (data[i] == 'M' && i + 1 < size && memoryKey(data[i + 1])) {
            key = memoryKey(data[++i]);
        } else {
            key = characterKey(data[i]);
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
