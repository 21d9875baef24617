// SPDX-License-Identifier: MIT
#include "random_script.h"

#include <random>
#include <string>
#include <vector>

namespace varnik::replay {

namespace {

class Draw {
public:
    explicit Draw(std::uint64_t seed) : m_random(seed) {}

    /// 0 to n-1.
    int below(int n) { return static_cast<int>(m_random() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    char digit() { return static_cast<char>('0' + below(10)); }

private:
    std::mt19937_64 m_random;
};

// A typed number: mostly short, now and then longer than the display holds, sometimes with a
// point somewhere in it.
std::string number(Draw& draw) {
    const int kind = draw.below(10);
    const int length = kind < 5   ? 1 + draw.below(3)
                       : kind < 8 ? 4 + draw.below(6)
                                  : 10 + draw.below(8);
    std::string digits;
    for (int i = 0; i < length; ++i) {
        digits += draw.digit();
    }
    if (draw.chance(30)) {
        digits.insert(static_cast<std::size_t>(draw.below(length + 1)), 1, '.');
    }
    return digits;
}

std::string nines(Draw& draw) {
    return std::string(static_cast<std::size_t>(9 + draw.below(7)), '9');
}

// Text on the clipboard: numbers in either digits, with a sign or an exponent, and text that is
// none (a letter in it, more than the 64 characters a paste takes, nothing at all).
std::string pastedText(Draw& draw) {
    std::string text = draw.chance(20) ? "-" : "";
    text += number(draw);
    if (draw.chance(25)) {
        text += std::string(draw.chance(50) ? "e+" : "e-") + std::to_string(draw.below(400));
    }
    switch (draw.below(10)) {
    case 0:
        return text + "x";
    case 1:
        return text + std::string(70, '7');
    case 2:
        return "";
    default:
        break;
    }
    if (draw.chance(50)) {
        // Bengali digits, U+09E6 + d, in UTF-8 (E0 A7 A6+d), written as %XX: node hands a
        // program's standard input over in pieces that may split a character.
        std::string bengali;
        for (const char c : text) {
            bengali += c >= '0' && c <= '9' ? "%E0%A7%A" + std::string(1, "6789ABCDEF"[c - '0'])
                                            : std::string(1, c);
        }
        return bengali;
    }
    return text;
}

std::vector<std::string> phrase(Draw& draw) {
    static const char* const operations[] = {"+", "-", "*", "/"};
    static const char* const memory[] = {"M+", "M-", "MR", "MC"};
    const int pick = draw.below(100);
    if (pick < 30) {
        return {number(draw)};
    }
    if (pick < 50) {
        return {operations[draw.below(4)]};
    }
    if (pick < 62) {
        return {"="};
    }
    if (pick < 67) {
        return {"C"};
    }
    if (pick < 75) {
        return {memory[draw.below(4)]};
    }
    if (pick < 80) {
        return {"<"};
    }
    if (pick < 86) {
        // Towards exponents and, a few times over, overflow.
        std::vector<std::string> words;
        for (int times = 1 + draw.below(4); times > 0; --times) {
            words.insert(words.end(), {"*", nines(draw), "="});
        }
        return words;
    }
    if (pick < 90) {
        return {"/", nines(draw), "="}; // towards tiny results
    }
    if (pick < 94) {
        return {"/", "0", "="}; // division by zero
    }
    if (pick < 96) {
        return {"C", "0", "/", "0", "="}; // zero by zero
    }
    if (pick < 98) {
        return {"v" + pastedText(draw)};
    }
    return {"=", "="};
}

long pressCount(const std::string& word) {
    // A word of digits and points is a press per character; anything else one press.
    return !word.empty() && word.find_first_not_of("0123456789.") == std::string::npos
               ? static_cast<long>(word.size())
               : 1;
}

} // namespace

void writeRandomScript(std::ostream& out, std::uint64_t seed, long presses) {
    Draw draw(seed);
    long written = 0;
    while (written < presses) {
        for (const std::string& word : phrase(draw)) {
            // The memory keys, Backspace and pasting have no key on the skin.
            const bool skinKey = word[0] != 'M' && word[0] != 'v' && word != "<";
            out << (skinKey && draw.chance(30) ? "s" : "") << word << '\n';
            written += pressCount(word);
        }
    }
}

} // namespace varnik::replay
