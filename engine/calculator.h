// SPDX-License-Identifier: MIT
#pragma once

#include "keys.h"
#include "number_text.h"

#include <string>
#include <string_view>

namespace varnik {

/// The pending operation, shown as the caption of the hidden operation label.
enum class Operation {
    None,    ///< "" at start
    Cleared, ///< " " after Clear; names no operation either
    Addition,
    Subtraction,
    Multiplication,
    Division,
};

/// The caption text of an operation: "Addition", "Subtraction", "Multiplication",
/// "Division", "" or " ".
std::string_view operationCaption(Operation operation);

/// The whole calculator state. A new state is zero-filled: numbers 0, texts empty.
struct CalculatorState {
    std::string txtnum;                           ///< the display text, the only number buffer
    Operation pendingOperation = Operation::None; ///< the caption of Label2
    double entryValue = 0;                        ///< second operand of the last equals
    double addOperand = 0;                        ///< first operands, one per operation
    double subtractOperand = 0;
    double multiplyOperand = 0;
    double divideOperand = 0;
    double memoryValue = 0;  ///< the memory register
    bool pointFlag = false;  ///< a point was typed in this entry; the point keys are blocked
    bool appendFlag = false; ///< digits append to the display; otherwise the next one replaces it
    bool keypadFlag = true;  ///< false ("no") blocks the skin operation keys

    /// The point command button is enabled exactly while no point was typed.
    bool cmdpointEnabled() const { return !pointFlag; }
};

/// The calculator engine: one operation per key, working on one CalculatorState.
class Calculator {
public:
    /// The start values the window's load step gives: display " ", ready to append.
    void load();
    /// The window's activation step: closes the skin gate.
    void activate();

    /// Presses one key on one keypad. A failure never throws: the result says what
    /// failed and how to report it, and the state is left as the key had got it.
    KeyResult press(Key key, Keypad keypad);

    /// Shows the number that pasted text holds, as pastedDisplayText writes it, ready to be
    /// extended like a typed number: digits append, and the point is blocked when
    /// the shown text has a point or an exponent. Text that is no number fails with the error
    /// signal and changes nothing.
    KeyResult paste(std::string_view text);

    const CalculatorState& state() const { return m_state; }

private:
    void enterDigit(char digit);
    void enterZero();
    void enterPoint();
    void clear();
    KeyResult operationKey(Operation operation, double CalculatorState::*operand, Keypad keypad);
    KeyResult ComputeResult(Keypad keypad);
    KeyResult changeMemory(bool add);
    void recallMemory();
    void removeLastCharacter();

    void writeDisplay(std::string_view text);
    void beginEntry(std::string_view text);
    void resetPoint();

    CalculatorState m_state;
};

} // namespace varnik
