// SPDX-License-Identifier: MIT
#include "json.h"

#include <cstdio>

namespace probe {

namespace {

template <typename Unit> std::string quote(const Unit* text, std::size_t size) {
    std::string out = "\"";
    for (std::size_t i = 0; i < size; ++i) {
        const auto unit = static_cast<unsigned>(text[i]) & (sizeof(Unit) == 1 ? 0xFFu : 0xFFFFu);
        if (unit == '"' || unit == '\\') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit >= 0x20 && unit < 0x7F) {
            out += static_cast<char>(unit);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", unit);
            out += escape;
        }
    }
    return out + "\"";
}

} // namespace

std::string quoted(std::wstring_view text) {
    return quote(text.data(), text.size());
}

std::string quoted(std::string_view ascii) {
    return quote(ascii.data(), ascii.size());
}

Object& Object::add(std::string_view key, const std::string& json) {
    if (!m_body.empty()) {
        m_body += ", ";
    }
    m_body += quoted(key) + ": " + json;
    return *this;
}

} // namespace probe
