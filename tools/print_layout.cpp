// SPDX-License-Identifier: MIT
// Prints the window's control tables as JSON, so that scripts (the asset generator, the
// end-to-end and soak tests, the screenshot tool) read the layout from the tables themselves.
// Usage: print_layout > layout.json
#include "control_tables.h"
#include "controls.h"
#include "units.h"

#include <iostream>
#include <sstream>
#include <string>

using namespace varnik;

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + '"';
}

std::string actionName(const Action& action) {
    if (const Shell* shell = std::get_if<Shell>(&action)) {
        static const char* const names[] = {"About", "Quit", "Link"};
        return names[static_cast<int>(*shell)];
    }
    static const char* const names[] = {
        "1",     "2", "3", "4", "5", "6", "7",  "8",  "9",  "0",  ".",
        "Clear", "+", "-", "*", "/", "=", "M+", "M-", "MR", "MC",
    };
    return names[static_cast<int>(std::get<Key>(action))];
}

// "twips": [left, top, width, height], "pixels": the same at 96 dpi.
std::string rectangles(const Twips& t) {
    const PixelRect p = toPixels(t);
    return "\"twips\": [" + std::to_string(t.left) + ", " + std::to_string(t.top) + ", " +
           std::to_string(t.width) + ", " + std::to_string(t.height) + "], \"pixels\": [" +
           std::to_string(p.left) + ", " + std::to_string(p.top) + ", " + std::to_string(p.width) +
           ", " + std::to_string(p.height) + "]";
}

// A colour as CSS and the web's manifests write it: "#rrggbb".
std::string colour(BgrColour bgr) {
    static const char digits[] = "0123456789abcdef";
    std::string out = "\"#";
    for (const int part : {red(bgr), green(bgr), blue(bgr)}) {
        out += digits[part >> 4];
        out += digits[part & 15];
    }
    return out + '"';
}

std::string font(const FontRow& row) {
    std::ostringstream out;
    out << "{\"family\": " << quoted(row.family) << ", \"points\": " << row.points
        << ", \"bold\": " << (row.bold ? "true" : "false") << "}";
    return out.str();
}

} // namespace

int main() {
    std::cout << "{\n  \"caption\": " << quoted(windowCaption) << ",\n  \"client\": "
              << "{" << rectangles({0, 0, clientWidth, clientHeight})
              << ", \"background\": " << colour(windowBackground) << "},\n";
    std::cout << "  \"display\": {" << rectangles(displayGeometry)
              << ", \"background\": " << colour(displayBackground)
              << ", \"textColour\": " << colour(displayTextColour)
              << ", \"font\": " << font(displayFont) << "},\n";
    std::cout << "  \"link\": {\"caption\": " << quoted(linkCaption)
              << ", \"target\": " << quoted(linkTarget) << ", " << rectangles(linkGeometry)
              << ", \"restColour\": " << colour(linkRestColour) << ", \"font\": " << font(linkFont)
              << "},\n";
    std::cout << "  \"focusMarkInset\": " << focusMarkInset << ",\n";
    std::cout << "  \"skinKeys\": [\n";
    for (std::size_t key = 0; key < skinKeyCount; ++key) {
        const SkinPart& skin = skinKey(key);
        std::cout << "    {\"name\": " << quoted(skin.accessibleName)
                  << ", \"action\": " << quoted(actionName(skinAction(key)))
                  << ", \"normalImage\": " << normalImage(key)
                  << ", \"highlightImage\": " << highlightImage(key) << ", "
                  << rectangles(skin.geometry) << "}" << (key + 1 < skinKeyCount ? "," : "")
                  << "\n";
    }
    std::cout << "  ],\n  \"commandButtons\": [\n";
    for (std::size_t i = 0; i < commandButtonCount; ++i) {
        const std::size_t b = tabOrder()[i];
        const ButtonPart& button = commandButton(b);
        std::cout << "    {\"name\": " << quoted(button.name)
                  << ", \"caption\": " << quoted(button.caption)
                  << ", \"accessibleName\": " << quoted(buttonAccessibleName(b))
                  << ", \"action\": " << quoted(actionName(buttonAction(b)))
                  << ", \"tabIndex\": " << button.tabIndex << ", " << rectangles(button.geometry)
                  << "}" << (i + 1 < commandButtonCount ? "," : "") << "\n";
    }
    std::cout << "  ]\n}\n";
    return std::cout ? 0 : 1;
}
