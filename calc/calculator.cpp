#include "calc/calculator.h"

#include "calc/numbertext.h"
#include "calc/qzmath.h"

#include <array>
#include <cmath>
#include <limits>

namespace quorvel {

namespace {

// A circular function of an angle in radians, with its exact values at 0, 1, 2 and 3 quarter
// turns. Pole marks a quarter turn where it has none: there the converted angle gives what it
// always gave, a large finite number (tan 90 degrees) or the function's error at 0.
struct CircularFunction {
    long double (*ofRadians)(long double);
    std::array<long double, 4> atQuarterTurns;
};

constexpr long double Pole = std::numeric_limits<long double>::quiet_NaN();

constexpr CircularFunction SinFunction{Sin, {0, 1, 0, -1}};
constexpr CircularFunction CosFunction{Cos, {1, 0, -1, 0}};
constexpr CircularFunction TanFunction{Tan, {0, Pole, 0, Pole}};
constexpr CircularFunction CotFunction{Cot, {Pole, 0, Pole, 0}};
constexpr CircularFunction SecFunction{Sec, {1, Pole, -1, Pole}};
constexpr CircularFunction CosecFunction{Cosec, {Pole, 1, Pole, -1}};

// One full turn in the measure; radians have none that a number holds exactly.
long double FullTurn(TAngularMeasure measure) {
    switch (measure) {
    case amRad: return 0;
    case amDeg: return 360;
    case amGrad: return 400;
    case amCycle: return 1;
    }
    return 0;
}

long double ToRadians(long double x, TAngularMeasure measure) {
    switch (measure) {
    case amRad: return x;
    case amDeg: return x * QZConst::DegToRad;
    case amGrad: return x * QZConst::GradToRad;
    case amCycle: return x * QZConst::TwoPi;
    }
    return x;
}

long double FromRadians(long double x, TAngularMeasure measure) {
    switch (measure) {
    case amRad: return x;
    case amDeg: return x * QZConst::RadToDeg;
    case amGrad: return x * QZConst::RadToGrad;
    case amCycle: return x / QZConst::TwoPi;
    }
    return x;
}

// Degrees, grads and cycles are first reduced to less than a full turn, which fmod does
// exactly: one multiplication of a large angle by a rounded factor would lose every digit. At
// whole quarter turns the function's exact value is taken, since the rounded factor puts
// sin 180 degrees at about -5E-20 instead of 0.
long double OfAngle(const CircularFunction& function, long double x, TAngularMeasure measure) {
    const long double turn = FullTurn(measure);
    if (turn == 0)
        return function.ofRadians(x);
    const long double angle = std::fmod(x, turn);
    const long double quarter = turn / 4;
    if (std::fmod(angle, quarter) == 0) {
        const int quarters = static_cast<int>(angle / quarter);
        const long double exact = function.atQuarterTurns[(quarters + 4) % 4];
        if (!std::isnan(exact))
            return exact;
    }
    return function.ofRadians(ToRadians(angle, measure));
}

// The text without its last character (which may take several bytes).
void DropLastCharacter(std::string& text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
        text.pop_back();
    if (!text.empty())
        text.pop_back();
}

} // namespace

std::string TQZCalculator::Value() const {
    return CleanNumberText(valueText_);
}

void TQZCalculator::SetValue(const std::string& text) {
    // An empty text means 0, also when the value text is empty after a write of no number.
    const std::string& written = text.empty() ? std::string("0") : text;
    if (written == valueText_)
        return;
    entering_ = false;
    takeOperand_ = false;
    valueText_ = CleanNumberText(written);
    try {
        current_ = ParseNumberText(valueText_);
    } catch (const EConvertError&) {
        // The text stays as typed or pasted; the number keeps its previous value.
    }
}

void TQZCalculator::SetAction(TCalcAction action) {
    action_ = action;
    Perform(static_cast<int>(action) % 128);
}

void TQZCalculator::EndEntry() {
    entering_ = false;
    takeOperand_ = true;
}

void TQZCalculator::Show(long double x) {
    current_ = x;
    valueText_ = GeneralNumberText(x);
}

void TQZCalculator::Calculate() {
    equalArmed_ = true;
    long double result = current_;
    switch (operation_) {
    case coNone: break;
    case coPlus: result = SafeAdd(first_, second_); break;
    case coMinus: result = SafeSub(first_, second_); break;
    case coMulty: result = SafeMul(first_, second_); break;
    case coDivide: result = SafeDiv(first_, second_); break;
    case coPower: result = Power(first_, second_); break;
    case coLog: result = LogN(second_, first_); break;
    }
    Show(result);
    first_ = current_;
    entering_ = false;
    takeOperand_ = true;
}

void TQZCalculator::SelectOperation(TCalcOperation operation) {
    if (!takeOperand_) {
        first_ = current_;
        takeOperand_ = true;
    } else if (current_ != first_ || entering_) {
        // A pending operation is finished first; a second operation key in a row, or a change
        // of operation before a number is typed, computes nothing.
        second_ = current_;
        Calculate();
    }
    operation_ = operation;
    entering_ = false;
    takeOperand_ = true;
    equalArmed_ = true;
}

void TQZCalculator::FinishFunction() {
    first_ = current_;
    entering_ = false;
    takeOperand_ = true;
    equalArmed_ = true;
}

template <typename Function> void TQZCalculator::Unary(Function function) {
    Show(function(current_));
    FinishFunction();
}

void TQZCalculator::Digit(char digit) {
    current_ = ParseNumberText(valueText_);
    if (current_ >= QZConst::DigitLimit)
        return; // the only limit on typing: no digits once the value is this large
    try {
        if (entering_) {
            valueText_ += digit;
            current_ = ParseNumberText(valueText_);
            if (current_ == 0 && valueText_.find(DecimalSeparator()) == std::string::npos)
                SetValue("0"); // leading zeros collapse to one 0, which ends entry
        } else {
            valueText_ = std::string(1, digit);
            current_ = digit - '0';
            entering_ = true;
        }
    } catch (const EConvertError&) {
        // The digit stays in the text; the number keeps its previous value.
    }
}

void TQZCalculator::AppendSeparator() {
    const std::string& separator = DecimalSeparator();
    if (valueText_.find(separator) != std::string::npos)
        return;
    if (!entering_) {
        valueText_ = "0" + separator;
        current_ = 0;
    } else {
        valueText_ += separator;
        current_ = ParseNumberText(valueText_);
        if (current_ == 0)
            valueText_ = "0" + separator; // -0 followed by the separator becomes 0,
    }
    entering_ = true;
}

void TQZCalculator::Equal() {
    if (!equalArmed_)
        return;
    if (takeOperand_)
        second_ = current_;
    Calculate();
    takeOperand_ = false;
    equalArmed_ = true;
}

void TQZCalculator::PerCent() {
    if (!equalArmed_)
        return;
    if (takeOperand_) {
        second_ = current_;
        const long double a = first_;
        const long double b = second_;
        switch (operation_) {
        case coPlus: current_ = SafeAdd(a, SafeDiv(SafeMul(a, b), 100)); break;
        case coMinus: current_ = SafeSub(a, SafeDiv(SafeMul(a, b), 100)); break;
        case coMulty: current_ = SafeDiv(SafeMul(a, b), 100); break;
        case coDivide: current_ = SafeMul(SafeDiv(a, b), 100); break;
        default: break;
        }
    }
    valueText_ = GeneralNumberText(current_);
    first_ = current_;
    second_ = current_;
    operation_ = coNone;
    takeOperand_ = true;
    equalArmed_ = false;
    entering_ = false;
}

void TQZCalculator::SquareRoot() {
    equalArmed_ = true;
    Show(SafeSqrt(current_));
    first_ = current_;
    takeOperand_ = false;
    entering_ = false;
}

void TQZCalculator::Reciprocal() {
    equalArmed_ = true;
    Show(Inverse(current_));
    entering_ = false;
    takeOperand_ = false;
}

void TQZCalculator::SignChange() {
    Show(-ParseNumberText(valueText_));
}

void TQZCalculator::ClearEntry() {
    Show(0);
    entering_ = false;
    equalArmed_ = true;
}

void TQZCalculator::Clear() {
    ClearEntry();
    operation_ = coNone;
    takeOperand_ = false;
}

void TQZCalculator::BackSpace() {
    if (!entering_)
        return;
    const size_t length = CharacterCount(valueText_);
    if (length < 2) {
        current_ = 0;
        valueText_ = "0";
        takeOperand_ = false;
        entering_ = false;
        return;
    }
    DropLastCharacter(valueText_);
    if (length == 2 && valueText_ == "-")
        valueText_ = "0";
    current_ = ParseNumberText(valueText_);
}

void TQZCalculator::MemoryAdd(bool subtract) {
    if (takeOperand_ && (current_ != first_ || entering_)) {
        second_ = current_;
        Calculate();
        operation_ = coNone;
    }
    entering_ = false;
    takeOperand_ = false;
    const long double m = memory_.M();
    memory_.SetM(subtract ? SafeSub(m, current_) : SafeAdd(m, current_));
    memory_.SetValue(GeneralNumberText(memory_.M()));
}

void TQZCalculator::MemoryRecall() {
    Show(memory_.M());
    second_ = current_;
    entering_ = false;
}

void TQZCalculator::MemoryClear() {
    // Clears the active cell and ends entry; the pending operation and its first operand are
    // left alone, so a calculation under way is not disturbed.
    memory_.SetM(0);
    memory_.SetValue("0");
    takeOperand_ = true;
    entering_ = false;
}

void TQZCalculator::ShowPi() {
    Show(PiValue());
    entering_ = false;
    takeOperand_ = true;
    equalArmed_ = true;
}

void TQZCalculator::Perform(int action) {
    if (action >= ca0 && action <= ca9) {
        Digit(static_cast<char>('0' + action));
        return;
    }
    auto trig = [this](const CircularFunction& f) {
        Unary([&](long double x) { return OfAngle(f, x, angularMeasure_); });
    };
    auto inverseTrig = [this](long double (*f)(long double)) {
        Unary([&](long double x) { return FromRadians(f(x), angularMeasure_); });
    };
    auto plain = [this](long double (*f)(long double)) { Unary(f); };
    switch (action) {
    case caDecSep: return AppendSeparator();
    case caPlus: return SelectOperation(coPlus);
    case caMinus: return SelectOperation(coMinus);
    case caMulty: return SelectOperation(coMulty);
    case caDivide: return SelectOperation(coDivide);
    case caEqual: return Equal();
    case caSqrt: return SquareRoot();
    case caPerCent: return PerCent();
    case caInverse: return Reciprocal();
    case caSignChange: return SignChange();
    case caClear: return Clear();
    case caClearEntr: return ClearEntry();
    case caBackSpace: return BackSpace();
    case caMemPlus: return MemoryAdd(false);
    case caMemMinus: return MemoryAdd(true);
    case caMemRecall: return MemoryRecall();
    case caMemClear: return MemoryClear();
    case caSin: return trig(SinFunction);
    case caCos: return trig(CosFunction);
    case caTg: return trig(TanFunction);
    case caCtg: return trig(CotFunction);
    case caSec: return trig(SecFunction);
    case caCosec: return trig(CosecFunction);
    case caArcSin: return inverseTrig(ArcSin);
    case caArcCos: return inverseTrig(ArcCos);
    case caArcTg: return inverseTrig(ArcTan);
    case caArcCtg: return inverseTrig(ArcCot);
    case caSh: return plain(Sinh);
    case caCh: return plain(Cosh);
    case caTh: return plain(Tanh);
    case caCth: return plain(Coth);
    case caSech: return plain(Sech);
    case caCosech: return plain(Cosech);
    case caArSh: return plain(ArSinh);
    case caArCh: return plain(ArCosh);
    case caArTh: return plain(ArTanh);
    case caArCth: return plain(ArCoth);
    case caLn: return plain(Ln);
    case caLg: return plain(Lg);
    case caLog: return SelectOperation(coLog);
    case caExp: return plain(SafeExp);
    case ca3root: return plain(CubeRoot);
    case caSqr: return plain(Sqr);
    case caX3: return plain(Cube);
    case caXY:
    case caPower: return SelectOperation(coPower);
    case caFactorial: return plain(Factorial);
    case caPI: return ShowPi();
    default: return; // ordinals past the last action do nothing more
    }
}

} // namespace quorvel
