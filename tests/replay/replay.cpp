// SPDX-License-Identifier: MIT
// Replays a key script on the engine and prints its whole state after every key, so that two
// builds of the engine (Linux and Windows, two C++ runtimes) can be compared byte for byte.
//
//   replay < script              one line per press: "<key> <state>"
//   replay --random SEED PRESSES writes a random script of at least PRESSES presses
//
// A script holds words separated by blanks: key symbols ("7", ".", "+", "=", "C", "M+", "<" ...),
// a word of digits and points being one press per character; an "s" in front presses on the
// skin ("s7", "s="), anything else on the command buttons. A "v" pastes the rest of the word,
// with %XX for a byte in hex ("v-1.5e3"; "v%E0%A7%A7" is the Bengali one; "v" pastes nothing).
#include "key_symbols.h"
#include "random_script.h"
#include "state_line.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

using namespace varnik;

namespace {

// "%E0%A7%A7" as the three bytes it writes.
std::string percentDecoded(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool hex = i + 2 < text.size() &&
                         std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
                         std::isxdigit(static_cast<unsigned char>(text[i + 2]));
        if (text[i] == '%' && hex) {
            bytes += static_cast<char>(std::strtol(text.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

int usage() {
    std::cerr << "usage: replay < script | replay --random SEED PRESSES\n";
    return 2;
}

bool isDigitWord(const std::string& word) {
    return !word.empty() && word.find_first_not_of("0123456789.") == std::string::npos;
}

void press(Calculator& calculator, Key key, Keypad keypad, const std::string& symbol) {
    const KeyResult result = calculator.press(key, keypad);
    std::cout << (keypad == Keypad::Skin ? "s" : "") << symbol << ' '
              << replay::stateLine(calculator.state(), result) << '\n';
}

int replayScript() {
    Calculator calculator;
    calculator.load();
    calculator.activate();
    std::cout << "start " << replay::stateLine(calculator.state(), {}) << '\n';
    std::string word;
    long words = 0;
    while (std::cin >> word) {
        ++words;
        if (word[0] == 'v') {
            const KeyResult result = calculator.paste(percentDecoded(word.substr(1)));
            std::cout << word << ' ' << replay::stateLine(calculator.state(), result) << '\n';
            continue;
        }
        const bool skin = word.size() > 1 && word[0] == 's';
        const std::string symbols = skin ? word.substr(1) : word;
        const Keypad keypad = skin ? Keypad::Skin : Keypad::CommandButton;
        if (isDigitWord(symbols)) {
            for (const char c : symbols) {
                press(calculator, *test::keyForSymbol(std::string(1, c)), keypad,
                      std::string(1, c));
            }
        } else if (const auto key = test::keyForSymbol(symbols)) {
            press(calculator, *key, keypad, symbols);
        } else {
            std::cerr << "replay: word " << words << ": unknown key \"" << word << "\"\n";
            return 2;
        }
    }
    return std::cout.flush() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
#ifdef _WIN32
    // Lines end in "\n" on both systems, or the outputs would differ in every line.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    if (argc == 1) {
        return replayScript();
    }
    if (argc == 4 && std::string(argv[1]) == "--random") {
        char* end = nullptr;
        const unsigned long long seed = std::strtoull(argv[2], &end, 10);
        const long presses = std::strtol(argv[3], nullptr, 10);
        if (*end != '\0' || presses <= 0) {
            return usage();
        }
        replay::writeRandomScript(std::cout, seed, presses);
        return std::cout.flush() ? 0 : 1;
    }
    return usage();
}
