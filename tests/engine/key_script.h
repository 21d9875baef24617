// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace varnik::test {

struct Press {
    Key key;
    Keypad keypad;
};

/// Turns a compact key script into presses. Words are separated by spaces; a word of digits
/// and points is one press per character; "+ - * / = C", "M+ M- MR MC" and "<" (Backspace) are one
/// press each. A word starting with "s" is pressed on the skin, any other on the command buttons:
/// "12 + s3 s=" is 1, 2, + on the buttons, then 3 and = on the skin.
std::vector<Press> parseScript(const QString& script);

/// The calculator right after start-up (load, then activation).
Calculator startedCalculator();

/// Presses every key of a script; returns the result of the last press.
KeyResult run(Calculator& calculator, const QString& script);

/// The flags in the program's own literals: pointFlag "t"/"f", appendFlag "y"/"n",
/// keypadFlag "yes"/"no", e.g. "f y no".
QString flagsText(const CalculatorState& state);

/// "ok", or the failure and how it is reported, e.g. "NotANumber/ErrorReport".
QString resultText(const KeyResult& result);

} // namespace varnik::test
