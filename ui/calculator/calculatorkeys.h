// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculator window's panels and keys: what each keypad and function panel shows and does,
// and which key or typed character presses which keypad panel.

#include "calc/calculatorengine.h"

#include <QKeyCombination>
#include <QString>
#include <Qt>
#include <array>
#include <optional>

namespace quorvel {

// The texts are English, marked for translation in the calculator window's context: the window
// shows them translated.
struct KeypadKey {
    const char* name;
    const char* caption; // a symbol, but for BACK
    const char* accessibleName;
    int row, column, rowSpan, columnSpan;
    // The key that presses it, and another one where two do; told to screen readers.
    QKeyCombination key;
    QKeyCombination otherKey = Qt::Key_unknown;
};

// The 27 keypad panels, indexed by their action: the keypad's actions are Digit0 to MemoryClear.
inline constexpr int KeypadCount = Ordinal(CalculatorAction::MemoryClear) + 1;
extern const std::array<KeypadKey, KeypadCount> KeypadKeys;

struct FunctionKey {
    const char* name;
    const char* caption; // rich text for the pictures
    const char* hint;
    CalculatorAction action;
};

// The 30 function panels, column by column from the left, each from the top.
inline constexpr int FunctionColumns = 5, FunctionRows = 6;
extern const std::array<FunctionKey, FunctionColumns * FunctionRows> FunctionKeys;

// The keypad panel, by its action, that a key press presses by its key code.
std::optional<CalculatorAction> KeyDownAction(int key, Qt::KeyboardModifiers modifiers);
// The keypad panel, by its action, that a typed character presses.
std::optional<CalculatorAction> TypedCharacterAction(const QString& text);

// The sign of an arithmetic operation that the operation sign panel shows; empty for other
// actions.
QString OperationSign(CalculatorAction action);

// The clipboard keys that the calculator adds to its key map.
enum class ClipboardKey { None, Copy, Paste };
ClipboardKey ClipboardKeyOf(int key, Qt::KeyboardModifiers modifiers);

} // namespace quorvel
