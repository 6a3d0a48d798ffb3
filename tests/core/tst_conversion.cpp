// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/numbertext.h"
#include "core/conversion.h"
#include "testsupport.h"

#include <QTest>

using namespace quorvel;
using quorvel::test::SeparatorScope;
using quorvel::test::Str;
using quorvel::test::WithSeparator;

namespace {

const std::string Separators[] = {",", "."};

const char* const Celsius = "Celsius' degree";
const char* const Kelvin = "Kelvin's degree";
const char* const Fahrenheit = "Fahrenheit's degree";
const char* const Reaumur = "Reaumur's degree";
const char* const Rankine = "Rankin's degree";

std::optional<ConversionResult> ByFactors(long double value, std::string_view sourceFactor,
                                          std::string_view targetFactor,
                                          std::string_view source = "a",
                                          std::string_view target = "b") {
    return Convert({value, sourceFactor, targetFactor, source, target, ConversionKind::ByFactors});
}

std::optional<ConversionResult> Temperature(long double value, std::string_view source,
                                            std::string_view target) {
    return Convert({value, "", "", source, target, ConversionKind::TemperatureScales});
}

} // namespace

class TestConversion : public QObject {
    Q_OBJECT

private slots:
    void workedExample_data();
    void workedExample();
    void factorTextsReadTheSameInAnyLocale_data();
    void factorTextsReadTheSameInAnyLocale();
    void sameUnitLeavesValueAndWritesLine();
    void convertsNothing_data();
    void convertsNothing();
    void onlyPositiveFactorsConvert_data();
    void onlyPositiveFactorsConvert();
    void reciprocalFactors_data();
    void reciprocalFactors();
    void zeroInReciprocalUnitIsRefused_data();
    void zeroInReciprocalUnitIsRefused();
    void temperatures_data();
    void temperatures();
    void temperatureRefusals_data();
    void temperatureRefusals();
    void temperatureOverflowConvertsNothing();
    void onlyTheExactGroupNameIsTemperature();
};

void TestConversion::workedExample_data() {
    QTest::addColumn<QString>("separator");
    for (const std::string& separator : Separators)
        QTest::addRow("%s", separator.c_str()) << QString::fromStdString(separator);
}

void TestConversion::workedExample() {
    QFETCH(QString, separator);
    SeparatorScope scope(Str(separator));
    // Upper picker metre (1), lower picker inch (0.0254); Up converts inch to metre.
    const auto up = ByFactors(1, "0.0254", "1", "inch", "metre");
    QVERIFY(up);
    QCOMPARE(up->line, WithSeparator("1 inch = 0,0254 metre", Str(separator)));
    const auto down = ByFactors(up->value, "1", "0.0254", "metre", "inch");
    QVERIFY(down);
    QCOMPARE(down->line, WithSeparator("0,0254 metre = 1 inch", Str(separator)));
    QCOMPARE(GeneralNumberText(down->value), std::string("1"));
}

void TestConversion::factorTextsReadTheSameInAnyLocale_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("factor");
    for (const std::string& separator : Separators) {
        for (const char* factor : {"0.0254", "0,0254", "2.54E-2", "2,54e-2", " 0.0254 "})
            QTest::addRow("%s %s", separator.c_str(), factor)
                << QString::fromStdString(separator) << factor;
    }
}

void TestConversion::factorTextsReadTheSameInAnyLocale() {
    QFETCH(QString, separator);
    QFETCH(QString, factor);
    SeparatorScope scope(Str(separator));
    const auto result = ByFactors(12, Str(factor), "1");
    QVERIFY(result);
    QCOMPARE(result->value, 12 * (0.0254L / 1));
}

void TestConversion::sameUnitLeavesValueAndWritesLine() {
    SeparatorScope scope(",");
    const auto result = ByFactors(5, "1", "1", "metre", "metre");
    QVERIFY(result);
    QCOMPARE(result->value, 5.0L);
    QCOMPARE(result->line, std::string("5 metre = 5 metre"));
}

void TestConversion::convertsNothing_data() {
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addRow("empty source factor") << 1.0L << ""
                                         << "1";
    QTest::addRow("empty target factor") << 1.0L << "1"
                                         << "";
    QTest::addRow("letters") << 1.0L << "one"
                             << "1";
    QTest::addRow("thousands separator") << 1.0L << "1,000.5"
                                         << "1";
    QTest::addRow("zero target factor") << 1.0L << "1"
                                        << "0";
    QTest::addRow("negative zero target factor") << 1.0L << "1"
                                                 << "-0.0";
    QTest::addRow("factor out of range") << 1.0L << "1E5000"
                                         << "1";
    QTest::addRow("quotient overflows") << 1.0L << "1E4000"
                                        << "1E-4000";
    QTest::addRow("product overflows") << 1e4000L << "1E1000"
                                       << "1";
    QTest::addRow("tab is not a space") << 1.0L << "\t1"
                                        << "1";
    QTest::addRow("zero source factor") << 7.0L << "0"
                                        << "2";
    QTest::addRow("negative source factor") << 12.0L << "-0.001"
                                            << "1";
    QTest::addRow("negative target factor") << 12.0L << "1"
                                            << "-0.001";
    QTest::addRow("0 into a reciprocal unit") << 0.0L << "1"
                                              << "100/x";
    QTest::addRow("reciprocal from a base beyond the range") << 1e4000L << "1E1000"
                                                             << "100/x";
    QTest::addRow("reciprocal from a tiny base") << 1e-4000L << "1E-4000"
                                                 << "100/x";
}

void TestConversion::convertsNothing() {
    QFETCH(long double, value);
    QFETCH(QString, source);
    QFETCH(QString, target);
    QVERIFY(!ByFactors(value, Str(source), Str(target)));
}

void TestConversion::onlyPositiveFactorsConvert_data() {
    QTest::addColumn<QString>("factor");
    QTest::addColumn<bool>("converts");
    const std::pair<const char*, bool> rows[] = {
        {"0.0254", true},  {"100/x", true}, {"100 / x ", true}, {"2,5/x", true},
        {"1.5E2/x", true}, {"0", false},    {"-0.001", false},  {"0/x", false},
        {"-100/x", false}, {"/x", false},   {"100/X", false},   {"100/x2", false},
        {"1/2/x", false},  {"x", false},    {"100/", false},    {"", false},
    };
    for (const auto& [factor, converts] : rows)
        QTest::addRow("'%s'", factor) << factor << converts;
}

void TestConversion::onlyPositiveFactorsConvert() {
    QFETCH(QString, factor);
    QFETCH(bool, converts);
    SeparatorScope scope(",");
    QCOMPARE(ConvertsByFactor(Str(factor)), converts);
    QCOMPARE(ByFactors(3, Str(factor), "1").has_value(), converts);
}

void TestConversion::reciprocalFactors_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("result");
    struct Row {
        const char* name;
        long double value;
        const char* source;
        const char* target;
        const char* result;
    };
    // Against kilometre per litre: litre per 100 km is 100/x, mile per US gallon the ordinary
    // 1.609344 / 3.785411784, US gallon per 100 miles 100 × 1.609344 / 3.785411784 over x (a
    // reciprocal's k is the base value of 1 of its unit).
    const char* const mpg = "0.4251437074302720034011497";
    const char* const gallonsPer100Miles = "42.51437074302720034011497/x";
    const Row rows[] = {
        {"reciprocal to base", 5, "100/x", "1", "20"},
        {"base to reciprocal", 20, "1", "100/x", "5"},
        {"blanks around x", 4, "100 / x", "1", "25"},
        {"negative value", -8, "100/x", "1", "-12,5"},
        {"ordinary to reciprocal", 30, mpg, "100/x", "7,84048611111111"},
        {"reciprocal to ordinary", 10, "100/x", mpg, "23,5214583333333"},
        {"reciprocal to reciprocal", 10, "100/x", gallonsPer100Miles, "4,25143707430272"},
        {"same reciprocal unit", 3, "100/x", "100/x", "3"},
    };
    for (const std::string& separator : Separators) {
        for (const Row& row : rows) {
            QTest::addRow("%s %s", separator.c_str(), row.name)
                << QString::fromStdString(separator) << row.value << row.source << row.target
                << QString::fromStdString(WithSeparator(row.result, separator));
        }
    }
}

void TestConversion::reciprocalFactors() {
    QFETCH(QString, separator);
    QFETCH(long double, value);
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, result);
    SeparatorScope scope(Str(separator));
    const auto converted = ByFactors(value, Str(source), Str(target));
    QVERIFY(converted);
    QCOMPARE(QString::fromStdString(GeneralNumberText(converted->value)), result);
    QCOMPARE(QString::fromStdString(converted->line),
             QString::fromStdString(GeneralNumberText(value)) + " a = " + result + " b");
}

void TestConversion::zeroInReciprocalUnitIsRefused_data() {
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("target");
    QTest::addRow("to an ordinary unit") << 0.0L << "1";
    QTest::addRow("to a reciprocal unit") << 0.0L << "50/x";
    QTest::addRow("negative zero") << -0.0L << "1";
}

void TestConversion::zeroInReciprocalUnitIsRefused() {
    QFETCH(long double, value);
    QFETCH(QString, target);
    try {
        ByFactors(value, "100/x", Str(target));
        QFAIL("no refusal");
    } catch (const EConversionRefused& refusal) { // one class for every refusal
        QVERIFY(dynamic_cast<const EReciprocalZero*>(&refusal));
        QCOMPARE(QString(refusal.what()), "The value cannot be 0 in a reciprocal unit");
    }
}

void TestConversion::temperatures_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("result");
    struct Row {
        const char* name;
        long double value;
        const char* source;
        const char* target;
        const char* result;
    };
    const Row rows[] = {
        {"100 C in F", 100, Celsius, Fahrenheit, "212"},
        {"100 C in K", 100, Celsius, Kelvin, "373,15"},
        {"100 C in Rankine", 100, Celsius, Rankine, "671,67"},
        {"100 C in Reaumur", 100, Celsius, Reaumur, "80"},
        {"100 C in C", 100, Celsius, Celsius, "100"},
        {"212 F in C", 212, Fahrenheit, Celsius, "100"},
        {"373.15 K in C", 373.15L, Kelvin, Celsius, "100"},
        {"671.67 Rankine in C", 671.67L, Rankine, Celsius, "100"},
        {"80 Reaumur in C", 80, Reaumur, Celsius, "100"},
        {"0 K in C", 0, Kelvin, Celsius, "-273,15"},
        {"lowest C in K", -273.15L, Celsius, Kelvin, "0"},
        {"lowest F passes", -459.67L, Fahrenheit, Celsius, "-273,15"},
        {"lowest Reaumur passes", -218.52L, Reaumur, Celsius, "-273,15"},
        {"0 Rankine in K", 0, Rankine, Kelvin, "0"},
        {"unknown names are Celsius", 42, "degree", "other degree", "42"},
        {"small k is Celsius", 5, "kelvin's degree", Celsius, "5"},
        {"F to K", 32, Fahrenheit, Kelvin, "273,15"},
    };
    struct AbsoluteZero {
        const char* scale;
        long double value;
        const char* text;
    };
    const AbsoluteZero absoluteZeros[] = {{Kelvin, 0, "0"},
                                          {Fahrenheit, -459.67L, "-459,67"},
                                          {Reaumur, -218.52L, "-218,52"},
                                          {Rankine, 0, "0"},
                                          {Celsius, -273.15L, "-273,15"}};
    for (const std::string& separator : Separators) {
        for (const Row& row : rows) {
            QTest::addRow("%s %s", separator.c_str(), row.name)
                << QString::fromStdString(separator) << row.value << row.source << row.target
                << QString::fromStdString(WithSeparator(row.result, separator));
        }
        for (const AbsoluteZero& from : absoluteZeros) {
            for (const AbsoluteZero& to : absoluteZeros) {
                if (from.scale != to.scale)
                    QTest::addRow("%s absolute zero, %s to %s", separator.c_str(), from.scale,
                                  to.scale)
                        << QString::fromStdString(separator) << from.value << from.scale << to.scale
                        << QString::fromStdString(WithSeparator(to.text, separator));
            }
        }
    }
}

void TestConversion::temperatures() {
    QFETCH(QString, separator);
    QFETCH(long double, value);
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, result);
    SeparatorScope scope(Str(separator));
    const auto converted = Temperature(value, Str(source), Str(target));
    QVERIFY(converted);
    QCOMPARE(QString::fromStdString(GeneralNumberText(converted->value)), result);
    QCOMPARE(QString::fromStdString(converted->line),
             QString::fromStdString(GeneralNumberText(value)) + " " + source + " = " + result +
                 " " + target);
    // The other arrow right after takes the value back to the first.
    std::optional<ConversionResult> back;
    QVERIFY_THROWS_NO_EXCEPTION(back = Temperature(converted->value, Str(target), Str(source)));
    QVERIFY(back);
    QCOMPARE(GeneralNumberText(back->value), GeneralNumberText(value));
}

void TestConversion::temperatureRefusals_data() {
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("message");
    const QString prefix = "The temperature in ";
    QTest::addRow("Kelvin") << -1.0L << Kelvin
                            << prefix + "Kelvin's degrees cannot be lower than  0 !";
    QTest::addRow("Fahrenheit") << -459.68L << Fahrenheit
                                << prefix + "Fahrenheit's degrees cannot be lower than  -459.67 !";
    QTest::addRow("Reaumur") << -218.53L << Reaumur
                             << prefix + "Reaumur's degrees cannot be lower than  -218.52 !";
    QTest::addRow("Rankine") << -1e-30L << Rankine
                             << prefix + "Rankin's degrees cannot be lower than  0 !";
    QTest::addRow("Celsius") << -300.0L << Celsius
                             << prefix + "Celsius' degrees cannot be lower than  -273.15 !";
    QTest::addRow("other name as Celsius")
        << -273.16L << "KELVIN'S DEGREE"
        << prefix + "Celsius' degrees cannot be lower than  -273.15 !";
}

void TestConversion::temperatureRefusals() {
    QFETCH(long double, value);
    QFETCH(QString, source);
    QFETCH(QString, message);
    for (const char* target : {Celsius, Kelvin, Fahrenheit}) {
        try {
            Temperature(value, Str(source), target);
            QFAIL("no refusal");
        } catch (const ETemperatureBound& refusal) {
            QCOMPARE(QString(refusal.what()), message);
        }
    }
}

void TestConversion::temperatureOverflowConvertsNothing() {
    QVERIFY(!Temperature(1e4932L, Fahrenheit, Celsius));
    QVERIFY(!Temperature(1e4932L, Celsius, Fahrenheit));
    QVERIFY_THROWS_EXCEPTION(EOverflow, ToCelsius(Fahrenheit, 1e4932L)); // the first step fails
}

void TestConversion::onlyTheExactGroupNameIsTemperature() {
    QCOMPARE(ConversionKindOf("Temperature"), ConversionKind::TemperatureScales);
    QCOMPARE(ConversionKindOf("temperature"), ConversionKind::ByFactors);
    QCOMPARE(ConversionKindOf("Temperature "), ConversionKind::ByFactors);
}

QTEST_APPLESS_MAIN(TestConversion)
#include "tst_conversion.moc"
