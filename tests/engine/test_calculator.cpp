// SPDX-License-Identifier: MIT
// Key sequences from start-up: the display, the pending operation, the flags and the result
// of the last key afterwards.
#include "key_script.h"

#include <QtTest>

using namespace varnik;
using namespace varnik::test;

class TestCalculator : public QObject {
    Q_OBJECT

private:
    void addColumns();

private slots:
    void numberEntry_data();
    void numberEntry() { check(); }
    void operations_data();
    void operations() { check(); }
    void memory_data();
    void memory() { check(); }
    void failures_data();
    void failures() { check(); }
    void mendedFaults_data();
    void mendedFaults() { check(); }
    void backspace_data();
    void backspace() { check(); }
    void paste_data();
    void paste();

    void startValues();
    void failedOperationKeepsOperand();
    void failedMemoryKeyKeepsRegister();
    void operandsSurviveClear();

private:
    void check();
};

namespace {

// Keys that leave 1e+308 on the display, the largest power of ten a double holds.
const QString toTheTop = "99999999999999 * " + QString("= ").repeated(21);

} // namespace

void TestCalculator::addColumns() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("result");
}

void TestCalculator::check() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, caption);
    QFETCH(QString, flags);
    QFETCH(QString, result);

    Calculator calculator = startedCalculator();
    const KeyResult last = run(calculator, keys);
    const CalculatorState& state = calculator.state();
    QCOMPARE(QString::fromStdString(state.txtnum), display);
    QCOMPARE(QString::fromUtf8(operationCaption(state.pendingOperation).data(),
                               operationCaption(state.pendingOperation).size()),
             caption);
    QCOMPARE(flagsText(state), flags);
    QCOMPARE(resultText(last), result);
}

// The tables read best one row to a line.
// clang-format off
void TestCalculator::numberEntry_data() {
    addColumns();
    QTest::newRow("start-up") << "" << " " << "" << "f y no" << "ok";
    QTest::newRow("digit after start keeps the blank") << "7" << " 7" << "" << "f y no" << "ok";
    QTest::newRow("zero on the start blank writes empty") << "0" << "" << "" << "f y no" << "ok";
    QTest::newRow("zero then seven") << "0 7" << "7" << "" << "f y no" << "ok";
    QTest::newRow("zero after Clear") << "5 C 0" << "" << " " << "f y no" << "ok";
    QTest::newRow("zeros inside a number") << "100" << " 100" << "" << "f y no" << "ok";
    QTest::newRow("zero after an operation") << "5 + 0" << "0" << "Addition" << "f y no" << "ok";
    QTest::newRow("leading zero stays") << "5 + 0 5" << "05" << "Addition" << "f y no" << "ok";
    QTest::newRow("digit after an operation replaces") << "12 + 3" << "3" << "Addition"
                                                       << "f y no" << "ok";
    QTest::newRow("digit after equals appends to the result")
        << "1 + 2 = 3" << "33" << "Addition" << "f y no" << "ok";
    QTest::newRow("digit after operation-equals begins anew")
        << "1 + = 3" << "3" << "Addition" << "f y no" << "ok";
    QTest::newRow("second point does nothing") << "1.2.3" << " 1.23" << "" << "t y no" << "ok";
    QTest::newRow("second skin point does nothing") << "s1.2.3" << " 1.23" << "" << "t y yes"
                                                    << "ok";
    QTest::newRow("point at start") << "." << " ." << "" << "t y no" << "ok";
    QTest::newRow("point after Clear") << "C ." << "." << " " << "t y no" << "ok";
    QTest::newRow("point after an integer result") << "1 + 1 = ." << "2." << "Addition"
                                                   << "t y no" << "ok";
    QTest::newRow("fifteen digits fill the display")
        << "1234567890123456789" << " 12345678901234" << "" << "f y no" << "ok";
    QTest::newRow("Clear re-enables the point") << "1. C" << "" << " " << "f y no" << "ok";
    QTest::newRow("Clear without a point") << "12 C" << "" << " " << "f y no" << "ok";
    QTest::newRow("Clear keeps the append state") << "1 + C" << "" << " " << "f n no" << "ok";
    QTest::newRow("skin digit opens the gate") << "s7" << " 7" << "" << "f y yes" << "ok";
    QTest::newRow("skin Clear closes the gate") << "s7 sC" << "" << " " << "f y no" << "ok";
    QTest::newRow("button Clear leaves the gate") << "s7 C" << "" << " " << "f y yes" << "ok";
    QTest::newRow("skin zero and point leave the gate") << "s7 sC s0 s. s0" << ".0" << " "
                                                        << "t y no" << "ok";
}

void TestCalculator::operations_data() {
    addColumns();
    QTest::newRow("2+3=") << "2 + 3 =" << "5" << "Addition" << "f y no" << "ok";
    QTest::newRow("operation key files, never computes")
        << "2 + 3 + 4 =" << "7" << "Addition" << "f y no" << "ok";
    QTest::newRow("multiplication replaces the addition")
        << "2 + 3 * 4 =" << "12" << "Multiplication" << "f y no" << "ok";
    QTest::newRow("equals reads the first operand again") << "2 + =" << "4" << "Addition"
                                                          << "f n no" << "ok";
    QTest::newRow("repeated addition") << "2 + 3 = =" << "7" << "Addition" << "f y no" << "ok";
    QTest::newRow("subtraction once") << "10 - 3 =" << "7" << "Subtraction" << "f y no" << "ok";
    QTest::newRow("subtraction twice alternates")
        << "10 - 3 = =" << "3" << "Subtraction" << "f y no" << "ok";
    QTest::newRow("subtraction three times") << "10 - 3 = = =" << "7" << "Subtraction"
                                             << "f y no" << "ok";
    QTest::newRow("division twice") << "8 / 2 = =" << "2" << "Division" << "f y no" << "ok";
    QTest::newRow("multiplication twice") << "3 * 4 = =" << "36" << "Multiplication" << "f y no"
                                          << "ok";
    QTest::newRow("negative result") << "5 - 7 =" << "-2" << "Subtraction" << "f y no" << "ok";
    QTest::newRow("negative first operand") << "5 - 7 = - 1 =" << "-3" << "Subtraction"
                                            << "f y no" << "ok";
    QTest::newRow("one third") << "1 / 3 =" << "0.3333333333333" << "Division" << "f y no"
                               << "ok";
    QTest::newRow("two thirds rounds") << "2 / 3 =" << "0.6666666666667" << "Division"
                                       << "f y no" << "ok";
    QTest::newRow("large result in exponent notation")
        << "123456789 * 1000000000 =" << "1.23456789e+17" << "Multiplication" << "f y no"
        << "ok";
    QTest::newRow("fifteen-digit result stays plain")
        << "100000 * 1000000000 =" << "100000000000000" << "Multiplication" << "f y no" << "ok";
    QTest::newRow("no pending operation keeps the display")
        << "5 =" << " 5" << "" << "f y no" << "ok";
    QTest::newRow("no pending operation resets the point")
        << "5.5 =" << " 5.5" << "" << "f y no" << "ok";
    QTest::newRow("operation key resets the point") << "1.5 +" << " 1.5" << "Addition"
                                                    << "f n no" << "ok";
    QTest::newRow("point after an operation begins a new number")
        << "3 + . 5" << ".5" << "Addition" << "t y no" << "ok";
    QTest::newRow("skin operation blocked at start") << "5 s+" << " 5" << "" << "f y no" << "ok";
    QTest::newRow("skin operation after a skin digit") << "s5 s+" << " 5" << "Addition"
                                                       << "f n yes" << "ok";
    QTest::newRow("skin operation blocked after skin Clear")
        << "s5 sC 3 s+" << "3" << " " << "f y no" << "ok";
    QTest::newRow("skin operation blocked after skin zero")
        << "s5 sC s0 s. s+" << "." << " " << "t y no" << "ok";
    QTest::newRow("button digits do not open the gate") << "sC 12 s*" << "12" << " " << "f y no"
                                                        << "ok";
    QTest::newRow("skin road of seven plus five") << "s7 s+ s5 s=" << "12" << "Addition"
                                                  << "f y yes" << "ok";
}

void TestCalculator::memory_data() {
    addColumns();
    QTest::newRow("recall at start") << "MR" << "0" << "" << "f y no" << "ok";
    QTest::newRow("add twice then recall") << "5 M+ 3 M+ MR" << "8" << "" << "f n no" << "ok";
    QTest::newRow("clear memory") << "5 M+ 3 M+ MC MR" << "0" << "" << "f n no" << "ok";
    QTest::newRow("subtract from zero") << "5 M- MR" << "-5" << "" << "f n no" << "ok";
    QTest::newRow("recall then add doubles") << "5 M+ MR M+ MR" << "10" << "" << "f n no"
                                             << "ok";
    QTest::newRow("number after M+ replaces") << "5 M+ 3" << "3" << "" << "f y no" << "ok";
    QTest::newRow("digit after recall extends typed digits")
        << "5 M+ 2 MR 7" << "57" << "" << "f y no" << "ok";
    QTest::newRow("M+ frees the point") << "1.5 M+" << " 1.5" << "" << "f n no" << "ok";
    QTest::newRow("memory survives Clear and operations")
        << "4 M+ C 2 + 3 = MR" << "4" << "Addition" << "f y no" << "ok";
    QTest::newRow("memory keys keep the caption") << "2 * M+" << " 2" << "Multiplication"
                                                  << "f n no" << "ok";
}

void TestCalculator::failures_data() {
    addColumns();
    QTest::newRow("equals button on the start blank")
        << "=" << " " << "" << "f y no" << "NotANumber/MessageBox";
    QTest::newRow("skin equals on the start blank") << "s=" << " " << "" << "f y no"
                                                    << "NotANumber/Silent";
    QTest::newRow("equals after Clear keeps the point")
        << "C . =" << "." << " " << "t y no" << "NotANumber/MessageBox";
    QTest::newRow("operation key on a blank display")
        << "C +" << "" << "Addition" << "f n no" << "NotANumber/ErrorReport";
    QTest::newRow("failed operation frees the point")
        << "C . *" << "." << "Multiplication" << "f n no" << "NotANumber/ErrorReport";
    QTest::newRow("skin operation on a blank display")
        << "s5 sC 1 C s/" << "" << " " << "f y no" << "ok";
    QTest::newRow("M+ on the start blank") << "M+" << " " << "" << "f n no"
                                           << "NotANumber/ErrorReport";
    QTest::newRow("M- after Clear") << "C M-" << "" << " " << "f n no" << "NotANumber/ErrorReport";
    QTest::newRow("division by zero") << "5 / 0 =" << "0" << "Division" << "f y no"
                                      << "DivisionByZero/MessageBox";
    QTest::newRow("division by zero keeps the point")
        << "5 / 0. s=" << "0." << "Division" << "t y no" << "DivisionByZero/Silent";
    QTest::newRow("zero divided by zero") << "1 - 1 = / 0 =" << "0" << "Division" << "f y no"
                                          << "InvalidOperation/MessageBox";
    QTest::newRow("result text extended into no number")
        << "10000000000 * 10000000000 = 999 +" << "1e+20999" << "Addition" << "f n no"
        << "NotANumber/ErrorReport";
    // 99999999999999 squared shows 1e+28; each further equals multiplies by about 1e14.
    QTest::newRow("overflow keeps the last result")
        << toTheTop + "=" << "1e+308" << "Multiplication" << "f n no" << "Overflow/MessageBox";
}

void TestCalculator::mendedFaults_data() {
    addColumns();
    // The second operand is a full 64-bit float.
    QTest::newRow("0.1 + 0.2 is 0.3") << "0.1 + 0.2 =" << "0.3" << "Addition" << "f y no" << "ok";
    QTest::newRow("16777217 is not rounded") << "16777217 + 0 =" << "16777217" << "Addition"
                                             << "f y no" << "ok";
    QTest::newRow("16777217 as second operand")
        << "C + 16777217 =" << "16777217" << "Addition" << "f y no" << "ok";
    // A single space as caption counts as no pending operation.
    QTest::newRow("equals after Clear keeps the display")
        << "5 * 3 = C 7 =" << "7" << " " << "f y no" << "ok";
    // The point state follows the number being typed.
    QTest::newRow("digit beginning an entry resets the point")
        << "2.5 M+ 1" << "1" << "" << "f y no" << "ok";
    QTest::newRow("zero beginning an entry resets the point")
        << "2.5 M+ 0" << "0" << "" << "f y no" << "ok";
    QTest::newRow("point beginning an entry") << "3 + . 5 =" << "3.5" << "Addition" << "f y no"
                                              << "ok";
    QTest::newRow("skin point beginning an entry after M+")
        << "2.5 M+ s. 5" << ".5" << "" << "t y no" << "ok";
    QTest::newRow("memory of typed decimals") << "2.5 M+ 1.5 M+ MR" << "4" << "" << "f n no"
                                              << "ok";
    // A key that ends the number being typed frees the point, whether or not it fails: the
    // point then begins the next number on either keypad.
    QTest::newRow("point after M+ begins the next number")
        << "2.5 M+ . 5 + 1 =" << "1.5" << "Addition" << "f y no" << "ok";
    QTest::newRow("point after M- begins the next number")
        << "2.5 M- . 5" << ".5" << "" << "t y no" << "ok";
    QTest::newRow("point after a failed M+") << "C . M+ . 5" << ".5" << " " << "t y no" << "ok";
    QTest::newRow("skin point after a failed M-") << "C . M- s. 5" << ".5" << " " << "t y no"
                                                  << "ok";
    QTest::newRow("point after an overflowing M+")
        << toTheTop + "M+ M+ . 5" << ".5" << "Multiplication" << "t y no" << "ok";
    QTest::newRow("point after a failed operation key")
        << "C . * . 5" << ".5" << "Multiplication" << "t y no" << "ok";
    QTest::newRow("skin point after a failed skin operation key")
        << "s1 C . s/ s. 5" << ".5" << "Division" << "t y yes" << "ok";
    QTest::newRow("point on a result holding a point")
        << "1.5 + 1 = ." << "2.5" << "Addition" << "t y no" << "ok";
    QTest::newRow("point on a result holding an exponent")
        << "10000000000 * 10000000000 = 5 ." << "1e+205" << "Multiplication" << "t y no" << "ok";
    QTest::newRow("point on a full display changes nothing")
        << "123456789012345 ." << " 12345678901234" << "" << "f y no" << "ok";
    // Memory arithmetic that overflows leaves the register alone.
    QTest::newRow("M+ overflow") << toTheTop + "M+ M+" << "1e+308" << "Multiplication"
                                 << "f n no" << "Overflow/ErrorReport";
    QTest::newRow("M+ overflow keeps the register")
        << toTheTop + "M+ M+ 5 M- MR" << "1e+308" << "Multiplication" << "f n no" << "ok";
    QTest::newRow("M- overflow keeps the register")
        << toTheTop + "M- M- MR" << "-1e+308" << "Multiplication" << "f n no" << "ok";
}

void TestCalculator::backspace_data() {
    addColumns();
    QTest::newRow("removes the last typed digit") << "123 <" << " 12" << "" << "f y no" << "ok";
    QTest::newRow("down to the start blank") << "7 < <" << " " << "" << "f y no" << "ok";
    QTest::newRow("typing on after it") << "12 < 5" << " 15" << "" << "f y no" << "ok";
    QTest::newRow("after the point keeps the point") << "1.25 <" << " 1.2" << "" << "t y no"
                                                     << "ok";
    QTest::newRow("removing the point frees it") << "1. <" << " 1" << "" << "f y no" << "ok";
    QTest::newRow("a point again after removing one") << "1. < . 5" << " 1.5" << "" << "t y no"
                                                      << "ok";
    QTest::newRow("blank display") << "<" << " " << "" << "f y no" << "ok";
    QTest::newRow("after Clear") << "5 C <" << "" << " " << "f y no" << "ok";
    QTest::newRow("a new entry after an operation") << "5 + 12 <" << "1" << "Addition"
                                                    << "f y no" << "ok";
    QTest::newRow("not the first operand after an operation")
        << "12 + <" << " 12" << "Addition" << "f n no" << "ok";
    QTest::newRow("a result extended by typed digits")
        << "1 + 2 = <" << "" << "Addition" << "f y no" << "ok";
    QTest::newRow("not a result after operation-equals")
        << "12 + = <" << "24" << "Addition" << "f n no" << "ok";
    QTest::newRow("not a result with a sign") << "5 - 7 = 1 <" << "-21" << "Subtraction"
                                              << "f y no" << "ok";
    QTest::newRow("not a result with an exponent")
        << "10000000000 * 10000000000 = <" << "1e+20" << "Multiplication" << "f y no" << "ok";
    QTest::newRow("not after M+") << "25 M+ <" << " 25" << "" << "f n no" << "ok";
    QTest::newRow("recalled digits extended by typing")
        << "5 M+ 2 MR 7 <" << "5" << "" << "f y no" << "ok";
}

void TestCalculator::paste_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("result");
    const QString failed = "NotANumber/ErrorReport";
    QTest::newRow("ASCII digits") << "" << "42" << "42" << "f y no" << "ok";
    QTest::newRow("Bengali digits") << "" << "\u09e7\u09ef\u09ed\u09e7.\u09e8\u09eb"
                                    << "1971.25" << "t y no" << "ok";
    QTest::newRow("as the keys would have typed it") << "" << "0.50" << "0.50" << "t y no" << "ok";
    QTest::newRow("fifteen characters as typed")
        << "" << ".88888888888888" << ".88888888888888" << "t y no" << "ok";
    QTest::newRow("a form the keys cannot type") << "" << "+5" << "5" << "f y no" << "ok";
    QTest::newRow("shorter without the zero before the point")
        << "" << "0.88888888888888" << ".88888888888888" << "t y no" << "ok";
    QTest::newRow("shorter with a short exponent")
        << "" << "1.2345678901e-5" << "1.2345678901e-5" << "t y no" << "ok";
    QTest::newRow("rounded only where no form keeps the value")
        << "" << "0.123456789012345" << "0.1234567890123" << "t y no" << "ok";
    QTest::newRow("sign and exponent") << "" << "-1.5e3" << "-1500" << "f y no" << "ok";
    QTest::newRow("a large number in exponent notation") << "" << "123456789e9"
                                                         << "1.23456789e+17" << "t y no" << "ok";
    QTest::newRow("whitespace around") << "" << " \t12\r\n" << "12" << "f y no" << "ok";
    QTest::newRow("replaces a typed number") << "99" << "7" << "7" << "f y no" << "ok";
    QTest::newRow("after an operation") << "5 +" << "7" << "7" << "f y no" << "ok";
    QTest::newRow("sixty-four characters") << "" << "0." + QString(61, '0') + "5" << "5e-62"
                                           << "t y no" << "ok";
    QTest::newRow("empty") << "12" << "" << " 12" << "f y no" << failed;
    QTest::newRow("only blanks") << "12" << "   " << " 12" << "f y no" << failed;
    QTest::newRow("text") << "12" << "twelve" << " 12" << "f y no" << failed;
    QTest::newRow("a number inside text") << "12" << "12 apples" << " 12" << "f y no" << failed;
    QTest::newRow("other digits") << "12" << "\u0661\u0662" << " 12" << "f y no" << failed;
    QTest::newRow("sixty-five characters") << "12" << "0." + QString(62, '0') + "5" << " 12"
                                           << "f y no" << failed;
    QTest::newRow("beyond the range") << "1 +" << "1e400" << " 1" << "f n no" << failed;
    QTest::newRow("a failed paste keeps the point") << "1." << "x" << " 1." << "t y no"
                                                    << failed;
}
// clang-format on

void TestCalculator::paste() {
    QFETCH(QString, keys);
    QFETCH(QString, clipboard);
    QFETCH(QString, display);
    QFETCH(QString, flags);
    QFETCH(QString, result);
    Calculator calculator = startedCalculator();
    run(calculator, keys);
    const KeyResult pasted = calculator.paste(clipboard.toStdString());
    QCOMPARE(QString::fromStdString(calculator.state().txtnum), display);
    QCOMPARE(flagsText(calculator.state()), flags);
    QCOMPARE(resultText(pasted), result);
    // Digits typed next extend the pasted number, as they would a typed one, up to the limit.
    if (!pasted.failed() && !display.contains('e')) {
        run(calculator, "3");
        QCOMPARE(QString::fromStdString(calculator.state().txtnum), (display + "3").left(15));
    }
}

void TestCalculator::startValues() {
    Calculator created;
    QCOMPARE(created.state().txtnum, std::string());
    QVERIFY(created.state().keypadFlag); // "" is not "no": not blocked before activation
    QVERIFY(!created.state().appendFlag);
    created.load();
    QCOMPARE(created.state().txtnum, std::string(" "));
    QVERIFY(created.state().appendFlag);
    QVERIFY(created.state().keypadFlag);
    created.activate();
    QVERIFY(!created.state().keypadFlag);
}

void TestCalculator::failedOperationKeepsOperand() {
    Calculator calculator = startedCalculator();
    run(calculator, "5 + C");
    QCOMPARE(resultText(run(calculator, "+")), QString("NotANumber/ErrorReport"));
    QCOMPARE(calculator.state().addOperand, 5.0);
    run(calculator, "3 =");
    QCOMPARE(calculator.state().txtnum, std::string("8"));
}

void TestCalculator::failedMemoryKeyKeepsRegister() {
    Calculator calculator = startedCalculator();
    run(calculator, "7 M+ C");
    QCOMPARE(resultText(run(calculator, "M-")), QString("NotANumber/ErrorReport"));
    QCOMPARE(calculator.state().memoryValue, 7.0);
}

void TestCalculator::operandsSurviveClear() {
    Calculator calculator = startedCalculator();
    run(calculator, "6 + 2 - 3 * 4 / C");
    const CalculatorState& s = calculator.state();
    QCOMPARE(s.addOperand, 6.0);
    QCOMPARE(s.subtractOperand, 2.0);
    QCOMPARE(s.multiplyOperand, 3.0);
    QCOMPARE(s.divideOperand, 4.0);
}

QTEST_APPLESS_MAIN(TestCalculator)
#include "test_calculator.moc"
