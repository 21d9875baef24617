// SPDX-License-Identifier: MIT
#include "system_colours.h"

#include "contrast.h"
#include "qt_units.h"

#include <QGuiApplication>
#include <QPalette>

namespace varnik {

namespace {

QPalette::ColorRole roleOf(SystemColour colour) {
    switch (colour) {
    case SystemColour::Window:
        return QPalette::Window;
    case SystemColour::Field:
        return QPalette::Base;
    case SystemColour::FieldText:
        return QPalette::Text;
    case SystemColour::Link:
        return QPalette::Link;
    case SystemColour::Highlight:
        return QPalette::Highlight;
    case SystemColour::HighlightText:
        return QPalette::HighlightedText;
    }
    return QPalette::WindowText;
}

BgrColour bgrOf(const QColor& colour) {
    return static_cast<BgrColour>(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

} // namespace

QColor toQColor(const SceneColour& colour) {
    return colour.system ? QGuiApplication::palette().color(roleOf(*colour.system))
                         : toQColor(colour.design);
}

bool isHighContrastPalette(const QPalette& palette) {
    const auto role = [&palette](QPalette::ColorRole r) { return bgrOf(palette.color(r)); };
    return isHighContrastScheme({role(QPalette::Window), role(QPalette::WindowText),
                                 role(QPalette::Base), role(QPalette::Text),
                                 role(QPalette::Highlight), role(QPalette::HighlightedText)});
}

} // namespace varnik
