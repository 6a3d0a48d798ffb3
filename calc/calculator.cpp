// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculator.h"

#include "calc/numbertext.h"
#include "calc/qzmath.h"

#include <array>
#include <cmath>
#include <limits>
#include <span>

namespace quorvel {

namespace {

// A function of the remainder r of an angle after whole quarter turns, in radians, with its sign:
// sin(1 quarter turn + r) is +cos r, cos(1 quarter turn + r) is -sin r, and so on.
struct OfRemainder {
    long double (*ofRadians)(long double);
    int sign;
};

// A circular function of an angle in radians, with its exact values at 0, 1, 2 and 3 quarter
// turns and its form beyond each of them. Pole marks a quarter turn where it has none: there the
// converted angle gives what it always gave, a large finite number (tan 90 degrees) or the
// function's error at 0.
struct CircularFunction {
    long double (*ofRadians)(long double);
    std::array<long double, 4> atQuarterTurns;
    std::array<OfRemainder, 4> beyondQuarterTurns;
};

constexpr long double Pole = std::numeric_limits<long double>::quiet_NaN();

constexpr CircularFunction SinFunction{
    Sin, {0, 1, 0, -1}, {{{Sin, 1}, {Cos, 1}, {Sin, -1}, {Cos, -1}}}};
constexpr CircularFunction CosFunction{
    Cos, {1, 0, -1, 0}, {{{Cos, 1}, {Sin, -1}, {Cos, -1}, {Sin, 1}}}};
constexpr CircularFunction TanFunction{
    Tan, {0, Pole, 0, Pole}, {{{Tan, 1}, {Cot, -1}, {Tan, 1}, {Cot, -1}}}};
constexpr CircularFunction CotFunction{
    Cot, {Pole, 0, Pole, 0}, {{{Cot, 1}, {Tan, -1}, {Cot, 1}, {Tan, -1}}}};
constexpr CircularFunction SecFunction{
    Sec, {1, Pole, -1, Pole}, {{{Sec, 1}, {Cosec, -1}, {Sec, -1}, {Cosec, 1}}}};
constexpr CircularFunction CosecFunction{
    Cosec, {Pole, 1, Pole, -1}, {{{Cosec, 1}, {Sec, 1}, {Cosec, -1}, {Sec, -1}}}};

// An angle a whole number of eighth turns from zero, and the argument of an inverse function
// that gives it.
struct EighthTurnsAt {
    long double argument;
    int eighthTurns;
};

// An inverse circular function with its result in radians, and the arguments whose angle it
// must give exactly in degrees, grads and cycles.
struct InverseCircularFunction {
    long double (*inRadians)(long double);
    std::span<const EighthTurnsAt> exactAngles;
};

constexpr EighthTurnsAt ArcSinExact[] = {{-1, -2}, {0, 0}, {1, 2}};
constexpr EighthTurnsAt ArcCosExact[] = {{-1, 4}, {0, 2}, {1, 0}};
constexpr EighthTurnsAt ArcTanExact[] = {{-1, -1}, {0, 0}, {1, 1}};
constexpr EighthTurnsAt ArcCotExact[] = {{-1, -1}, {1, 1}};

constexpr InverseCircularFunction ArcSinFunction{ArcSin, ArcSinExact};
constexpr InverseCircularFunction ArcCosFunction{ArcCos, ArcCosExact};
constexpr InverseCircularFunction ArcTanFunction{ArcTan, ArcTanExact};
constexpr InverseCircularFunction ArcCotFunction{ArcCot, ArcCotExact};

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

// The value at a whole number of quarter turns: exact, or at a pole what the angle reduced to
// less than a turn and multiplied into radians gives.
long double AtQuarterTurn(const CircularFunction& function, int quadrant, long double x,
                          TAngularMeasure measure) {
    const long double exact = function.atQuarterTurns[quadrant];
    if (!std::isnan(exact))
        return exact;
    return function.ofRadians(ToRadians(std::fmod(x, FullTurn(measure)), measure));
}

// Degrees, grads and cycles are reduced to the nearest whole quarter turn, which remquo does
// exactly in the angle's own measure, and only the remainder, at most an eighth turn, is
// multiplied into radians. Its rounding then stays relative to the remainder: multiplying the
// whole angle would leave an absolute error of about 1E-19 next to every zero and pole, so that
// sin 180.000001 degrees came out wrong from its eleventh digit on.
long double OfAngle(const CircularFunction& function, long double x, TAngularMeasure measure) {
    const long double turn = FullTurn(measure);
    if (turn == 0)
        return function.ofRadians(x);
    int quarters;
    const long double remainder = std::remquo(x, turn / 4, &quarters);
    const int quadrant = quarters & 3; // the low bits of the quotient, also when it is negative
    if (remainder == 0)
        return AtQuarterTurn(function, quadrant, x, measure);
    const OfRemainder& form = function.beyondQuarterTurns[quadrant];
    return form.sign * form.ofRadians(ToRadians(remainder, measure));
}

// In degrees, grads and cycles the angles that are whole eighth turns are given exactly, so that
// 1 arcsin - 90 gives 0 as 180 sin does; the rounded factor from radians would miss them.
long double InverseOfAngle(const InverseCircularFunction& function, long double x,
                           TAngularMeasure measure) {
    const long double inRadians = function.inRadians(x); // its domain errors first
    if (measure == amRad)
        return inRadians;
    for (const EighthTurnsAt& exact : function.exactAngles) {
        if (x == exact.argument)
            return exact.eighthTurns * FullTurn(measure) / 8;
    }
    return FromRadians(inRadians, measure);
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
        Show(0);
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
    auto inverseTrig = [this](const InverseCircularFunction& f) {
        Unary([&](long double x) { return InverseOfAngle(f, x, angularMeasure_); });
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
    case caArcSin: return inverseTrig(ArcSinFunction);
    case caArcCos: return inverseTrig(ArcCosFunction);
    case caArcTg: return inverseTrig(ArcTanFunction);
    case caArcCtg: return inverseTrig(ArcCotFunction);
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
