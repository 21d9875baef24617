// SPDX-License-Identifier: MIT
#include "key_script.h"

#include "key_symbols.h"

#include <stdexcept>

namespace varnik::test {

std::vector<Press> parseScript(const QString& script) {
    std::vector<Press> presses;
    for (QString word : script.split(' ', Qt::SkipEmptyParts)) {
        Keypad keypad = Keypad::CommandButton;
        if (word.size() > 1 && word.startsWith('s')) {
            keypad = Keypad::Skin;
            word.remove(0, 1);
        }
        if (const auto key = keyForSymbol(word.toStdString())) {
            presses.push_back({*key, keypad});
            continue;
        }
        for (const QChar c : word) { // a number: one press per digit or point
            const auto key = keyForSymbol(QString(c).toStdString());
            if (!key) {
                throw std::invalid_argument("not a key: " + word.toStdString());
            }
            presses.push_back({*key, keypad});
        }
    }
    return presses;
}

Calculator startedCalculator() {
    Calculator calculator;
    calculator.load();
    calculator.activate();
    return calculator;
}

KeyResult run(Calculator& calculator, const QString& script) {
    KeyResult last;
    for (const Press& press : parseScript(script)) {
        last = calculator.press(press.key, press.keypad);
    }
    return last;
}

QString flagsText(const CalculatorState& state) {
    return QStringList{state.pointFlag ? "t" : "f", state.appendFlag ? "y" : "n",
                       state.keypadFlag ? "yes" : "no"}
        .join(' ');
}

QString resultText(const KeyResult& result) {
    static const char* const failures[] = {"None", "NotANumber", "Overflow", "DivisionByZero",
                                           "InvalidOperation"};
    static const char* const reports[] = {"None", "MessageBox", "Silent", "ErrorReport"};
    if (!result.failed()) {
        return "ok";
    }
    return QString("%1/%2").arg(failures[static_cast<int>(result.failure)],
                                reports[static_cast<int>(result.report)]);
}

} // namespace varnik::test
