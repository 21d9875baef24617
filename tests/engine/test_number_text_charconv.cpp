// SPDX-License-Identifier: MIT
// The number texts against libstdc++'s <charconv>: the engine writes with fmt and reads with
// fast_float on every runtime, and must write and read exactly what std::to_chars and
// std::from_chars do here, over many doubles and texts, near the edges above all.
#include "decimal_forms.h"
#include "number_text.h"

#include <QtTest>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace varnik;

static_assert(std::numeric_limits<long double>::digits >= 54,
              "the midpoint between two doubles must be a long double");

namespace {

std::string toChars(double value, std::chars_format format) {
    char buffer[400];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value, format).ptr);
}

std::string toChars(double value, std::chars_format format, int precision) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, result.ptr);
}

// What parseNumber read before, past its syntax check: from_chars, which takes no plus sign.
std::optional<double> fromChars(std::string_view text) {
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

double readDouble(const std::string& text) {
    return fromChars(text).value();
}

QString bitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return QString::number(bits, 16);
}

QString describe(const std::optional<double>& value) {
    return value ? QString::fromStdString(toChars(*value, std::chars_format::scientific)) + " (" +
                       bitsOf(*value) + ")"
                 : QString("no number");
}

// Counts the differences and keeps the first few for the failure message.
class Differences {
public:
    void add(const QString& what) {
        if (++m_count <= 8) {
            m_first << what;
        }
    }
    int count() const { return m_count; }
    QByteArray report() const {
        return (QString::number(m_count) + " differences, the first:\n" + m_first.join('\n'))
            .toUtf8();
    }

private:
    int m_count = 0;
    QStringList m_first;
};

void compareText(Differences& differences, const QString& form, double value,
                 const std::string& ours, const std::string& runtime) {
    if (ours != runtime) {
        differences.add(QString("%1 of %2: \"%3\", runtime \"%4\"")
                            .arg(form, bitsOf(value), QString::fromStdString(ours),
                                 QString::fromStdString(runtime)));
    }
}

// Doubles of every kind, each with its negative.
std::vector<double> sampleDoubles() {
    std::vector<double> values;
    std::mt19937_64 random(20261208);
    const auto addWithNeighbours = [&values](double value) {
        for (const double near :
             {value, std::nextafter(value, 0.0), std::nextafter(value, DBL_MAX)}) {
            if (std::isfinite(near)) {
                values.push_back(near);
            }
        }
    };
    // Random bit patterns: every exponent, and more of them from 1e-30 to 2^53, where the digits
    // after the point count (a large number's exact plain digits are slow to write).
    for (int i = 0; i < 60000; ++i) {
        std::uint64_t bits = random();
        if (i % 6 != 0) {
            bits = (bits & 0x800fffffffffffff) | std::uint64_t(924 + bits % 152) << 52;
        }
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) {
            values.push_back(value);
        }
    }
    // Denormals.
    for (int i = 0; i < 10000; ++i) {
        values.push_back(std::ldexp(static_cast<double>(random() >> 12), -1074));
    }
    // Decimal-looking values, as typed or as results near them: 1 to 17 digits.
    std::uniform_int_distribution<int> digitCount(1, 17);
    std::uniform_int_distribution<int> smallExponent(-25, 8);
    for (int i = 0; i < 40000; ++i) {
        std::string digits(static_cast<std::size_t>(digitCount(random)), '0');
        for (char& digit : digits) {
            digit = static_cast<char>('0' + random() % 10);
        }
        addWithNeighbours(readDouble(digits + "e" + std::to_string(smallExponent(random))));
    }
    // Powers of ten and of two over the whole range, and the range's ends.
    for (int exponent = -323; exponent <= 308; ++exponent) {
        addWithNeighbours(readDouble("1e" + std::to_string(exponent)));
    }
    for (int exponent = -1074; exponent <= 1023; ++exponent) {
        addWithNeighbours(std::ldexp(1.0, exponent));
    }
    double low = DBL_TRUE_MIN;
    double normal = DBL_MIN;
    double high = DBL_MAX;
    for (int i = 0; i < 1000; ++i) {
        values.insert(values.end(), {low, normal, high});
        low = std::nextafter(low, 1.0);
        normal = std::nextafter(normal, 0.0);
        high = std::nextafter(high, 0.0);
    }
    // Halves, quarters, eighths ... of small whole numbers: rounding meets an exact tie.
    for (int power = 1; power <= 60; ++power) {
        for (int i = 0; i < 200; ++i) {
            values.push_back(std::ldexp(static_cast<double>(random() % 2000000 | 1), -power));
        }
    }
    values.push_back(0);
    const std::size_t positive = values.size();
    for (std::size_t i = 0; i < positive; ++i) {
        values.push_back(-values[i]);
    }
    return values;
}

// The exact decimal text of the value halfway between a double and the next one up (for the
// largest double, the first value that rounds to infinity).
std::string midpointAbove(double value) {
    const long double step =
        value == DBL_MAX ? std::ldexp(1.0L, 971)
                         : static_cast<long double>(std::nextafter(value, INFINITY)) - value;
    char text[900];
    std::snprintf(text, sizeof text, "%.800Le", value + step / 2);
    std::string exact = text;
    const auto e = exact.find('e');
    const auto lastDigit = exact.find_last_not_of('0', e - 1);
    return exact.substr(0, lastDigit + 1) + exact.substr(e);
}

// Texts with the number syntax: the written forms of the sample doubles, random texts of every
// shape (long mantissas, leading zeros, exponents at and beyond the range) and the texts at,
// just above and just below the halfway points where reading rounds either way.
std::vector<std::string> sampleTexts(const std::vector<double>& doubles) {
    std::vector<std::string> texts;
    std::mt19937_64 random(20261209);
    for (std::size_t i = 0; i < doubles.size(); i += 8) {
        texts.push_back(toChars(doubles[i], std::chars_format::scientific));
        texts.push_back(toChars(doubles[i], std::chars_format::fixed));
    }
    const auto below = [&random](int n) { return static_cast<int>(random() % std::uint64_t(n)); };
    const auto digits = [&](int count, bool zeros) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += static_cast<char>('0' + (zeros ? 0 : below(10)));
        }
        return text;
    };
    const int exponentRanges[][2] = {{-30, 30}, {-345, -300}, {290, 330}, {-100000, 100000}};
    for (int i = 0; i < 100000; ++i) {
        const int sign = below(4);
        std::string text = sign == 0 ? "-" : sign == 1 ? "+" : "";
        text += std::string(below(5) == 0 ? below(30) : 0, '0');
        const bool zeros = below(20) == 0;
        const int integerDigits = below(3) == 0 ? 0 : 1 + below(25);
        text += digits(integerDigits, zeros);
        const int decimals = integerDigits == 0 ? 1 + below(25) : below(2) * below(25);
        if (decimals > 0 || below(4) == 0) {
            text += "." + digits(decimals, zeros);
        }
        if (below(3) > 0) {
            const auto& range = exponentRanges[below(4)];
            const int exponent = range[0] + below(range[1] - range[0] + 1);
            text += below(2) ? "e" : "E";
            text += exponent < 0 ? "-" : below(2) ? "+" : "";
            text += std::string(below(3), '0') + std::to_string(std::abs(exponent));
        }
        texts.push_back(text);
    }
    std::vector<double> halfways = {0, DBL_MAX, DBL_MIN, std::nextafter(DBL_MIN, 0.0),
                                    DBL_TRUE_MIN};
    for (std::size_t i = 0; i < doubles.size() && halfways.size() < 3000; i += 97) {
        halfways.push_back(std::fabs(doubles[i]));
    }
    for (const double value : halfways) {
        const std::string exact = midpointAbove(value);
        const auto e = exact.find('e');
        std::string lower = exact.substr(0, e);
        --lower.back(); // the last digit of a halfway text is a 5
        texts.push_back(exact);
        texts.push_back(exact.substr(0, e) + "000001" + exact.substr(e));
        texts.push_back(lower + "9999999" + exact.substr(e));
        texts.push_back("-" + exact);
    }
    return texts;
}

} // namespace

class TestNumberTextCharconv : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void shortestForms();
    void roundedForms();
    void reading();

private:
    std::vector<double> m_doubles;
    std::vector<std::string> m_texts;
};

// Every sample, but under AddressSanitizer, in an unoptimised build where fmt's exact arithmetic
// runs some 30 times slower, every tenth: that build looks for memory errors, not differences.
template <typename T> std::vector<T> thinnedUnderSanitizer(std::vector<T> samples) {
#ifdef __SANITIZE_ADDRESS__
    for (std::size_t i = 0; i < samples.size() / 10; ++i) {
        samples[i] = samples[i * 10];
    }
    samples.resize(samples.size() / 10);
#endif
    return samples;
}

void TestNumberTextCharconv::initTestCase() {
    const std::vector<double> doubles = sampleDoubles();
    m_texts = thinnedUnderSanitizer(sampleTexts(doubles));
    m_doubles = thinnedUnderSanitizer(doubles);
}

void TestNumberTextCharconv::shortestForms() {
    Differences differences;
    for (const double value : m_doubles) {
        compareText(differences, "plain", value, decimal::shortestPlain(value),
                    toChars(value, std::chars_format::fixed));
        compareText(differences, "exponent", value, decimal::shortestScientific(value),
                    toChars(value, std::chars_format::scientific));
    }
    qInfo("%zu doubles in both shortest forms", m_doubles.size());
    QVERIFY2(differences.count() == 0, differences.report().constData());
}

void TestNumberTextCharconv::roundedForms() {
    // Every precision the display can use, and some beyond, in turn.
    constexpr int precisions = 18;
    Differences differences;
    for (std::size_t i = 0; i < m_doubles.size(); ++i) {
        const double value = m_doubles[i];
        const int decimals = static_cast<int>(i % precisions);
        compareText(differences, QString("plain, %1 decimals,").arg(decimals), value,
                    decimal::roundedPlain(value, decimals),
                    toChars(value, std::chars_format::fixed, decimals));
        const int mantissaDecimals = precisions - 1 - decimals;
        compareText(differences, QString("exponent, %1 decimals,").arg(mantissaDecimals), value,
                    decimal::roundedScientific(value, mantissaDecimals),
                    toChars(value, std::chars_format::scientific, mantissaDecimals));
    }
    qInfo("%zu doubles in both rounded forms", m_doubles.size());
    QVERIFY2(differences.count() == 0, differences.report().constData());
}

void TestNumberTextCharconv::reading() {
    Differences differences;
    for (const std::string& text : m_texts) {
        const auto ours = parseNumber(text);
        const auto runtime = fromChars(text);
        if (ours.has_value() != runtime.has_value() ||
            (ours && bitsOf(*ours) != bitsOf(*runtime))) {
            differences.add(QString("\"%1\": %2, runtime %3")
                                .arg(QString::fromStdString(text).left(120), describe(ours),
                                     describe(runtime)));
        }
    }
    qInfo("%zu texts read", m_texts.size());
    QVERIFY2(differences.count() == 0, differences.report().constData());
}

QTEST_APPLESS_MAIN(TestNumberTextCharconv)
#include "test_number_text_charconv.moc"
