// SPDX-License-Identifier: MIT
// The cost of one key press through the engine and of reading and writing a number.
#include "calculator.h"
#include "number_text.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

using namespace varnik;

namespace {

// "12.5 * 3 = 7 + 4 = C" and again: digits, a point, operations, equals with results to write,
// and Clear so that every round starts from the same state.
constexpr std::array keyMix{Key::One,      Key::Two,   Key::Point,  Key::Five,
                            Key::Multiply, Key::Three, Key::Equals, Key::Seven,
                            Key::Add,      Key::Four,  Key::Equals, Key::Clear};

void keyPress(benchmark::State& state) {
    Calculator calculator;
    calculator.load();
    calculator.activate();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculator.press(keyMix[next], Keypad::CommandButton));
        if (++next == keyMix.size()) {
            next = 0;
        }
    }
}
BENCHMARK(keyPress);

void parse(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseNumber(text));
    }
}
BENCHMARK_CAPTURE(parse, typed, std::string(" 1234.5"));
BENCHMARK_CAPTURE(parse, one_third, std::string("0.3333333333333"));
BENCHMARK_CAPTURE(parse, exponent, std::string("1.23456789e+17"));

void format(benchmark::State& state, double value) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatNumber(value));
    }
}
BENCHMARK_CAPTURE(format, one_third, 1.0 / 3);
BENCHMARK_CAPTURE(format, exponent, 1.23456789e17);
BENCHMARK_CAPTURE(format, five, 5.0);

} // namespace

BENCHMARK_MAIN();
