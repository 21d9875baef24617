// SPDX-License-Identifier: MIT
// Random key presses on both keypads: whatever the user does, the display stays a short text
// of number characters and no infinity or NaN enters the calculator.
#include "engine_invariants.h"
#include "key_script.h"

#include <QtTest>
#include <random>

using namespace varnik;

class TestRandomKeys : public QObject {
    Q_OBJECT

private slots:
    void invariantsHold();
};

namespace {

constexpr int keyCount = static_cast<int>(Key::Backspace) + 1;

} // namespace

void TestRandomKeys::invariantsHold() {
    // Weighted towards digits so that long numbers and large results come up often.
    std::discrete_distribution<int> pickKey(
        {6, 6, 6, 6, 6, 6, 6, 6, 6, 8, 4, 2, 3, 3, 5, 3, 6, 2, 2, 2, 1, 3});
    QCOMPARE(static_cast<int>(pickKey.max()) + 1, keyCount);
    std::bernoulli_distribution onSkin(0.5);
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        Calculator calculator = test::startedCalculator();
        for (int i = 0; i < 1000; ++i) {
            const auto key = static_cast<Key>(pickKey(random));
            const Keypad keypad = onSkin(random) ? Keypad::Skin : Keypad::CommandButton;
            const KeyResult result = calculator.press(key, keypad);
            const std::string broken = test::brokenInvariant(calculator.state(), result);
            if (!broken.empty()) {
                QFAIL(qPrintable(QString("seed %1, press %2: %3 (display \"%4\")")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(QString::fromStdString(broken),
                                          QString::fromStdString(calculator.state().txtnum))));
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestRandomKeys)
#include "test_random_keys.moc"
