// SPDX-License-Identifier: MIT
#include "calculator.h"

#include <algorithm>
#include <cmath>

namespace varnik {

namespace {

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// The failure of a key that has no trap of its own.
KeyResult untrapped(Failure failure) {
    return {failure, Report::ErrorReport};
}

// The result of an arithmetic step; operands are always finite, so a non-finite result is
// an overflow.
Failure checkResult(double result) {
    return std::isfinite(result) ? Failure::None : Failure::Overflow;
}

} // namespace

std::string_view operationCaption(Operation operation) {
    switch (operation) {
    case Operation::None:
        return "";
    case Operation::Cleared:
        return " ";
    case Operation::Addition:
        return "Addition";
    case Operation::Subtraction:
        return "Subtraction";
    case Operation::Multiplication:
        return "Multiplication";
    case Operation::Division:
        return "Division";
    }
    return "";
}

void Calculator::load() {
    writeDisplay(" ");
    m_state.pointFlag = false;
    m_state.appendFlag = true;
    m_state.memoryValue = 0;
}

void Calculator::activate() {
    m_state.keypadFlag = false;
}

KeyResult Calculator::press(Key key, Keypad keypad) {
    const bool skin = keypad == Keypad::Skin;
    switch (key) {
    case Key::One:
    case Key::Two:
    case Key::Three:
    case Key::Four:
    case Key::Five:
    case Key::Six:
    case Key::Seven:
    case Key::Eight:
    case Key::Nine:
        if (skin) {
            m_state.keypadFlag = true;
        }
        enterDigit(static_cast<char>('1' + (static_cast<int>(key) - static_cast<int>(Key::One))));
        return {};
    case Key::Zero:
        enterZero();
        return {};
    case Key::Point:
        // A disabled button ignores clicks; the skin key is stopped by the point state alone.
        if (skin || m_state.cmdpointEnabled()) {
            enterPoint();
        }
        return {};
    case Key::Clear:
        if (skin) {
            m_state.keypadFlag = false;
        }
        clear();
        return {};
    case Key::Add:
        return operationKey(Operation::Addition, &CalculatorState::addOperand, keypad);
    case Key::Subtract:
        return operationKey(Operation::Subtraction, &CalculatorState::subtractOperand, keypad);
    case Key::Multiply:
        return operationKey(Operation::Multiplication, &CalculatorState::multiplyOperand, keypad);
    case Key::Divide:
        return operationKey(Operation::Division, &CalculatorState::divideOperand, keypad);
    case Key::Equals:
        return ComputeResult(keypad);
    case Key::MemoryAdd:
        return changeMemory(true);
    case Key::MemorySubtract:
        return changeMemory(false);
    case Key::MemoryRecall:
        recallMemory();
        return {};
    case Key::MemoryClear:
        m_state.memoryValue = 0;
        return {};
    case Key::Backspace:
        removeLastCharacter();
        return {};
    }
    return {};
}

KeyResult Calculator::paste(std::string_view text) {
    const auto shown = pastedDisplayText(text);
    if (!shown) {
        return untrapped(Failure::NotANumber);
    }
    writeDisplay(*shown);
    m_state.appendFlag = true;
    m_state.pointFlag = m_state.txtnum.find_first_of(".e") != std::string::npos;
    return {};
}

void Calculator::enterDigit(char digit) {
    if (!m_state.appendFlag) {
        beginEntry(std::string(1, digit));
    } else {
        writeDisplay(m_state.txtnum + digit);
    }
}

void Calculator::enterZero() {
    if (isBlank(m_state.txtnum)) {
        writeDisplay(""); // a number never begins with a zero typed on a blank display
    } else if (!m_state.appendFlag) {
        beginEntry("0");
    } else {
        writeDisplay(m_state.txtnum + '0');
    }
}

void Calculator::enterPoint() {
    if (!m_state.appendFlag) {
        beginEntry(".");
        m_state.pointFlag = true;
        return;
    }
    if (m_state.pointFlag || m_state.txtnum.size() >= displayLimit) {
        return;
    }
    // A result may already hold a point or an exponent: another "." would make it no number.
    if (m_state.txtnum.find_first_of(".eE") == std::string::npos) {
        writeDisplay(m_state.txtnum + '.');
    }
    m_state.pointFlag = true;
}

void Calculator::clear() {
    writeDisplay("");
    m_state.pendingOperation = Operation::Cleared;
    resetPoint();
}

KeyResult Calculator::operationKey(Operation operation, double CalculatorState::*operand,
                                   Keypad keypad) {
    if (keypad == Keypad::Skin && !m_state.keypadFlag) {
        return {};
    }
    m_state.appendFlag = false;
    m_state.pendingOperation = operation;
    // The next key begins a new number, so the point is free again, even if the display
    // turns out to hold no number.
    resetPoint();
    const auto value = parseNumber(m_state.txtnum);
    if (!value) {
        return untrapped(Failure::NotANumber);
    }
    m_state.*operand = *value;
    return {};
}

KeyResult Calculator::ComputeResult(Keypad keypad) {
    const auto trap = [keypad](Failure failure) {
        return KeyResult{failure, keypad == Keypad::Skin ? Report::Silent : Report::MessageBox};
    };
    const auto value = parseNumber(m_state.txtnum);
    if (!value) {
        return trap(Failure::NotANumber);
    }
    CalculatorState& s = m_state;
    s.entryValue = *value;
    double result = 0;
    switch (s.pendingOperation) {
    case Operation::None:
    case Operation::Cleared:
        resetPoint(); // no pending operation: the display keeps its text
        return {};
    case Operation::Addition:
        result = s.entryValue + s.addOperand;
        break;
    case Operation::Subtraction:
        result = s.subtractOperand - s.entryValue;
        break;
    case Operation::Multiplication:
        result = s.entryValue * s.multiplyOperand;
        break;
    case Operation::Division:
        if (s.entryValue == 0) {
            return trap(s.divideOperand == 0 ? Failure::InvalidOperation : Failure::DivisionByZero);
        }
        result = s.divideOperand / s.entryValue;
        break;
    }
    if (const Failure failure = checkResult(result); failure != Failure::None) {
        return trap(failure);
    }
    writeDisplay(formatNumber(result));
    resetPoint();
    return {};
}

KeyResult Calculator::changeMemory(bool add) {
    // Ends the number being typed: the next key begins a new one, with the point free again.
    m_state.appendFlag = false;
    resetPoint();
    const auto value = parseNumber(m_state.txtnum);
    if (!value) {
        return untrapped(Failure::NotANumber);
    }
    const double result = add ? *value + m_state.memoryValue : m_state.memoryValue - *value;
    if (const Failure failure = checkResult(result); failure != Failure::None) {
        return untrapped(failure); // the register keeps its value
    }
    m_state.memoryValue = result;
    return {};
}

void Calculator::recallMemory() {
    writeDisplay(formatNumber(m_state.memoryValue));
}

// Only a number being typed: digits appending after an optional leading blank, digits and at
// most one point. A result, a sign or an exponent are left alone.
void Calculator::removeLastCharacter() {
    const std::string& text = m_state.txtnum;
    const std::size_t typed = !text.empty() && text.front() == ' ' ? 1 : 0;
    if (!m_state.appendFlag || text.size() <= typed ||
        text.find_first_not_of("0123456789.", typed) != std::string::npos ||
        std::count(text.begin(), text.end(), '.') > 1) {
        return;
    }
    if (text.back() == '.') {
        m_state.pointFlag = false;
    }
    writeDisplay(text.substr(0, text.size() - 1));
}

void Calculator::writeDisplay(std::string_view text) {
    m_state.txtnum = std::string(text.substr(0, displayLimit));
}

// A digit, zero or point that begins a new number: the new number has no point yet.
void Calculator::beginEntry(std::string_view text) {
    writeDisplay(text);
    m_state.appendFlag = true;
    resetPoint();
}

void Calculator::resetPoint() {
    m_state.pointFlag = false;
}

} // namespace varnik
