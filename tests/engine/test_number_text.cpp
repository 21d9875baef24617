// SPDX-License-Identifier: MIT
// The text forms of numbers: what the display reads as a number and how results are written.
#include "number_text.h"

#include <QtTest>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstring>
#include <random>

using namespace varnik;

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void rejects_data();
    void rejects();
    void parseIgnoresLocale();
    void format_data();
    void format();
    void formatRoundTripsRandomValues();
    void formatNearTheEdgesOfTheRange();
};

void TestNumberText::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "42" << 42.0;
    QTest::newRow("start blank in front") << " 7" << 7.0;
    QTest::newRow("spaces around") << "  3.5  " << 3.5;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("blank then point") << " .25" << 0.25;
    QTest::newRow("point last") << "2." << 2.0;
    QTest::newRow("leading zeros") << "05" << 5.0;
    QTest::newRow("negative") << "-2" << -2.0;
    QTest::newRow("plus sign") << "+2" << 2.0;
    QTest::newRow("exponent") << "1.23456789e+17" << 1.23456789e17;
    QTest::newRow("capital exponent") << "1E3" << 1000.0;
    QTest::newRow("negative exponent") << "1e-05" << 1e-5;
    QTest::newRow("unsigned exponent") << "2e3" << 2000.0;
    QTest::newRow("fifteen digits") << "123456789012345" << 123456789012345.0;
    QTest::newRow("largest double") << "1.7976931348623157e308" << DBL_MAX;
    QTest::newRow("smallest denormal") << "5e-324" << 5e-324;
}

void TestNumberText::parse() {
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto parsed = parseNumber(text.toStdString());
    QVERIFY(parsed.has_value());
    QCOMPARE(*parsed, value);
}

void TestNumberText::rejects_data() {
    QTest::addColumn<QString>("text");
    for (const char* text :
         {"",    " ",   "   ",   ".",    " .",  "-",     "+",      "-.",     "1.2.3",
          "inf", "nan", "-inf",  "0x10", "1,5", "1e",    "1e+",    "e5",     "1 2",
          "1-",  "--1", "1e5.5", "\t1",  "1\n", "1e400", "-1e400", "1e-400", "١"}) {
        QTest::newRow(text) << QString::fromUtf8(text);
    }
}

void TestNumberText::rejects() {
    QFETCH(QString, text);
    QVERIFY(!parseNumber(text.toStdString()).has_value());
}

void TestNumberText::parseIgnoresLocale() {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "C.UTF-8")) {
        QSKIP("no other locale available");
    }
    const auto value = parseNumber("2.5");
    const auto comma = parseNumber("2,5");
    const std::string text = formatNumber(2.5);
    std::setlocale(LC_ALL, saved.c_str());
    QCOMPARE(value.value_or(0), 2.5);
    QVERIFY(!comma.has_value());
    QCOMPARE(text, std::string("2.5"));
}

void TestNumberText::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("integer") << 12.0 << "12";
    QTest::newRow("negative") << -2.0 << "-2";
    QTest::newRow("shortest digits") << 0.1 + 0.2 << "0.3";
    QTest::newRow("one third") << 1.0 / 3 << "0.3333333333333";
    QTest::newRow("two thirds") << 2.0 / 3 << "0.6666666666667";
    QTest::newRow("minus two thirds") << -2.0 / 3 << "-0.666666666667";
    QTest::newRow("exponent when plain is too long") << 1.23456789e17 << "1.23456789e+17";
    QTest::newRow("fifteen digits stay plain") << 1e14 << "100000000000000";
    QTest::newRow("sixteen digits") << 1e15 << "1e+15";
    QTest::newRow("small in exponent notation") << 1e-20 << "1e-20";
    QTest::newRow("small, rounded") << 1.0 / 3e7 << "3.333333333e-08";
    QTest::newRow("plain keeps more digits") << 1234567.891234567 << "1234567.8912346";
    QTest::newRow("rounding carries to exponent") << 999999999999999.9 << "1e+15";
    // 1e-13 is written plain, so a number that rounds to it is written the same way.
    QTest::newRow("rounding carries into the last decimal")
        << 9.9999999999e-14 << "0.0000000000001";
    QTest::newRow("negative, carry into the last decimal")
        << -9.9999999999999e-13 << "-0.000000000001";
    QTest::newRow("negative, carry beyond the last decimal") << -9.9999999999e-14 << "-1e-13";
    QTest::newRow("largest double") << DBL_MAX << "1.79769313e+308";
    QTest::newRow("lowest double") << -DBL_MAX << "-1.7976931e+308";
    QTest::newRow("smallest denormal") << 4.9406564584124654e-324 << "5e-324";
    QTest::newRow("three-digit exponent, rounded") << 1.0 / 3e200 << "3.33333333e-201";
    QTest::newRow("negative exponent form") << -1.0 / 3e-200 << "-3.3333333e+199";
}

void TestNumberText::format() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatNumber(value)), text);
}

namespace {

// Every written number fits the display, reads back within the rounding of at least eight
// significant digits, and is written again the same way.
void checkFormat(double value) {
    const std::string text = formatNumber(value);
    QVERIFY2(text.size() <= displayLimit, text.c_str());
    const auto back = parseNumber(text);
    QVERIFY2(back.has_value(), text.c_str());
    QVERIFY2(formatNumber(*back) == text, text.c_str());
    QVERIFY2(std::fabs(*back - value) <= std::fabs(value) * 1e-7, text.c_str());
}

} // namespace

void TestNumberText::formatRoundTripsRandomValues() {
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_int_distribution<int> length(1, 15);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 100000; ++i) {
        double value = 0;
        const std::uint64_t raw = bits(random);
        std::memcpy(&value, &raw, sizeof value);
        if (std::isfinite(value)) {
            checkFormat(value);
        }
        // Numbers as a user types them: up to 15 digits with a point somewhere.
        std::string typed(length(random), '0');
        for (char& c : typed) {
            c = static_cast<char>('0' + digit(random));
        }
        typed[raw % typed.size()] = '.';
        if (const auto number = parseNumber(typed)) {
            checkFormat(*number);
        }
    }
}

void TestNumberText::formatNearTheEdgesOfTheRange() {
    double value = DBL_MAX;
    double small = DBL_TRUE_MIN;
    for (int i = 0; i < 1000; ++i) {
        checkFormat(value);
        checkFormat(-value);
        checkFormat(small);
        checkFormat(-small);
        value = std::nextafter(value, 0.0);
        small = std::nextafter(small, 1.0);
    }
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "test_number_text.moc"
