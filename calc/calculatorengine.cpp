// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculatorengine.h"

#include "calc/guardedmath.h"
#include "calc/numbertext.h"

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
long double FullTurn(AngleMeasure measure) {
    switch (measure) {
    case AngleMeasure::Radians: return 0;
    case AngleMeasure::Degrees: return 360;
    case AngleMeasure::Grads: return 400;
    case AngleMeasure::Cycles: return 1;
    }
    return 0;
}

long double ToRadians(long double x, AngleMeasure measure) {
    switch (measure) {
    case AngleMeasure::Radians: return x;
    case AngleMeasure::Degrees: return x * MathConstants::DegToRad;
    case AngleMeasure::Grads: return x * MathConstants::GradToRad;
    case AngleMeasure::Cycles: return x * MathConstants::TwoPi;
    }
    return x;
}

long double FromRadians(long double x, AngleMeasure measure) {
    switch (measure) {
    case AngleMeasure::Radians: return x;
    case AngleMeasure::Degrees: return x * MathConstants::RadToDeg;
    case AngleMeasure::Grads: return x * MathConstants::RadToGrad;
    case AngleMeasure::Cycles: return x / MathConstants::TwoPi;
    }
    return x;
}

// The remainder after whole quarter turns in radians. An eighth turn is the same angle, the
// extended number nearest to pi/4, in every measure: the grads factor is one unit low, so that
// 50 grads came out one unit below 45 degrees and its tangent missed 1 by 1E-19.
long double RemainderToRadians(long double remainder, AngleMeasure measure) {
    if (std::fabs(remainder) == FullTurn(measure) / 8)
        return std::copysign(MathConstants::TwoPi / 8, remainder);
    return ToRadians(remainder, measure);
}

// The value at a whole number of quarter turns: exact, or at a pole what the angle reduced to
// less than a turn and multiplied into radians gives.
long double AtQuarterTurn(const CircularFunction& function, int quadrant, long double x,
                          AngleMeasure measure) {
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
long double OfAngle(const CircularFunction& function, long double x, AngleMeasure measure) {
    const long double turn = FullTurn(measure);
    if (turn == 0)
        return function.ofRadians(x);
    int quarters;
    const long double remainder = std::remquo(x, turn / 4, &quarters);
    const int quadrant = quarters & 3; // the low bits of the quotient, also when it is negative
    if (remainder == 0)
        return AtQuarterTurn(function, quadrant, x, measure);
    const OfRemainder& form = function.beyondQuarterTurns[quadrant];
    return form.sign * form.ofRadians(RemainderToRadians(remainder, measure));
}

// In degrees, grads and cycles the angles that are whole eighth turns are given exactly, so that
// 1 arcsin - 90 gives 0 as 180 sin does; the rounded factor from radians would miss them.
long double InverseOfAngle(const InverseCircularFunction& function, long double x,
                           AngleMeasure measure) {
    const long double inRadians = function.inRadians(x); // its domain errors first
    if (measure == AngleMeasure::Radians)
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

std::string CalculatorEngine::Value() const {
    return CleanNumberText(valueText_);
}

void CalculatorEngine::SetValue(const std::string& text) {
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

void CalculatorEngine::SetAction(CalculatorAction action) {
    action_ = action;
    Perform(static_cast<CalculatorAction>(static_cast<unsigned char>(action) % 128));
}

void CalculatorEngine::EndEntry() {
    entering_ = false;
    takeOperand_ = true;
}

void CalculatorEngine::Show(long double x) {
    current_ = x;
    valueText_ = GeneralNumberText(x);
}

void CalculatorEngine::Calculate() {
    equalArmed_ = true;
    long double result = current_;
    switch (operation_) {
    case CalculatorOperation::None: break;
    case CalculatorOperation::Add: result = SafeAdd(first_, second_); break;
    case CalculatorOperation::Subtract: result = SafeSub(first_, second_); break;
    case CalculatorOperation::Multiply: result = SafeMul(first_, second_); break;
    case CalculatorOperation::Divide: result = SafeDiv(first_, second_); break;
    case CalculatorOperation::Power: result = Power(first_, second_); break;
    case CalculatorOperation::LogBase: result = LogN(second_, first_); break;
    }
    Show(result);
    first_ = current_;
    entering_ = false;
    takeOperand_ = true;
}

void CalculatorEngine::SelectOperation(CalculatorOperation operation) {
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

void CalculatorEngine::FinishFunction() {
    first_ = current_;
    entering_ = false;
    takeOperand_ = true;
    equalArmed_ = true;
}

template <typename Function> void CalculatorEngine::Unary(Function function) {
    Show(function(current_));
    FinishFunction();
}

void CalculatorEngine::Digit(char digit) {
    current_ = ParseNumberText(valueText_);
    if (current_ >= MathConstants::DigitLimit)
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

void CalculatorEngine::AppendSeparator() {
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

void CalculatorEngine::Equal() {
    if (!equalArmed_)
        return;
    if (takeOperand_)
        second_ = current_;
    Calculate();
    takeOperand_ = false;
    equalArmed_ = true;
}

void CalculatorEngine::PerCent() {
    if (!equalArmed_)
        return;
    if (takeOperand_) {
        second_ = current_;
        const long double a = first_;
        const long double b = second_;
        switch (operation_) {
        case CalculatorOperation::Add: current_ = SafeAdd(a, SafeDiv(SafeMul(a, b), 100)); break;
        case CalculatorOperation::Subtract:
            current_ = SafeSub(a, SafeDiv(SafeMul(a, b), 100));
            break;
        case CalculatorOperation::Multiply: current_ = SafeDiv(SafeMul(a, b), 100); break;
        case CalculatorOperation::Divide: current_ = SafeMul(SafeDiv(a, b), 100); break;
        default: break;
        }
    }
    valueText_ = GeneralNumberText(current_);
    first_ = current_;
    second_ = current_;
    operation_ = CalculatorOperation::None;
    takeOperand_ = true;
    equalArmed_ = false;
    entering_ = false;
}

void CalculatorEngine::SquareRoot() {
    equalArmed_ = true;
    Show(SafeSqrt(current_));
    first_ = current_;
    takeOperand_ = false;
    entering_ = false;
}

void CalculatorEngine::Reciprocal() {
    equalArmed_ = true;
    Show(Inverse(current_));
    entering_ = false;
    takeOperand_ = false;
}

void CalculatorEngine::SignChange() {
    Show(-ParseNumberText(valueText_));
}

void CalculatorEngine::ClearEntry() {
    Show(0);
    entering_ = false;
    equalArmed_ = true;
}

void CalculatorEngine::Clear() {
    ClearEntry();
    operation_ = CalculatorOperation::None;
    takeOperand_ = false;
}

void CalculatorEngine::BackSpace() {
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

void CalculatorEngine::MemoryAdd(bool subtract) {
    if (takeOperand_ && (current_ != first_ || entering_)) {
        second_ = current_;
        Calculate();
        operation_ = CalculatorOperation::None;
    }
    entering_ = false;
    takeOperand_ = false;
    const long double m = memory_.M();
    memory_.SetM(subtract ? SafeSub(m, current_) : SafeAdd(m, current_));
    memory_.SetValue(GeneralNumberText(memory_.M()));
}

void CalculatorEngine::MemoryRecall() {
    Show(memory_.M());
    second_ = current_;
    entering_ = false;
}

void CalculatorEngine::MemoryClear() {
    // Clears the active cell and ends entry; the pending operation and its first operand are
    // left alone, so a calculation under way is not disturbed.
    memory_.SetM(0);
    memory_.SetValue("0");
    takeOperand_ = true;
    entering_ = false;
}

void CalculatorEngine::ShowPi() {
    Show(PiValue());
    entering_ = false;
    takeOperand_ = true;
    equalArmed_ = true;
}

void CalculatorEngine::Perform(CalculatorAction action) {
    if (action >= CalculatorAction::Digit0 && action <= CalculatorAction::Digit9) {
        Digit(static_cast<char>('0' + static_cast<int>(action)));
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
    case CalculatorAction::DecimalSeparator: return AppendSeparator();
    case CalculatorAction::Add: return SelectOperation(CalculatorOperation::Add);
    case CalculatorAction::Subtract: return SelectOperation(CalculatorOperation::Subtract);
    case CalculatorAction::Multiply: return SelectOperation(CalculatorOperation::Multiply);
    case CalculatorAction::Divide: return SelectOperation(CalculatorOperation::Divide);
    case CalculatorAction::Equal: return Equal();
    case CalculatorAction::SquareRoot: return SquareRoot();
    case CalculatorAction::Percent: return PerCent();
    case CalculatorAction::Reciprocal: return Reciprocal();
    case CalculatorAction::SignChange: return SignChange();
    case CalculatorAction::Clear: return Clear();
    case CalculatorAction::ClearEntry: return ClearEntry();
    case CalculatorAction::Backspace: return BackSpace();
    case CalculatorAction::MemoryAdd: return MemoryAdd(false);
    case CalculatorAction::MemorySubtract: return MemoryAdd(true);
    case CalculatorAction::MemoryRecall: return MemoryRecall();
    case CalculatorAction::MemoryClear: return MemoryClear();
    case CalculatorAction::Sin: return trig(SinFunction);
    case CalculatorAction::Cos: return trig(CosFunction);
    case CalculatorAction::Tan: return trig(TanFunction);
    case CalculatorAction::Cot: return trig(CotFunction);
    case CalculatorAction::Sec: return trig(SecFunction);
    case CalculatorAction::Cosec: return trig(CosecFunction);
    case CalculatorAction::ArcSin: return inverseTrig(ArcSinFunction);
    case CalculatorAction::ArcCos: return inverseTrig(ArcCosFunction);
    case CalculatorAction::ArcTan: return inverseTrig(ArcTanFunction);
    case CalculatorAction::ArcCot: return inverseTrig(ArcCotFunction);
    case CalculatorAction::Sinh: return plain(Sinh);
    case CalculatorAction::Cosh: return plain(Cosh);
    case CalculatorAction::Tanh: return plain(Tanh);
    case CalculatorAction::Coth: return plain(Coth);
    case CalculatorAction::Sech: return plain(Sech);
    case CalculatorAction::Cosech: return plain(Cosech);
    case CalculatorAction::ArSinh: return plain(ArSinh);
    case CalculatorAction::ArCosh: return plain(ArCosh);
    case CalculatorAction::ArTanh: return plain(ArTanh);
    case CalculatorAction::ArCoth: return plain(ArCoth);
    case CalculatorAction::Ln: return plain(Ln);
    case CalculatorAction::Lg: return plain(Lg);
    case CalculatorAction::LogBase: return SelectOperation(CalculatorOperation::LogBase);
    case CalculatorAction::Exp: return plain(SafeExp);
    case CalculatorAction::CubeRoot: return plain(CubeRoot);
    case CalculatorAction::Square: return plain(Sqr);
    case CalculatorAction::Cube: return plain(Cube);
    case CalculatorAction::XToTheY:
    case CalculatorAction::Power: return SelectOperation(CalculatorOperation::Power);
    case CalculatorAction::Factorial: return plain(Factorial);
    case CalculatorAction::Pi: return ShowPi();
    default: return; // ordinals past the last action do nothing more
    }
}

} // namespace quorvel
