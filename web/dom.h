// SPDX-License-Identifier: MIT
#pragma once

#include "window_colours.h"

#include <emscripten/val.h>
#include <string>
#include <string_view>

namespace varnik::web {

using emscripten::val;

/// The page's element with this id.
inline val byId(std::string_view id) {
    return val::global("document").call<val>("getElementById", std::string(id));
}

/// A function the page's event handlers call, bound in main.cpp.
inline val handler(const char* name) {
    return val::module_property(name);
}

inline void listen(val target, const char* event, const char* handlerName) {
    target.call<void>("addEventListener", std::string(event), handler(handlerName));
}

inline void setClass(val element, const char* name, bool on) {
    element["classList"].call<void>("toggle", std::string(name), on);
}

/// A colour of the scene as CSS writes it: "rgb(r,g,b)" for a colour of the tables, the
/// browser's system colour (which a high-contrast theme sets) for one the desktop chooses.
std::string cssColour(const SceneColour& colour);

inline std::string text(val value) {
    return value.isString() ? value.as<std::string>() : std::string();
}

} // namespace varnik::web
