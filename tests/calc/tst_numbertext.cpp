// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/errors.h"
#include "calc/numbertext.h"
#include "testsupport.h"

#include <QTest>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <mpfr.h>
#include <random>

Q_DECLARE_METATYPE(long double)

using namespace quorvel;
using quorvel::test::SeparatorScope;
using quorvel::test::Str;
using quorvel::test::WithSeparator;

namespace {

const std::string Separators[] = {",", "."};

// The decimal text of a long double, correctly rounded to `digits` significant digits by MPFR:
// the reference the program's own text is checked against.
std::string MpfrDigits(long double x, int digits, long& exponent) {
    mpfr_t m;
    mpfr_init2(m, 64);
    mpfr_set_ld(m, x, MPFR_RNDN);
    char* s = mpfr_get_str(nullptr, &exponent, 10, digits, m, MPFR_RNDN);
    std::string text = s[0] == '-' ? s + 1 : s;
    mpfr_free_str(s);
    mpfr_clear(m);
    return text;
}

// The long double nearest to a decimal text, by MPFR (normal range only).
long double MpfrParse(const std::string& text) {
    mpfr_t m;
    mpfr_init2(m, 64);
    mpfr_set_str(m, text.c_str(), 10, MPFR_RNDN);
    const long double x = mpfr_get_ld(m, MPFR_RNDN);
    mpfr_clear(m);
    return x;
}

std::string RandomDecimal(std::mt19937_64& random, int maxDigits, int minExponent,
                          int maxExponent) {
    std::uniform_int_distribution<int> digitCount(1, maxDigits);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(minExponent, maxExponent);
    std::string text = std::to_string(1 + digit(random) % 9);
    for (int k = digitCount(random); k > 1; --k)
        text += static_cast<char>('0' + digit(random));
    return text + "e" + std::to_string(exponent(random));
}

// A random finite long double whose binary exponent is uniform over [minExp, maxExp].
long double RandomValue(std::mt19937_64& random, int minExp, int maxExp) {
    const auto mantissa = static_cast<long double>(random() | (1ULL << 63));
    std::uniform_int_distribution<int> exponent(minExp, maxExp);
    const long double x = std::ldexp(mantissa, exponent(random) - 64);
    return random() & 1 ? -x : x;
}

// A value and its expected text, written with a comma; added once per separator.
struct ValueRow {
    const char* name;
    long double value;
    const char* text;
};

void AddValueRows(std::initializer_list<ValueRow> rows) {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("text");
    for (const std::string& separator : Separators) {
        for (const ValueRow& row : rows) {
            QTest::addRow("%s %s", separator.c_str(), row.name)
                << QString::fromStdString(separator) << row.value
                << QString::fromStdString(WithSeparator(row.text, separator));
        }
    }
}

} // namespace

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void generalNumberText_data();
    void generalNumberText();
    void displayExponentText_data();
    void displayExponentText();
    void cleanNumberText_data();
    void cleanNumberText();
    void parseAcceptsTheGrammar_data();
    void parseAcceptsTheGrammar();
    void parseRejects_data();
    void parseRejects();
    void parseErrorQuotesAReadableText_data();
    void parseErrorQuotesAReadableText();
    void parseIsCorrectlyRounded();
    void parseIsCorrectlyRoundedForLongTexts();
    void parseIndependentOfProcessLocale();
    void expansionIsCorrectlyRounded();
    void expansionBreaksTiesToEven_data();
    void expansionBreaksTiesToEven();
    void generalTextRoundTrips();
    void multiByteSeparator();
};

void TestNumberText::generalNumberText_data() {
    AddValueRows({
        {"one third", 1.0L / 3, "0,333333333333333"},
        {"two thirds", 2.0L / 3, "0,666666666666667"},
        {"fifteen digits", 123456789012345.0L, "123456789012345"},
        {"ten to the fifteenth", 1e15L, "1E15"},
        {"smallest plain", 0.0001L, "0,0001"},
        {"below plain", 0.00001L, "1E-5"},
        {"negative small", -1.5e-7L, "-1,5E-7"},
        {"negative zero", -0.0L, "0"},
        {"zero", 0.0L, "0"},
        {"integer", 100.0L, "100"},
        {"negative integer", -2.0L, "-2"},
        {"fraction", 1234.5L, "1234,5"},
        {"rounds up into exponent form", 999999999999999.6L, "1E15"},
        {"rounds up to plain", 0.00009999999999999999L, "0,0001"},
        {"carry through nines", 0.9999999999999999L, "1"},
        {"largest", LDBL_MAX, "1,18973149535723E4932"},
        {"smallest normal", LDBL_MIN, "3,36210314311209E-4932"},
        {"denormal counts as zero", LDBL_MIN / 4, "0"},
        {"negative denormal counts as zero", -LDBL_MIN / 4, "0"},
        {"large exponent", -2.5e300L, "-2,5E300"},
    });
}

void TestNumberText::generalNumberText() {
    QFETCH(long double, value);
    QFETCH(QString, text);
    QFETCH(QString, separator);
    SeparatorScope scope(Str(separator));
    QCOMPARE(QString::fromStdString(GeneralNumberText(value)), text);
}

void TestNumberText::displayExponentText_data() {
    AddValueRows({
        {"ten to the fifteenth", 1e15L, "1,000000000000E+15"},
        {"sample of a fresh display", -123456789e-1234L, "-1,234567890000E-1226"},
        {"long integer", 1234567890123456789012.0L, "1,234567890123E+21"},
        {"half", 0.5L, "5,000000000000E-1"},
        {"rounds at the thirteenth digit", 2.0L / 3, "6,666666666667E-1"},
        {"carry into the exponent", 9.9999999999999e20L, "1,000000000000E+21"},
        {"zero", 0.0L, "0,000000000000E+0"},
    });
}

void TestNumberText::displayExponentText() {
    QFETCH(long double, value);
    QFETCH(QString, text);
    QFETCH(QString, separator);
    SeparatorScope scope(Str(separator));
    QCOMPARE(QString::fromStdString(DisplayExponentText(value)), text);
}

void TestNumberText::cleanNumberText_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("cleaned");
    struct Row {
        const char* name;
        const char* input;
        const char* cleaned;
    };
    const Row rows[] = {
        {"unit and grouping", "1 234,5 kg", "1234,5"},
        {"assignment", "x=1e5", "1e5"},
        {"keeps signs and exponent letters", "ab-c+E", "-+E"},
        {"empty", "", ""},
        {"no-break space grouping", "12\u00A0345,6", "12345,6"},
        {"letters only", "kg", ""},
        {"two minus signs stay", "--1", "--1"},
    };
    for (const std::string& separator : Separators) {
        for (const Row& row : rows) {
            QTest::addRow("%s %s", separator.c_str(), row.name)
                << QString::fromStdString(separator)
                << QString::fromStdString(WithSeparator(row.input, separator))
                << QString::fromStdString(WithSeparator(row.cleaned, separator));
        }
    }
    // The other locale's separator is not a separator here and goes.
    QTest::addRow(", foreign point") << ","
                                     << "1.5"
                                     << "15";
}

void TestNumberText::cleanNumberText() {
    QFETCH(QString, input);
    QFETCH(QString, cleaned);
    QFETCH(QString, separator);
    SeparatorScope scope(Str(separator));
    QCOMPARE(QString::fromStdString(CleanNumberText(Str(input))), cleaned);
}

void TestNumberText::parseAcceptsTheGrammar_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<long double>("value");
    struct Row {
        const char* name;
        const char* text;
        long double value;
    };
    const Row rows[] = {
        {"spaces and sign", " -1,5e3 ", -1500.0L},
        {"separator alone", ",", 0.0L},
        {"digits then separator", "5,", 5.0L},
        {"separator then digits", ",5", 0.5L},
        {"exponent letter without digits", "5E", 5.0L},
        {"exponent sign without digits", "5E-", 5.0L},
        {"plus sign", "+7", 7.0L},
        {"small exponent letter", "2,5e-3", 0.0025L},
        {"four exponent digits", "1E4931", 1e4931L},
        {"leading exponent zeros", "1E0000000000005", 1e5L},
        {"exponent 500", "1E500", 1e500L},
        {"denormal result", "1E-4940", 1e-4940L},
        {"underflow to zero", "1E-4999", 0.0L},
        {"largest value", "1,18973149535723176502E4932", LDBL_MAX},
        {"many leading zeros", "0000000000000000000000012", 12.0L},
        {"point after exponent digits reach 500", "1E499", 1e499L},
    };
    for (const std::string& separator : Separators) {
        for (const Row& row : rows) {
            QTest::addRow("%s %s", separator.c_str(), row.name)
                << QString::fromStdString(separator)
                << QString::fromStdString(WithSeparator(row.text, separator)) << row.value;
        }
    }
}

void TestNumberText::parseAcceptsTheGrammar() {
    QFETCH(QString, text);
    QFETCH(long double, value);
    QFETCH(QString, separator);
    SeparatorScope scope(Str(separator));
    const long double parsed = ParseNumberText(Str(text));
    QVERIFY2(parsed == value, GeneralNumberText(parsed).c_str());
}

void TestNumberText::parseRejects_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    struct Row {
        const char* name;
        const char* text;
    };
    const Row rows[] = {
        {"thousands grouping", "1 234"},
        {"empty", ""},
        {"spaces only", "   "},
        {"minus alone", "-"},
        {"plus alone", "+"},
        {"exponent alone", "E5"},
        {"two separators", "1,2,3"},
        {"five exponent digits", "1E49310"},
        {"exponent digit after 500", "1E5000"},
        {"negative exponent digit after 500", "1E-5000"},
        {"above the range", "1,2E4932"},
        {"mantissa too long for the range", "9999999999E4931"},
        {"two exponents", "1e5e5"},
        {"two signs", "--1"},
        {"tab after", "1\t"},
        {"tab before", "\t1"},
        {"hexadecimal", "0x10"},
        {"two exponent signs", "1E+-5"},
        {"space before exponent", "1 E5"},
        {"nan", "nan"},
        {"infinity", "inf"},
        {"letters after", "12kg"},
    };
    for (const std::string& separator : Separators) {
        for (const Row& row : rows) {
            QTest::addRow("%s %s", separator.c_str(), row.name)
                << QString::fromStdString(separator)
                << QString::fromStdString(WithSeparator(row.text, separator));
        }
    }
    QTest::addRow(", other locale's point") << ","
                                            << "1.5";
    QTest::addRow(". other locale's comma") << "."
                                            << "1,5";
}

void TestNumberText::parseRejects() {
    QFETCH(QString, text);
    QFETCH(QString, separator);
    SeparatorScope scope(Str(separator));
    QVERIFY_THROWS_EXCEPTION(EConvertError, ParseNumberText(Str(text)));
}

// The error names the text: whole where short, cut to a readable length where long.
void TestNumberText::parseErrorQuotesAReadableText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("quoted");
    QTest::addRow("text with blanks whole") << QByteArray(" 1 234") << QByteArray(" 1 234");
    QTest::addRow("40 characters whole") << QByteArray(40, 'x') << QByteArray(40, 'x');
    QTest::addRow("100 MB text cut") << QByteArray(100 << 20, 'x') << QByteArray(40, 'x') + "...";
    QTest::addRow("cut after a whole character")
        << QByteArray("\xC2\xB5").repeated(41) << QByteArray("\xC2\xB5").repeated(40) + "...";
}

void TestNumberText::parseErrorQuotesAReadableText() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, quoted);
    SeparatorScope scope(",");
    try {
        ParseNumberText(text.toStdString());
        QFAIL("no error");
    } catch (const EConvertError& error) {
        QCOMPARE(QByteArray(error.what()), "'" + quoted + "' is not a valid floating point value");
    }
}

void TestNumberText::parseIsCorrectlyRounded() {
    SeparatorScope scope(".");
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = RandomDecimal(random, 30, -4900, 4900);
        const long double expected = MpfrParse(text);
        const long double parsed = ParseNumberText(text);
        QVERIFY2(parsed == expected, text.c_str());
        QVERIFY2(-ParseNumberText("-" + text) == expected, text.c_str());
    }
}

void TestNumberText::parseIsCorrectlyRoundedForLongTexts() {
    SeparatorScope scope(",");
    std::mt19937_64 random(7);
    for (int i = 0; i < 20; ++i) {
        std::string digits = RandomDecimal(random, 5000, 0, 0);
        digits.resize(digits.find('e'));
        const std::string text = digits.substr(0, 3) + "," + digits.substr(3) + "E-7";
        const long double expected =
            MpfrParse(digits.substr(0, 3) + "." + digits.substr(3) + "e-7");
        QVERIFY(ParseNumberText(text) == expected);
    }
    // A halfway case decided only by a digit far behind: 2^64 + 1 lies exactly between two
    // extended numbers; any non-zero digit after it must round up.
    const std::string halfway = "18446744073709551617";
    QVERIFY(ParseNumberText(halfway) == 18446744073709551616.0L);
    QVERIFY(ParseNumberText(halfway + "," + std::string(100000, '0') + "1") ==
            18446744073709551618.0L);
    // A ten-million-digit mantissa still reads.
    QCOMPARE(ParseNumberText("0," + std::string(10000000, '0') + "1E499"), 0.0L);
}

void TestNumberText::parseIndependentOfProcessLocale() {
    // A process locale whose decimal point is a comma (Qt sets the process locale from the
    // environment) must not change how texts are read or written.
    const std::string saved = setlocale(LC_NUMERIC, nullptr);
    if (!setlocale(LC_NUMERIC, "de_DE.UTF-8") || localeconv()->decimal_point != std::string(","))
        QSKIP("no locale with a decimal comma is installed");
    SeparatorScope scope(".");
    const long double parsed = ParseNumberText("1.25");
    const std::string written = GeneralNumberText(1.25L);
    setlocale(LC_NUMERIC, saved.c_str());
    QCOMPARE(parsed, 1.25L);
    QCOMPARE(written, std::string("1.25"));
}

void TestNumberText::expansionIsCorrectlyRounded() {
    std::mt19937_64 random(99);
    for (int i = 0; i < 20000; ++i) {
        const long double x = RandomValue(random, LDBL_MIN_EXP, LDBL_MAX_EXP);
        long exponent = 0;
        std::string expected = MpfrDigits(x, 18, exponent);
        expected.erase(expected.find_last_not_of('0') + 1);
        const DecimalDigits d = RoundedDigits(x, 18);
        QCOMPARE(d.digits, expected);
        QCOMPARE(d.exponent, static_cast<int>(exponent));
        QCOMPARE(d.negative, x < 0);
    }
}

void TestNumberText::expansionBreaksTiesToEven_data() {
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("digits");
    // Nineteen-digit integers below 2^63 are exact; a final 5 is a tie at the 18th digit.
    QTest::addRow("tie rounds down to even") << 1000000000000000005.0L << "1";
    QTest::addRow("tie rounds up to even") << 1000000000000000015.0L << "100000000000000002";
    QTest::addRow("tie stays even") << 1000000000000000025.0L << "100000000000000002";
    QTest::addRow("above tie rounds up") << 1000000000000000006.0L << "100000000000000001";
}

void TestNumberText::expansionBreaksTiesToEven() {
    QFETCH(long double, value);
    QFETCH(QString, digits);
    QCOMPARE(QString::fromStdString(RoundedDigits(value, 18).digits), digits);
}

void TestNumberText::generalTextRoundTrips() {
    for (const std::string& separator : Separators) {
        SeparatorScope scope(separator);
        std::mt19937_64 random(12345);
        for (int i = 0; i < 20000; ++i) {
            // Clear of both ends, where a 15-digit text may round out of the normal range.
            const long double x = RandomValue(random, LDBL_MIN_EXP + 2, LDBL_MAX_EXP - 2);
            const std::string text = GeneralNumberText(x);
            const long double back = ParseNumberText(text);
            QCOMPARE(GeneralNumberText(back), text);
            // Within half a unit of the 15th digit (plus the 18-digit pre-rounding).
            const DecimalDigits d = RoundedDigits(x, 15);
            const long double unit = std::pow(10.0L, d.exponent - 15);
            QVERIFY2(std::fabs(back - x) <= 0.5005L * unit, text.c_str());
        }
    }
}

void TestNumberText::multiByteSeparator() {
    SeparatorScope scope("\u066B"); // Arabic decimal separator, two bytes in UTF-8
    QCOMPARE(ParseNumberText("1\u066B5"), 1.5L);
    QCOMPARE(GeneralNumberText(0.25L), std::string("0\u066B25"));
    QCOMPARE(CleanNumberText("x 1\u066B5 \u0661"), std::string("1\u066B5"));
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
