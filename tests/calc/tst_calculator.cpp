// The calculator engine driven key by key: after every key the value text is checked, and at
// the end of a sequence the flags where they matter. Every table runs with a comma and with a
// point as decimal separator.

#include "calc/calculator.h"
#include "calc/errors.h"
#include "testsupport.h"

#include <QStringList>
#include <QTest>
#include <map>

using namespace quorvel;
using quorvel::test::SeparatorScope;
using quorvel::test::Str;
using quorvel::test::WithSeparator;

namespace {

const std::map<QString, TCalcAction>& Keys() {
    static const std::map<QString, TCalcAction> keys = {
        {"0", ca0},           {"1", ca1},          {"2", ca2},           {"3", ca3},
        {"4", ca4},           {"5", ca5},          {"6", ca6},           {"7", ca7},
        {"8", ca8},           {"9", ca9},          {",", caDecSep},      {"+", caPlus},
        {"-", caMinus},       {"*", caMulty},      {"/", caDivide},      {"=", caEqual},
        {"sqrt", caSqrt},     {"%", caPerCent},    {"1/x", caInverse},   {"+/-", caSignChange},
        {"C", caClear},       {"CE", caClearEntr}, {"BS", caBackSpace},  {"M+", caMemPlus},
        {"M-", caMemMinus},   {"MR", caMemRecall}, {"MC", caMemClear},   {"sin", caSin},
        {"cos", caCos},       {"tg", caTg},        {"ctg", caCtg},       {"arcsin", caArcSin},
        {"arccos", caArcCos}, {"arctg", caArcTg},  {"sh", caSh},         {"th", caTh},
        {"arsh", caArSh},     {"ln", caLn},        {"lg", caLg},         {"log", caLog},
        {"exp", caExp},       {"3root", ca3root},  {"sqr", caSqr},       {"x3", caX3},
        {"xy", caXY},         {"pow", caPower},    {"n!", caFactorial},  {"pi", caPI},
        {"sec", caSec},       {"cosec", caCosec},  {"arcctg", caArcCtg}, {"ch", caCh},
        {"cth", caCth},       {"sech", caSech},    {"cosech", caCosech}, {"arch", caArCh},
        {"arth", caArTh},     {"arcth", caArCth},
    };
    return keys;
}

const std::map<QString, TAngularMeasure> Measures = {
    {"rad", amRad}, {"deg", amDeg}, {"grad", amGrad}, {"cyc", amCycle}};

// Writes one key; returns the error message it raised, or an empty text.
QString Press(TQZCalculator& calculator, const QString& key) {
    if (Measures.count(key)) {
        calculator.SetAngularMeasure(Measures.at(key));
        return {};
    }
    try {
        calculator.SetAction(Keys().at(key));
    } catch (const Error& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

// Entering, TakeOperand and EqualArmed as three letters, upper case for true: "eTA".
QString Flags(const TQZCalculator& calculator) {
    QString flags;
    flags += calculator.Entering() ? 'E' : 'e';
    flags += calculator.TakeOperand() ? 'T' : 't';
    flags += calculator.EqualArmed() ? 'A' : 'a';
    return flags;
}

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT

private slots:
    void keySequences_data();
    void keySequences();
    void restoredEngineStartsEntering();
    void sameValueWrittenTwiceChangesNothing();
    void hugeValueIgnoresDigits();
    void valueWriteOfNoNumberKeepsTheNumber();
    void failedOperationKeyKeepsOperation();
    void memoryKeysUseTheActiveCell();
    void ordinalsPastTheLastActionDoNothing();
};

void TestCalculator::keySequences_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("keys");     // space-separated
    QTest::addColumn<QString>("displays"); // value text after each key; "!" marks a failing key
    QTest::addColumn<QString>("error");    // the failing keys' message
    QTest::addColumn<QString>("flags");    // after the last key, see Flags(); empty: unchecked
    struct Row {
        const char* name;
        const char* keys;
        const char* displays;
        const char* error;
        const char* flags;
    };
    const Row rows[] = {
        {"repeated equals", "2 + 3 = = =", "2 2 3 5 8 11", "", "etA"},
        {"no precedence", "2 + 3 * 4 =", "2 2 3 5 4 20", "", ""},
        {"operation replaced", "2 + * 3 =", "2 2 2 3 6", "", ""},
        {"operation twice computes nothing", "9 + +", "9 9 9", "", "eTA"},
        {"typed number after equals not taken", "2 + 3 = 7 =", "2 2 3 5 7 8", "", ""},
        {"percent of a sum", "2 0 0 + 1 0 % =", "2 20 200 200 1 10 220 220", "", "eTa"},
        {"percent of a difference", "2 0 0 - 1 0 %", "2 20 200 200 1 10 180", "", ""},
        {"percent of a product", "2 0 0 * 1 0 %", "2 20 200 200 1 10 20", "", ""},
        {"percent of a quotient", "2 0 0 / 1 0 %", "2 20 200 200 1 10 2000", "", ""},
        {"percent without operation", "5 %", "5 5", "", ""},
        {"percent of a power keeps the value", "2 xy 3 %", "2 2 3 3", "", ""},
        {"logarithm to a base", "8 log 2 =", "8 8 2 3", "", ""},
        {"power", "2 xy 1 0 =", "2 2 1 10 1024", "", ""},
        {"power key", "2 pow 1 0 =", "2 2 1 10 1024", "", ""},
        {"square becomes first operand", "2 * 3 sqr =", "2 2 3 9 81", "", ""},
        {"pi as second operand", "2 * pi =", "2 2 3,14159265358979 6,28318530717959", "", ""},
        {"double zero", "0 0", "0 0", "", "eta"},
        {"zero then digit", "0 5", "0 05", "", "Eta"},
        {"separator first", ",", "0,", "", "Eta"},
        {"separator twice", "1 , , 5", "1 1, 1, 1,5", "", ""},
        {"zero after separator stays", "0 , 0", "0 0, 0,0", "", ""},
        {"sign change while typing", "5 +/- 3", "5 -5 -53", "", "Eta"},
        {"separator after minus zero", "0 +/- ,", "0 0 0,", "", ""},
        {"backspace to minus", "5 +/- BS", "5 -5 0", "", ""},
        {"backspace to nothing", "7 BS", "7 0", "", "eta"},
        {"backspace of a fraction", "1 , 5 BS BS", "1 1, 1,5 1, 1", "", "Eta"},
        {"backspace after equals", "2 + 3 = BS", "2 2 3 5 5", "", ""},
        {"memory plus finishes the pending operation", "2 + 3 M+ MR", "2 2 3 5 5", "", ""},
        {"memory minus", "2 + 3 M- MR", "2 2 3 5 -5", "", ""},
        {"memory clear keeps the pending operation", "7 M+ 3 + MC 4 =", "7 7 3 3 3 4 7", "", ""},
        {"clear entry keeps the operation", "2 + 3 CE 4 =", "2 2 3 0 4 6", "", ""},
        {"clear drops the operation", "2 + 3 C 4 =", "2 2 3 0 4 4", "", "etA"},
        {"square root", "9 sqrt + 1 =", "9 3 3 1 4", "", ""},
        {"reciprocal", "4 1/x", "4 0,25", "", "etA"},
        {"functions", "5 n! 3root x3 ln", "5 120 4,93242414866094 120 4,78749174278205", "", "eTA"},
        {"exponential and logarithm", "0 exp 1 0 0 0 lg", "0 1 1 10 100 1000 3", "", ""},
        {"sine in degrees", "deg 3 0 sin", "3 30 0,5", "", ""},
        {"arc sine in degrees", "deg 1 arcsin", "1 90", "", ""},
        {"sine in grads", "grad 1 0 0 sin", "1 10 100 1", "", ""},
        {"cosine in cycles", "cyc 0 , 5 cos", "0 0, 0,5 -1", "", ""},
        {"tangent in radians", "1 tg", "1 1,5574077246549", "", ""},
        {"hyperbolic", "1 sh arsh", "1 1,1752011936438 1", "", ""},
        {"division by zero", "5 / 0 = = 2 =", "5 5 0 0! 0! 02 2,5", "Division by zero", ""},
        {"clear after a failure", "5 / 0 = C", "5 5 0 0! 0", "Division by zero", "etA"},
        {"square root of a negative", "1 +/- sqrt", "1 -1 -1!", "Negativ value", "EtA"},
        {"reciprocal of zero", "0 1/x", "0 0!", "Division by zero", ""},
        {"arc sine beyond one", "2 arcsin", "2 2!", "Invalid value", ""},
        {"cotangent of zero", "0 ctg", "0 0!", "Floating point division by zero", ""},
        {"factorial too large", "2 0 0 0 n!", "2 20 200 2000 2000!", "Overflow", ""},
    };
    for (const char* separator : {",", "."}) {
        for (const Row& row : rows) {
            QTest::addRow("%s %s", separator, row.name)
                << separator << QString(row.keys)
                << QString::fromStdString(WithSeparator(row.displays, separator))
                << QString(row.error) << QString(row.flags);
        }
    }
}

void TestCalculator::keySequences() {
    QFETCH(QString, separator);
    QFETCH(QString, keys);
    QFETCH(QString, displays);
    QFETCH(QString, error);
    QFETCH(QString, flags);
    SeparatorScope scope(Str(separator));
    TQZCalculator calculator;
    const QStringList keyList = keys.split(' ');
    QStringList expected = displays.split(' ');
    int shown = 0;
    for (const QString& key : keyList) {
        const QString raised = Press(calculator, key);
        if (Measures.count(key))
            continue;
        QVERIFY2(shown < expected.size(), "more keys than displays");
        QString display = expected[shown++];
        const bool shouldFail = display.endsWith('!');
        if (shouldFail)
            display.chop(1);
        QVERIFY2(shouldFail == !raised.isEmpty(), qPrintable(key + ": " + raised));
        if (shouldFail)
            QCOMPARE(raised, error);
        QCOMPARE(QString::fromStdString(calculator.Value()), display);
    }
    QCOMPARE(shown, expected.size());
    if (!flags.isEmpty())
        QCOMPARE(Flags(calculator), flags);
}

void TestCalculator::restoredEngineStartsEntering() {
    // A window restores Value, the memory's Value and CellsQuantity, then Action.
    TQZCalculator calculator;
    calculator.SetValue("0");
    calculator.Memory().SetValue("0");
    calculator.Memory().SetCellsQuantity(10);
    calculator.SetAction(ca0);
    QCOMPARE(calculator.Value(), std::string("0"));
    QVERIFY(calculator.Entering());
    QCOMPARE(calculator.Action(), ca0);
    QCOMPARE(calculator.Operation(), coNone);
    QCOMPARE(calculator.AngularMeasure(), amRad);
}

void TestCalculator::sameValueWrittenTwiceChangesNothing() {
    TQZCalculator calculator;
    calculator.SetValue("12");
    calculator.EndEntry();
    QVERIFY(calculator.TakeOperand());
    calculator.SetValue("12");
    QVERIFY(calculator.TakeOperand()); // not reset by the second write
    calculator.SetValue("13");
    QVERIFY(!calculator.TakeOperand());
    QCOMPARE(calculator.Current(), 13.0L);
}

void TestCalculator::hugeValueIgnoresDigits() {
    TQZCalculator calculator;
    calculator.SetValue("2E4931");
    calculator.SetAction(ca5);
    calculator.SetAction(ca1);
    QCOMPARE(calculator.Value(), std::string("2E4931"));
    QVERIFY(!calculator.Entering());
    calculator.SetValue("1E4931");
    calculator.SetAction(ca7);
    QCOMPARE(calculator.Value(), std::string("7"));
}

void TestCalculator::valueWriteOfNoNumberKeepsTheNumber() {
    TQZCalculator calculator;
    calculator.SetValue("42");
    calculator.SetValue("abc");
    QCOMPARE(calculator.Value(), std::string(""));
    QCOMPARE(calculator.Current(), 42.0L);
    calculator.SetValue("");
    QCOMPARE(calculator.Value(), std::string("0"));
    QCOMPARE(calculator.Current(), 0.0L);
}

void TestCalculator::failedOperationKeyKeepsOperation() {
    TQZCalculator calculator;
    for (TCalcAction key : {ca5, caDivide, ca0})
        calculator.SetAction(key);
    QVERIFY_THROWS_EXCEPTION(EMathError, calculator.SetAction(caPlus));
    QCOMPARE(calculator.Operation(), coDivide);
    QCOMPARE(calculator.Second(), 0.0L);
    QCOMPARE(calculator.First(), 5.0L);
    QCOMPARE(calculator.Value(), std::string("0"));
}

void TestCalculator::memoryKeysUseTheActiveCell() {
    TQZCalculator calculator;
    calculator.Memory().SetActiveCell(3);
    for (TCalcAction key : {ca4, caMemPlus, ca6, caMemPlus})
        calculator.SetAction(key);
    QCOMPARE(calculator.Memory().Value(), std::string("10"));
    calculator.Memory().SetActiveCell(1);
    calculator.SetAction(caMemRecall);
    QCOMPARE(calculator.Value(), std::string("0"));
    calculator.Memory().SetActiveCell(3);
    calculator.SetAction(caMemClear);
    QCOMPARE(calculator.Memory().Value(), std::string("0"));
    QVERIFY(calculator.TakeOperand());
}

void TestCalculator::ordinalsPastTheLastActionDoNothing() {
    TQZCalculator calculator;
    calculator.SetAction(ca7);
    calculator.SetAction(static_cast<TCalcAction>(100));
    QCOMPARE(calculator.Value(), std::string("7"));
    QCOMPARE(static_cast<int>(calculator.Action()), 100);
    calculator.SetAction(static_cast<TCalcAction>(128 + 3)); // reduced modulo 128: digit 3
    QCOMPARE(calculator.Value(), std::string("73"));
}

QTEST_APPLESS_MAIN(TestCalculator)
#include "tst_calculator.moc"
