// SPDX-License-Identifier: MIT
#include "state_line.h"

#include <cstdint>
#include <cstring>

namespace varnik::replay {

namespace {

std::string bits(double value) {
    std::uint64_t word = 0;
    std::memcpy(&word, &value, sizeof word);
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, word >>= 4) {
        text[static_cast<std::size_t>(i)] = "0123456789abcdef"[word & 0xF];
    }
    return text;
}

const char* failureName(Failure failure) {
    switch (failure) {
    case Failure::None:
        return "ok";
    case Failure::NotANumber:
        return "NotANumber";
    case Failure::Overflow:
        return "Overflow";
    case Failure::DivisionByZero:
        return "DivisionByZero";
    case Failure::InvalidOperation:
        return "InvalidOperation";
    }
    return "?";
}

const char* reportName(Report report) {
    switch (report) {
    case Report::None:
        return "";
    case Report::MessageBox:
        return "/MessageBox";
    case Report::Silent:
        return "/Silent";
    case Report::ErrorReport:
        return "/ErrorReport";
    }
    return "/?";
}

} // namespace

std::string stateLine(const CalculatorState& state, const KeyResult& result) {
    std::string line = "|" + state.txtnum + "|" +
                       std::string(operationCaption(state.pendingOperation)) + "|" +
                       (state.pointFlag ? "t" : "f") + (state.appendFlag ? " y" : " n") +
                       (state.keypadFlag ? " yes" : " no") + "|";
    line += "entry=" + bits(state.entryValue) + " add=" + bits(state.addOperand) +
            " sub=" + bits(state.subtractOperand) + " mul=" + bits(state.multiplyOperand) +
            " div=" + bits(state.divideOperand) + " mem=" + bits(state.memoryValue);
    line += std::string("|") + failureName(result.failure) + reportName(result.report);
    return line;
}

} // namespace varnik::replay
