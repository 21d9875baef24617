// SPDX-License-Identifier: MIT
// A minimal JSON writer for the probe's answers: one object or array a line.
#pragma once

#include <string>
#include <string_view>

namespace probe {

/// A JSON string of UTF-16 text: every unit beyond ASCII as a \u escape, so the line is ASCII.
std::string quoted(std::wstring_view text);
std::string quoted(std::string_view ascii);

/// Builds {"key": value, ...}; values are JSON already.
class Object {
public:
    Object& add(std::string_view key, const std::string& json);
    Object& add(std::string_view key, const char* text) {
        return add(key, quoted(std::string_view(text)));
    }
    Object& add(std::string_view key, bool value) {
        return add(key, std::string(value ? "true" : "false"));
    }
    Object& add(std::string_view key, long long value) { return add(key, std::to_string(value)); }
    std::string str() const { return "{" + m_body + "}"; }

private:
    std::string m_body;
};

/// [a, b, ...] of values that are JSON already.
class Array {
public:
    Array& add(const std::string& json) {
        m_body += (m_body.empty() ? "" : ", ") + json;
        return *this;
    }
    std::string str() const { return "[" + m_body + "]"; }

private:
    std::string m_body;
};

} // namespace probe
