// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculator's state machine, a pocket calculator without operator precedence. A window
// writes one action at a time to Action and then reads Value to show it. Errors of the math
// functions and of number text leave SetAction and reach the window; the engine reports nothing
// itself.

#include "calc/calculatormemory.h"

#include <string>

namespace quorvel {

enum class CalculatorOperation { None, Add, Subtract, Multiply, Divide, Power, LogBase };

enum class AngleMeasure { Radians, Degrees, Grads, Cycles };

// A fixed underlying type: a window may write any ordinal, and those past Pi do nothing.
enum class CalculatorAction : unsigned char {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    DecimalSeparator,
    Add,
    Subtract,
    Multiply,
    Divide,
    Equal,
    SquareRoot,
    Percent,
    Reciprocal,
    SignChange,
    Clear,
    ClearEntry,
    Backspace,
    MemoryAdd,
    MemorySubtract,
    MemoryRecall,
    MemoryClear,
    Sin,
    Cos,
    Tan,
    Cot,
    Sec,
    Cosec,
    ArcSin,
    ArcCos,
    ArcTan,
    ArcCot,
    Sinh,
    Cosh,
    Tanh,
    Coth,
    Sech,
    Cosech,
    ArSinh,
    ArCosh,
    ArTanh,
    ArCoth,
    Ln,
    Lg,
    LogBase,
    Exp,
    CubeRoot,
    Square,
    Cube,
    XToTheY,
    Power,
    Factorial,
    Pi
};

// An action's place in the enumeration, for tables indexed by action.
constexpr int Ordinal(CalculatorAction action) {
    return static_cast<int>(action);
}

class CalculatorEngine {
public:
    CalculatorEngine() = default;

    // The value text, cleaned: what a window shows.
    std::string Value() const;
    // Sets the value from a text, ending digit entry; a text that is not a number is kept as
    // text while the number stays. Nothing happens when the text is the one held already.
    void SetValue(const std::string& text);

    CalculatorMemory& Memory() { return memory_; }

    CalculatorOperation Operation() const { return operation_; }
    void SetOperation(CalculatorOperation operation) { operation_ = operation; }

    CalculatorAction Action() const { return action_; }
    // Stores the action as the last one and performs it. May throw EMathError (with its
    // floating-point kinds) and EConvertError.
    void SetAction(CalculatorAction action);

    AngleMeasure AngularMeasure() const { return angularMeasure_; }
    void SetAngularMeasure(AngleMeasure measure) { angularMeasure_ = measure; }

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
    void SelectOperation(CalculatorOperation operation);
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
    void Perform(CalculatorAction action);

    std::string valueText_ = "0";
    long double current_ = 0;
    long double first_ = 0;
    long double second_ = 0;
    CalculatorOperation operation_ = CalculatorOperation::None;
    bool entering_ = false;
    bool takeOperand_ = false;
    bool equalArmed_ = false;
    CalculatorAction action_ = CalculatorAction::Digit0;
    AngleMeasure angularMeasure_ = AngleMeasure::Radians;
    CalculatorMemory memory_;
};

} // namespace quorvel
