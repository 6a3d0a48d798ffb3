// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator engine driven key by key: after every key the value text is checked, and at
// the end of a sequence the flags where they matter. Every table runs with a comma and with a
// point as decimal separator.

#include "calc/calculatorengine.h"
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

const std::map<QString, CalculatorAction>& Keys() {
    static const std::map<QString, CalculatorAction> keys = {
        {"0", CalculatorAction::Digit0},
        {"1", CalculatorAction::Digit1},
        {"2", CalculatorAction::Digit2},
        {"3", CalculatorAction::Digit3},
        {"4", CalculatorAction::Digit4},
        {"5", CalculatorAction::Digit5},
        {"6", CalculatorAction::Digit6},
        {"7", CalculatorAction::Digit7},
        {"8", CalculatorAction::Digit8},
        {"9", CalculatorAction::Digit9},
        {",", CalculatorAction::DecimalSeparator},
        {"+", CalculatorAction::Add},
        {"-", CalculatorAction::Subtract},
        {"*", CalculatorAction::Multiply},
        {"/", CalculatorAction::Divide},
        {"=", CalculatorAction::Equal},
        {"sqrt", CalculatorAction::SquareRoot},
        {"%", CalculatorAction::Percent},
        {"1/x", CalculatorAction::Reciprocal},
        {"+/-", CalculatorAction::SignChange},
        {"C", CalculatorAction::Clear},
        {"CE", CalculatorAction::ClearEntry},
        {"BS", CalculatorAction::Backspace},
        {"M+", CalculatorAction::MemoryAdd},
        {"M-", CalculatorAction::MemorySubtract},
        {"MR", CalculatorAction::MemoryRecall},
        {"MC", CalculatorAction::MemoryClear},
        {"sin", CalculatorAction::Sin},
        {"cos", CalculatorAction::Cos},
        {"tg", CalculatorAction::Tan},
        {"ctg", CalculatorAction::Cot},
        {"arcsin", CalculatorAction::ArcSin},
        {"arccos", CalculatorAction::ArcCos},
        {"arctg", CalculatorAction::ArcTan},
        {"sh", CalculatorAction::Sinh},
        {"th", CalculatorAction::Tanh},
        {"arsh", CalculatorAction::ArSinh},
        {"ln", CalculatorAction::Ln},
        {"lg", CalculatorAction::Lg},
        {"log", CalculatorAction::LogBase},
        {"exp", CalculatorAction::Exp},
        {"3root", CalculatorAction::CubeRoot},
        {"sqr", CalculatorAction::Square},
        {"x3", CalculatorAction::Cube},
        {"xy", CalculatorAction::XToTheY},
        {"pow", CalculatorAction::Power},
        {"n!", CalculatorAction::Factorial},
        {"pi", CalculatorAction::Pi},
        {"sec", CalculatorAction::Sec},
        {"cosec", CalculatorAction::Cosec},
        {"arcctg", CalculatorAction::ArcCot},
        {"ch", CalculatorAction::Cosh},
        {"cth", CalculatorAction::Coth},
        {"sech", CalculatorAction::Sech},
        {"cosech", CalculatorAction::Cosech},
        {"arch", CalculatorAction::ArCosh},
        {"arth", CalculatorAction::ArTanh},
        {"arcth", CalculatorAction::ArCoth},
    };
    return keys;
}

const std::map<QString, AngleMeasure> Measures = {{"rad", AngleMeasure::Radians},
                                                  {"deg", AngleMeasure::Degrees},
                                                  {"grad", AngleMeasure::Grads},
                                                  {"cyc", AngleMeasure::Cycles}};

// Writes one key; returns the error message it raised, or an empty text. Besides the keys, "V:t"
// writes the text t (with "," for the decimal separator) to Value and "end" calls EndEntry.
QString Press(CalculatorEngine& calculator, const QString& key) {
    if (Measures.count(key)) {
        calculator.SetAngularMeasure(Measures.at(key));
        return {};
    }
    if (key.startsWith("V:")) {
        calculator.SetValue(WithSeparator(Str(key.mid(2)), DecimalSeparator()));
        return {};
    }
    if (key == "end") {
        calculator.EndEntry();
        return {};
    }
    try {
        calculator.SetAction(Keys().at(key));
    } catch (const Error& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

const char* OperationName(CalculatorOperation operation) {
    static const char* const names[] = {"none", "+", "-", "*", "/", "xy", "log"};
    return names[static_cast<int>(operation)];
}

// Entering, TakeOperand and EqualArmed as three letters, upper case for true, then First, Second
// and Operation: "eTA 5 3 +".
QString State(const CalculatorEngine& calculator) {
    QString state;
    state += calculator.Entering() ? 'E' : 'e';
    state += calculator.TakeOperand() ? 'T' : 't';
    state += calculator.EqualArmed() ? 'A' : 'a';
    state += QString(" %1 %2 %3")
                 .arg(QString::fromStdString(GeneralNumberText(calculator.First())),
                      QString::fromStdString(GeneralNumberText(calculator.Second())),
                      OperationName(calculator.Operation()));
    return state;
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
    QTest::addColumn<QString>("state");    // after the last key, see State(); the flags alone when
                                           // three letters; empty: unchecked
    struct Row {
        const char* name;
        const char* keys;
        const char* displays;
        const char* error;
        const char* state;
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
        {"logarithm of a power is whole", "1 0 0 0 lg - 3 =", "1 10 100 1000 3 3 3 0", "", ""},
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
        // Chains, memory and what each kind of key leaves behind.
        {"chain of three", "5 + 5 + 5 =", "5 5 5 10 5 15", "", "etA 15 5 +"},
        {"digit keeps the operands", "2 + 3", "2 2 3", "", "ETA 2 0 +"},
        {"operation key starts a chain", "2 +", "2 2", "", "eTA 2 0 +"},
        {"operation key finishes the pending one", "2 + 3 *", "2 2 3 5", "", "eTA 5 3 *"},
        {"operation key after a value write", "2 + V:7 -", "2 2 7 7", "", "eTA 7 0 -"},
        {"equals", "2 + 3 =", "2 2 3 5", "", "etA 5 3 +"},
        {"percent", "2 0 0 + 1 0 %", "2 20 200 200 1 10 220", "", "eTa 220 220 none"},
        {"unary function", "2 + 4 sqr", "2 2 4 16", "", "eTA 16 0 +"},
        {"unary function while not entering", "2 + 3 = lg", "2 2 3 5 0,698970004336019", "",
         "eTA 0,698970004336019 3 +"},
        {"square root of the second operand", "2 + 9 sqrt", "2 2 9 3", "", "etA 3 0 +"},
        {"reciprocal of the second operand", "2 + 4 1/x", "2 2 4 0,25", "", "etA 2 0 +"},
        {"sign change", "2 + 5 +/-", "2 2 5 -5", "", "ETA 2 0 +"},
        {"clear entry", "2 + 3 CE", "2 2 3 0", "", "eTA 2 0 +"},
        {"clear entry arms equals", "5 CE", "5 0", "", "etA 0 0 none"},
        {"clear", "2 + 3 C", "2 2 3 0", "", "etA 2 0 none"},
        {"backspace keeps the operands", "2 + 3 4 BS", "2 2 3 34 3", "", "ETA 2 0 +"},
        {"backspace to nothing after an operation", "2 + 7 BS", "2 2 7 0", "", "etA 2 0 +"},
        {"memory plus ends the pending operation", "2 + 3 M+ 4 =", "2 2 3 5 4 4", "",
         "etA 4 3 none"},
        {"memory plus without a pending operation", "5 M+", "5 5", "", "eta 0 0 none"},
        {"memory plus finishing arms equals", "2 + 3 % 4 M+", "2 2 3 2,06 4 4", "", "etA 4 4 none"},
        {"memory minus finishes", "9 - 3 M-", "9 9 3 6", "", "etA 6 3 none"},
        {"memory recall is the second operand", "2 + 3 = MR =", "2 2 3 5 0 5", "", "etA 5 0 +"},
        {"memory recall keeps the flags", "2 + MR", "2 2 0", "", "eTA 2 0 +"},
        {"memory recall while entering", "7 M+ 2 + 3 MR", "7 7 2 2 3 7", "", "eTA 2 7 +"},
        {"memory clear", "7 MC", "7 7", "", "eTa 0 0 none"},
        {"memory clear takes the shown value", "2 + 3 = MC =", "2 2 3 5 5 10", "", ""},
        {"pi", "2 * pi", "2 2 3,14159265358979", "", "eTA 2 0 *"},
        {"value write", "2 + 3 V:12", "2 2 3 12", "", "etA 2 0 +"},
        {"end of entry", "5 end", "5 5", "", "eTa 0 0 none"},
        {"percent after equals", "2 + 3 = %", "2 2 3 5 5", "", "eTa 5 5 none"},
        {"separator starts a new number", "2 + 3 = , +", "2 2 3 5 0, 0,", "", "eTA 0 3 +"},
        {"backspace to nothing is zero", "7 BS + 1 =", "7 0 0 1 1", "", ""},
        {"backspace leaves the shorter number", "1 2 3 BS + 1 =", "1 12 123 12 12 1 13", "", ""},
        {"pi ends entry", "5 pi", "5 3,14159265358979", "", "eTA 0 0 none"},
        {"digit after a value of no number", "V:-- 5", "-- --!",
         "'--' is not a valid floating point value", ""},
        {"hyperbolic cosine, tangent and cotangent", "1 ch V:1 th V:1 cth",
         "1 1,54308063481524 1 0,761594155955765 1 1,31303528549933", "", ""},
        {"reciprocal hyperbolic", "1 sech V:1 cosech", "1 0,648054273663885 1 0,850918128239322",
         "", ""},
        {"inverse hyperbolic", "2 arch V:0,5 arth V:2 arcth",
         "2 1,31695789692482 0,5 0,549306144334055 2 0,549306144334055", "", ""},
        {"arc tangents in degrees", "deg 1 arctg V:1 arcctg", "1 45 1 45", "", ""},
        // Angles: whole turns are reduced exactly, quarter turns give exact values.
        {"arc sine in grads", "grad 1 arcsin", "1 100", "", ""},
        {"arc sine in cycles", "cyc 1 arcsin", "1 0,25", "", ""},
        {"arc cosine in degrees", "deg 0 arccos", "0 90", "", ""},
        {"sine of a half turn", "deg 1 8 0 sin", "1 18 180 0", "", ""},
        {"sine of a whole turn", "deg 3 6 0 sin", "3 36 360 0", "", ""},
        {"sine of minus a quarter turn", "deg V:-90 sin", "-90 -1", "", ""},
        {"sine of minus a half turn", "deg 1 8 0 +/- sin", "1 18 180 -180 0", "", ""},
        {"cosine of a quarter turn", "deg 9 0 cos", "9 90 0", "", ""},
        {"cosine of minus a quarter turn", "grad 1 0 0 +/- cos", "1 10 100 -100 0", "", ""},
        {"cosine of a half turn in grads", "grad 2 0 0 cos", "2 20 200 -1", "", ""},
        {"tangent of a half turn", "deg 1 8 0 tg", "1 18 180 0", "", ""},
        {"tangent of an eighth turn in grads", "grad 5 0 tg - 1 =", "5 50 1 1 1 0", "", ""},
        {"cotangent of three eighth turns in grads", "grad 1 5 0 ctg + 1 =", "1 15 150 -1 -1 1 0",
         "", ""},
        {"tangent at its pole", "deg 9 0 tg", "9 90 -3,98679762981171E19", "", ""},
        {"tangent at its pole a turn later", "deg V:450 tg", "450 -3,98679762981171E19", "", ""},
        {"cotangent of a quarter turn", "cyc V:0,25 ctg", "0,25 0", "", ""},
        {"cotangent of a whole turn", "deg V:3600 ctg", "3600 3600!",
         "Floating point division by zero", ""},
        {"secant of a half turn", "deg 1 8 0 sec", "1 18 180 -1", "", ""},
        {"cosecant of three quarter turns", "cyc V:0,75 cosec", "0,75 -1", "", ""},
        {"cosecant of a whole turn", "cyc V:-3 cosec", "-3 -3!", "Invalid value", ""},
        {"sine of a large angle", "deg V:1E15 sin", "1E15 -0,984807753012208", "", ""},
        {"cosine many turns on", "grad V:40000,5 cos", "40000,5 0,99996915764479", "", ""},
        {"sine in the first turn as before", "deg V:359 sin", "359 -0,0174524064372835", "", ""},
        {"sine in radians unreduced", "V:1E15 sin", "1E15 0,858272793170236", "", ""},
        // Next to a zero or pole only the remainder after whole quarter turns is turned into
        // radians, so the result keeps its digits.
        {"sine next to a half turn", "deg V:180,000001 sin", "180,000001 -1,74532925199607E-8", "",
         ""},
        {"tangent next to three quarter turns", "grad V:300,000012861483 tg",
         "300,000012861483 -4949816,22544908", "", ""},
        {"sine next to a half turn in cycles", "cyc V:0,4999999 sin",
         "0,4999999 6,28318530717933E-7", "", ""},
        // Inverse functions give whole quarter and eighth turns exactly.
        {"arc sine of one is a whole quarter turn", "deg 1 arcsin - 9 0 =", "1 90 90 9 90 0", "",
         ""},
        {"arc cosine of minus one is a whole half turn",
         "deg 1 +/- arccos - 1 8 0 =", "1 -1 180 180 1 18 180 0", "", ""},
        {"arc sine of one in cycles", "cyc 1 arcsin - 0 , 2 5 =", "1 0,25 0,25 0 0, 0,2 0,25 0", "",
         ""},
        {"arc tangent of minus one in cycles",
         "cyc 1 +/- arctg + 0 , 1 2 5 =", "1 -1 -0,125 -0,125 0 0, 0,1 0,12 0,125 0", "", ""},
    };
    for (const char* separator : {",", "."}) {
        for (const Row& row : rows) {
            QTest::addRow("%s %s", separator, row.name)
                << separator << QString(row.keys)
                << QString::fromStdString(WithSeparator(row.displays, separator))
                << QString(row.error)
                << QString::fromStdString(WithSeparator(row.state, separator));
        }
    }
}

void TestCalculator::keySequences() {
    QFETCH(QString, separator);
    QFETCH(QString, keys);
    QFETCH(QString, displays);
    QFETCH(QString, error);
    QFETCH(QString, state);
    SeparatorScope scope(Str(separator));
    CalculatorEngine calculator;
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
    if (!state.isEmpty())
        QCOMPARE(State(calculator).left(state.size() == 3 ? 3 : -1), state);
}

void TestCalculator::restoredEngineStartsEntering() {
    // A window restores Value, the memory's Value and CellsQuantity, then Action.
    CalculatorEngine calculator;
    calculator.SetValue("0");
    calculator.Memory().SetValue("0");
    calculator.Memory().SetCellsQuantity(10);
    calculator.SetAction(CalculatorAction::Digit0);
    QCOMPARE(calculator.Value(), std::string("0"));
    QVERIFY(calculator.Entering());
    QCOMPARE(calculator.Action(), CalculatorAction::Digit0);
    QCOMPARE(calculator.Operation(), CalculatorOperation::None);
    QCOMPARE(calculator.AngularMeasure(), AngleMeasure::Radians);
}

void TestCalculator::sameValueWrittenTwiceChangesNothing() {
    CalculatorEngine calculator;
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
    CalculatorEngine calculator;
    calculator.SetValue("2E4931");
    calculator.SetAction(CalculatorAction::Digit5);
    calculator.SetAction(CalculatorAction::Digit1);
    QCOMPARE(calculator.Value(), std::string("2E4931"));
    QVERIFY(!calculator.Entering());
    calculator.SetValue("1E4931");
    calculator.SetAction(CalculatorAction::Digit7);
    QCOMPARE(calculator.Value(), std::string("7"));
}

void TestCalculator::valueWriteOfNoNumberKeepsTheNumber() {
    CalculatorEngine calculator;
    calculator.SetValue("42");
    calculator.SetValue("abc");
    QCOMPARE(calculator.Value(), std::string(""));
    QCOMPARE(calculator.Current(), 42.0L);
    calculator.SetValue("");
    QCOMPARE(calculator.Value(), std::string("0"));
    QCOMPARE(calculator.Current(), 0.0L);
}

void TestCalculator::failedOperationKeyKeepsOperation() {
    CalculatorEngine calculator;
    for (CalculatorAction key :
         {CalculatorAction::Digit5, CalculatorAction::Divide, CalculatorAction::Digit0})
        calculator.SetAction(key);
    QVERIFY_THROWS_EXCEPTION(EMathError, calculator.SetAction(CalculatorAction::Add));
    QCOMPARE(calculator.Operation(), CalculatorOperation::Divide);
    QCOMPARE(calculator.Second(), 0.0L);
    QCOMPARE(calculator.First(), 5.0L);
    QCOMPARE(calculator.Value(), std::string("0"));
}

void TestCalculator::memoryKeysUseTheActiveCell() {
    CalculatorEngine calculator;
    calculator.Memory().SetActiveCell(3);
    for (CalculatorAction key : {CalculatorAction::Digit4, CalculatorAction::MemoryAdd,
                                 CalculatorAction::Digit6, CalculatorAction::MemoryAdd})
        calculator.SetAction(key);
    QCOMPARE(calculator.Memory().Value(), std::string("10"));
    calculator.Memory().SetActiveCell(1);
    calculator.SetAction(CalculatorAction::MemoryRecall);
    QCOMPARE(calculator.Value(), std::string("0"));
    calculator.Memory().SetActiveCell(3);
    calculator.SetAction(CalculatorAction::MemoryClear);
    QCOMPARE(calculator.Memory().Value(), std::string("0"));
    QVERIFY(calculator.TakeOperand());
}

void TestCalculator::ordinalsPastTheLastActionDoNothing() {
    CalculatorEngine calculator;
    calculator.SetAction(CalculatorAction::Digit7);
    calculator.SetAction(static_cast<CalculatorAction>(100));
    QCOMPARE(calculator.Value(), std::string("7"));
    QCOMPARE(static_cast<int>(calculator.Action()), 100);
    calculator.SetAction(static_cast<CalculatorAction>(128 + 3)); // reduced modulo 128: digit 3
    QCOMPARE(calculator.Value(), std::string("73"));
}

QTEST_APPLESS_MAIN(TestCalculator)
#include "tst_calculatorengine.moc"
