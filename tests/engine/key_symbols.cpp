// SPDX-License-Identifier: MIT
#include "key_symbols.h"

namespace varnik::test {

std::optional<Key> keyForSymbol(std::string_view symbol) {
    if (symbol.size() == 1 && symbol[0] >= '1' && symbol[0] <= '9') {
        return static_cast<Key>(static_cast<int>(Key::One) + (symbol[0] - '1'));
    }
    struct Symbol {
        std::string_view text;
        Key key;
    };
    static constexpr Symbol symbols[] = {
        {"0", Key::Zero},          {".", Key::Point},
        {"+", Key::Add},           {"-", Key::Subtract},
        {"*", Key::Multiply},      {"/", Key::Divide},
        {"=", Key::Equals},        {"C", Key::Clear},
        {"M+", Key::MemoryAdd},    {"M-", Key::MemorySubtract},
        {"MR", Key::MemoryRecall}, {"MC", Key::MemoryClear},
        {"<", Key::Backspace},
    };
    for (const Symbol& entry : symbols) {
        if (entry.text == symbol) {
            return entry.key;
        }
    }
    return std::nullopt;
}

} // namespace varnik::test
