// SPDX-License-Identifier: MIT
#include "announcements.h"

#include "texts.h"

namespace varnik {

namespace {

// TRANSLATORS: What a screen reader says for the display when it shows no number.
constexpr const char* blankDisplay = N_("blank");
constexpr const char* exponentFormat =
    // TRANSLATORS: A number in exponent form as a screen reader speaks it, such as "1.5 times
    // ten to the power 17" for 1.5e+17. The first %s is 1.5, the second 17 (or -7), both in
    // Latin digits, which every voice reads.
    // xgettext:c-format
    N_("%s times ten to the power %s");

// A voice reads "7." as seven and ".5" as "dot five": the point becomes a word at the end and
// gets its zero in front.
std::string spokenMantissa(const Messages& messages, std::string_view text) {
    std::string spoken(text);
    const std::size_t point = spoken.find('.');
    if (point != std::string::npos && (point == 0 || spoken[point - 1] == '-')) {
        spoken.insert(point, "0");
    }
    if (!spoken.empty() && spoken.back() == '.') {
        spoken.pop_back();
        spoken += ' ';
        spoken += skinKeyName(messages, Key::Point);
    }
    return spoken;
}

} // namespace

std::string_view reasonText(const Messages& messages, FailureReason reason) {
    switch (reason) {
    case FailureReason::DivisionByZero:
        // TRANSLATORS: What a screen reader says, and the error box describes, when a failure
        // happens; each is short. Here: a division by zero.
        return messages.text(N_("Cannot divide by zero"));
    case FailureReason::ResultTooLarge:
        return messages.text(N_("Result too large"));
    case FailureReason::NotANumber:
        // TRANSLATORS: The display holds no number (it is blank) for equals, an operation or a
        // memory key.
        return messages.text(N_("Not a number"));
    case FailureReason::PastedTextNoNumber:
        return messages.text(N_("The pasted text is not a number"));
    case FailureReason::MemoryOverflow:
        // TRANSLATORS: M + or M - would make the memory's number too large; it keeps its value.
        return messages.text(N_("Memory overflow"));
    case FailureReason::ClipboardUnreadable:
        return messages.text(N_("Cannot read the clipboard"));
    case FailureReason::NoBrowser:
        // TRANSLATORS: No browser could open the web address at the window's foot.
        return messages.text(N_("Cannot open the web address"));
    }
    return {};
}

FailureReason reasonFor(std::optional<Key> key, Failure failure) {
    switch (failure) {
    case Failure::DivisionByZero:
    case Failure::InvalidOperation:
        return FailureReason::DivisionByZero;
    case Failure::Overflow:
        return key == Key::MemoryAdd || key == Key::MemorySubtract ? FailureReason::MemoryOverflow
                                                                   : FailureReason::ResultTooLarge;
    case Failure::NotANumber:
    case Failure::None:
        break;
    }
    return key ? FailureReason::NotANumber : FailureReason::PastedTextNoNumber;
}

std::string spokenDisplay(const Messages& messages, std::string_view txtnum) {
    const std::size_t first = txtnum.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::string(messages.text(blankDisplay));
    }
    const std::string_view text = txtnum.substr(first, txtnum.find_last_not_of(' ') + 1 - first);
    const std::size_t e = text.find_first_of("eE");
    if (e == std::string_view::npos) {
        return spokenMantissa(messages, text);
    }
    std::string_view exponent = text.substr(e + 1);
    if (!exponent.empty() && exponent.front() == '+') {
        exponent.remove_prefix(1);
    }
    std::string spoken(messages.text(exponentFormat));
    const std::size_t mantissaAt = spoken.find("%s");
    const std::size_t exponentAt = spoken.find("%s", mantissaAt + 2);
    if (exponentAt == std::string::npos) {
        return std::string(text); // a faulty translation: the number as it stands
    }
    spoken.replace(exponentAt, 2, exponent);
    spoken.replace(mantissaAt, 2, spokenMantissa(messages, text.substr(0, e)));
    return spoken;
}

std::string announcement(const Messages& messages, std::optional<Key> key, const KeyResult& result,
                         const CalculatorState& before, const CalculatorState& after) {
    if (result.failed()) {
        return result.report == Report::Silent
                   ? std::string()
                   : std::string(reasonText(messages, reasonFor(key, result.failure)));
    }
    // Keys the user presses to see the display say it even when it stays as it was; so does
    // the first digit of a new number, which may look as the old one did.
    const bool computed =
        before.pendingOperation != Operation::None && before.pendingOperation != Operation::Cleared;
    const bool beganEntry = !before.appendFlag && after.appendFlag;
    const bool showsDisplay = !key || key == Key::Clear || key == Key::MemoryRecall ||
                              (key == Key::Equals && computed) || beganEntry;
    std::string spoken = spokenDisplay(messages, after.txtnum);
    if (showsDisplay || spoken != spokenDisplay(messages, before.txtnum)) {
        return spoken;
    }
    return {};
}

} // namespace varnik
