// SPDX-License-Identifier: MIT
#include "engine_invariants.h"

#include <algorithm>
#include <cmath>

namespace varnik::test {

namespace {

bool allFinite(const CalculatorState& s) {
    for (const double value : {s.entryValue, s.addOperand, s.subtractOperand, s.multiplyOperand,
                               s.divideOperand, s.memoryValue}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string brokenInvariant(const CalculatorState& state, const KeyResult& result) {
    const std::string& text = state.txtnum;
    if (text.size() > displayLimit) {
        return "display longer than 15";
    }
    if (text.find_first_not_of("0123456789.-e+ ") != std::string::npos) {
        return "foreign character";
    }
    if (std::count(text.begin(), text.end(), '.') > 1) {
        return "two points";
    }
    // A digit now would begin a new number, so a point must be able to begin it too.
    if (!state.appendFlag && state.pointFlag) {
        return "point blocked while the next key begins a new number";
    }
    if (!allFinite(state)) {
        return "NaN or infinity stored";
    }
    if (result.failed() == (result.report == Report::None)) {
        return "failure without report";
    }
    return {};
}

} // namespace varnik::test
