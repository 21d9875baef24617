// SPDX-License-Identifier: MIT
#include "key_script.h"

#include <QHash>
#include <stdexcept>

namespace varnik::test {

namespace {

const QHash<QString, Key>& wordKeys() {
    static const QHash<QString, Key> keys{
        {"+", Key::Add},          {"-", Key::Subtract},        {"*", Key::Multiply},
        {"/", Key::Divide},       {"=", Key::Equals},          {"C", Key::Clear},
        {"M+", Key::MemoryAdd},   {"M-", Key::MemorySubtract}, {"MR", Key::MemoryRecall},
        {"MC", Key::MemoryClear},
    };
    return keys;
}

Key characterKey(QChar c) {
    if (c == '.') {
        return Key::Point;
    }
    if (c == '0') {
        return Key::Zero;
    }
    if (c >= '1' && c <= '9') {
        return static_cast<Key>(static_cast<int>(Key::One) + (c.unicode() - '1'));
    }
    throw std::invalid_argument("not a key: " + QString(c).toStdString());
}

} // namespace

std::vector<Press> parseScript(const QString& script) {
    std::vector<Press> presses;
    for (QString word : script.split(' ', Qt::SkipEmptyParts)) {
        Keypad keypad = Keypad::CommandButton;
        if (word.size() > 1 && word.startsWith('s')) {
            keypad = Keypad::Skin;
            word.remove(0, 1);
        }
        if (const auto it = wordKeys().find(word); it != wordKeys().end()) {
            presses.push_back({*it, keypad});
            continue;
        }
        for (const QChar c : word) {
            presses.push_back({characterKey(c), keypad});
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
