// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculator's state machine, a pocket calculator without operator precedence. A window
// writes one action at a time to Action and then reads Value to show it. Errors of the math
// functions and of number text leave SetAction and reach the window; the engine reports nothing
// itself.

#include "calc/calcmemory.h"

#include <string>

namespace quorvel {

enum TCalcOperation { coNone, coPlus, coMinus, coMulty, coDivide, coPower, coLog };

enum TAngularMeasure { amRad, amDeg, amGrad, amCycle };

// A fixed underlying type: a window may write any ordinal, and those past caPI do nothing.
enum TCalcAction : unsigned char {
    ca0,
    ca1,
    ca2,
    ca3,
    ca4,
    ca5,
    ca6,
    ca7,
    ca8,
    ca9,
    caDecSep,
    caPlus,
    caMinus,
    caMulty,
    caDivide,
    caEqual,
    caSqrt,
    caPerCent,
    caInverse,
    caSignChange,
    caClear,
    caClearEntr,
    caBackSpace,
    caMemPlus,
    caMemMinus,
    caMemRecall,
    caMemClear,
    caSin,
    caCos,
    caTg,
    caCtg,
    caSec,
    caCosec,
    caArcSin,
    caArcCos,
    caArcTg,
    caArcCtg,
    caSh,
    caCh,
    caTh,
    caCth,
    caSech,
    caCosech,
    caArSh,
    caArCh,
    caArTh,
    caArCth,
    caLn,
    caLg,
    caLog,
    caExp,
    ca3root,
    caSqr,
    caX3,
    caXY,
    caPower,
    caFactorial,
    caPI
};

class TQZCalculator {
public:
    TQZCalculator() = default;

    // The value text, cleaned: what a window shows.
    std::string Value() const;
    // Sets the value from a text, ending digit entry; a text that is not a number is kept as
    // text while the number stays. Nothing happens when the text is the one held already.
    void SetValue(const std::string& text);

    TQZCalcMemory& Memory() { return memory_; }

    TCalcOperation Operation() const { return operation_; }
    void SetOperation(TCalcOperation operation) { operation_ = operation; }

    TCalcAction Action() const { return action_; }
    // Stores the action as the last one and performs it. May throw EMathError (with its
    // floating-point kinds) and EConvertError.
    void SetAction(TCalcAction action);

    TAngularMeasure AngularMeasure() const { return angularMeasure_; }
    void SetAngularMeasure(TAngularMeasure measure) { angularMeasure_ = measure; }

    // Ends digit entry so that the next operation takes the shown value as an operand.
    void EndEntry();

    // The state behind the display, for windows and tests.
    long double Current() const { return current_; }
    long double First() const { return first_; }
    long double Second() const { return second_; }
    bool Entering() const { return entering_; }
    bool TakeOperand() const { return takeOperand_; }
    bool EqualArmed() const { return equalArmed_; }

private:
    void Show(long double x);
    void Calculate();
    void SelectOperation(TCalcOperation operation);
    void FinishFunction();
    template <typename Function> void Unary(Function function);

    void Digit(char digit);
    void AppendSeparator();
    void Equal();
    void PerCent();
    void SquareRoot();
    void Reciprocal();
    void SignChange();
    void ClearEntry();
    void Clear();
    void BackSpace();
    void MemoryAdd(bool subtract);
    void MemoryRecall();
    void MemoryClear();
    void ShowPi();
    void Perform(int action);

    std::string valueText_ = "0";
    long double current_ = 0;
    long double first_ = 0;
    long double second_ = 0;
    TCalcOperation operation_ = coNone;
    bool entering_ = false;
    bool takeOperand_ = false;
    bool equalArmed_ = false;
    TCalcAction action_ = ca0;
    TAngularMeasure angularMeasure_ = amRad;
    TQZCalcMemory memory_;
};

} // namespace quorvel
