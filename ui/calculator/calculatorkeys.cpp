// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calculator/calculatorkeys.h"

namespace quorvel {

const std::array<KeypadKey, KeypadCount> KeypadKeys = {{
    //: Names of the calculator keys as screen readers say them: the 0 key.
    {"pn0", "0", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Zero"), 4, 2, 1, 2, Qt::Key_0},
    {"pn1", "1", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "One"), 3, 2, 1, 1, Qt::Key_1},
    {"pn2", "2", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Two"), 3, 3, 1, 1, Qt::Key_2},
    {"pn3", "3", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Three"), 3, 4, 1, 1, Qt::Key_3},
    {"pn4", "4", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Four"), 2, 2, 1, 1, Qt::Key_4},
    {"pn5", "5", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Five"), 2, 3, 1, 1, Qt::Key_5},
    {"pn6", "6", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Six"), 2, 4, 1, 1, Qt::Key_6},
    {"pn7", "7", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Seven"), 1, 2, 1, 1, Qt::Key_7},
    {"pn8", "8", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Eight"), 1, 3, 1, 1, Qt::Key_8},
    {"pn9", "9", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Nine"), 1, 4, 1, 1, Qt::Key_9},
    //: The key that types the decimal comma or point, as screen readers name it.
    {"pnComma", ",", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Decimal separator"), 4, 4, 1,
     1, Qt::Key_Comma, Qt::Key_Period},
    {"pnPlus", "+", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Plus"), 1, 5, 2, 1,
     Qt::Key_Plus},
    {"pnMinus", "\u2212", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Minus"), 0, 5, 1, 1,
     Qt::Key_Minus},
    //: The × key, as screen readers name it.
    {"pnMulty", "\u00d7", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Multiply"), 0, 4, 1, 1,
     Qt::Key_Asterisk},
    //: The / key, as screen readers name it.
    {"pnDivide", "/", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Divide"), 0, 3, 1, 1,
     Qt::Key_Slash},
    //: The = key, as screen readers name it.
    {"pnEq", "=", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Equals"), 3, 5, 2, 1,
     Qt::Key_Equal, Qt::Key_Enter},
    {"pnSqrt", "\u221a", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Square root"), 4, 1, 1, 1,
     Qt::Key_At},
    //: The % key, as screen readers name it.
    {"pnPerCent", "%", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Percent"), 2, 1, 1, 1,
     Qt::Key_Percent},
    //: The 1/x key, as screen readers name it.
    {"pnInv", "1/x", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Reciprocal"), 3, 1, 1, 1,
     Qt::Key_R},
    //: The +/- key, as screen readers name it.
    {"pnSign", "+/-", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Change sign"), 0, 2, 1, 1,
     Qt::Key_S},
    //: The C key, which clears the calculation, as screen readers name it.
    {"pnC", "C", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Clear"), 0, 0, 1, 1,
     Qt::Key_Escape},
    //: The CE key, which clears the number being typed, as screen readers name it.
    {"pnCE", "CE", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Clear entry"), 0, 1, 1, 1,
     Qt::Key_Delete},
    {"pnBack",
     //: Caption of the calculator key that deletes the last digit typed (at most 5 letters, in
     //: capitals like the other key captions).
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "BACK"),
     //: The BACK key, which deletes the last digit typed, as screen readers name it.
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Backspace"), 1, 1, 1, 1, Qt::Key_Backspace},
    //: The M+ key, which adds the display to the memory cell, as screen readers name it.
    {"pnMPlus", "M+", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Memory add"), 4, 0, 1, 1,
     Qt::CTRL | Qt::Key_P},
    //: The M- key, which subtracts the display from the memory cell, as screen readers name it.
    {"pnMMinus", "M-", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Memory subtract"), 3, 0, 1,
     1, Qt::CTRL | Qt::Key_M},
    //: The MR key, which shows the memory cell, as screen readers name it.
    {"pnMR", "MR", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Memory recall"), 2, 0, 1, 1,
     Qt::CTRL | Qt::Key_R},
    //: The MC key, which clears the memory cell, as screen readers name it.
    {"pnMC", "MC", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Memory clear"), 1, 0, 1, 1,
     Qt::CTRL | Qt::Key_C},
}};

// The captions are the conventional abbreviations of the functions; a translation writes them
// as the calculators of its language do.
const std::array<FunctionKey, FunctionColumns* FunctionRows> FunctionKeys = {{
    //: Caption of the sine function's key (keys are about 4 letters wide).
    {"bpSin", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Sin"),
     //: Hints of the function keys name the function in full: the sine.
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Sine"), CalculatorAction::Sin},
    //: Caption of the cosine function's key.
    {"bpCos", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Cos"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Cosine"), CalculatorAction::Cos},
    //: Caption of the tangent function's key (Tg is the Russian form of tan).
    {"bpTg", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Tg"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Tangent"), CalculatorAction::Tan},
    //: Caption of the cotangent function's key (Ctg is the Russian form of cot).
    {"bpCtg", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Ctg"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Cotangent"), CalculatorAction::Cot},
    //: Caption of the secant function's key.
    {"bpSec", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Sec"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Secant"), CalculatorAction::Sec},
    //: Caption of the cosecant function's key (elsewhere written csc).
    {"bpCosec", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Cosec"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Cosecant"), CalculatorAction::Cosec},

    //: Caption of the hyperbolic sine's key (elsewhere written sinh).
    {"bpSh", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Sh"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Hyperbolic sine"), CalculatorAction::Sinh},
    //: Caption of the hyperbolic cosine's key (elsewhere written cosh).
    {"bpCh", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Ch"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Hyperbolic cosine"), CalculatorAction::Cosh},
    //: Caption of the hyperbolic tangent's key (elsewhere written tanh).
    {"bpTh", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Th"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Hyperbolic tangent"), CalculatorAction::Tanh},
    //: Caption of the hyperbolic cotangent's key (elsewhere written coth).
    {"bpCth", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Cth"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Hyperbolic cotangent"),
     CalculatorAction::Coth},
    //: Caption of the hyperbolic secant's key.
    {"bpSech", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Sech"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Hyperbolic secant"), CalculatorAction::Sech},
    //: Caption of the hyperbolic cosecant's key (elsewhere written csch).
    {"bpCosech", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Cosech"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Hyperbolic cosecant"),
     CalculatorAction::Cosech},

    //: Caption of the inverse sine's key (elsewhere written arcsin or asin).
    {"bpArcsin", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "ArcSin"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Inverse sine"), CalculatorAction::ArcSin},
    //: Caption of the inverse cosine's key.
    {"bpArccos", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "ArcCos"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Inverse cosine"), CalculatorAction::ArcCos},
    //: Caption of the inverse tangent's key (elsewhere written arctan).
    {"bpArctg", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "ArcTg"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Inverse tangent"), CalculatorAction::ArcTan},
    //: Caption of the inverse cotangent's key (elsewhere written arccot).
    {"bpArcctg", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "ArcCtg"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Inverse cotangent"), CalculatorAction::ArcCot},
    //: Hint of the x² key: the number squared.
    {"bpX2", "x<sup>2</sup>", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Square"),
     CalculatorAction::Square},
    //: Hint of the x³ key: the number to the third power.
    {"bpX3", "x<sup>3</sup>", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Cube"),
     CalculatorAction::Cube},

    //: Caption of the inverse hyperbolic sine's key (elsewhere written arsinh).
    {"bpArsh", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "ArSh"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Inverse hyperbolic sine"),
     CalculatorAction::ArSinh},
    //: Caption of the inverse hyperbolic cosine's key (elsewhere written arcosh).
    {"bpArch", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "ArCh"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Inverse hyperbolic cosine"),
     CalculatorAction::ArCosh},
    //: Caption of the inverse hyperbolic tangent's key (elsewhere written artanh).
    {"bpArth", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "ArTh"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Inverse hyperbolic tangent"),
     CalculatorAction::ArTanh},
    //: Caption of the inverse hyperbolic cotangent's key (elsewhere written arcoth).
    {"bpArcth", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "ArCth"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Inverse hyperbolic cotangent"),
     CalculatorAction::ArCoth},
    //: Hint of the key of the cube root.
    {"bp3Root", "<sup>3</sup>\u221a", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Cube root"),
     CalculatorAction::CubeRoot},
    //: The key of x to the power y.
    {"bpXY", "x<sup>y</sup>", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Custom base power"),
     CalculatorAction::XToTheY},

    //: Caption of the natural logarithm's key.
    {"bpLn", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "ln"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Natural logarithm"), CalculatorAction::Ln},
    //: Caption of the common (base 10) logarithm's key.
    {"bpLog", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "lg"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Common logarithm"), CalculatorAction::Lg},
    //: The key of the logarithm of x to the base y.
    {"bpLogXY", "log<sub>y</sub>x",
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Custom base logarithm"),
     CalculatorAction::LogBase},
    //: Caption of the factorial's key.
    {"bpFactorial", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "N!"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Factorial"), CalculatorAction::Factorial},
    //: Caption of the key that gives the number pi (3.14159...).
    {"bpPI", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "PI"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "PI number"), CalculatorAction::Pi},
    //: Caption of the key of the exponential function, e to the power x.
    {"bpExp", QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Exp"),
     QT_TRANSLATE_NOOP("quorvel::CalculatorWindow", "Exponential"), CalculatorAction::Exp},
}};

namespace {

constexpr Qt::KeyboardModifiers ChordModifiers =
    Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;

bool Exactly(Qt::KeyboardModifiers modifiers, Qt::KeyboardModifiers wanted) {
    return (modifiers & ChordModifiers) == wanted;
}

} // namespace

std::optional<CalculatorAction> KeyDownAction(int key, Qt::KeyboardModifiers modifiers) {
    const bool exactlyCtrl = Exactly(modifiers, Qt::ControlModifier);
    switch (key) {
    case Qt::Key_Backspace: return CalculatorAction::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return CalculatorAction::Equal;
    case Qt::Key_Escape: return CalculatorAction::Clear;
    case Qt::Key_Delete: return CalculatorAction::ClearEntry;
    case Qt::Key_R:
        return exactlyCtrl ? CalculatorAction::MemoryRecall : CalculatorAction::Reciprocal;
    default: break;
    }
    if (!exactlyCtrl)
        return std::nullopt;
    switch (key) {
    case Qt::Key_C: return CalculatorAction::MemoryClear;
    case Qt::Key_M: return CalculatorAction::MemorySubtract;
    case Qt::Key_P: return CalculatorAction::MemoryAdd;
    default: return std::nullopt;
    }
}

std::optional<CalculatorAction> TypedCharacterAction(const QString& text) {
    if (text.size() != 1)
        return std::nullopt;
    const QChar c = text[0].toUpper();
    if (c >= '0' && c <= '9')
        return static_cast<CalculatorAction>(Ordinal(CalculatorAction::Digit0) +
                                             (c.unicode() - '0'));
    switch (c.unicode()) {
    case '%': return CalculatorAction::Percent;
    case '*': return CalculatorAction::Multiply;
    case '+': return CalculatorAction::Add;
    case ',':
    case '.': return CalculatorAction::DecimalSeparator;
    case '-': return CalculatorAction::Subtract;
    case '/': return CalculatorAction::Divide;
    case '=': return CalculatorAction::Equal;
    case '@': return CalculatorAction::SquareRoot;
    case 'S': return CalculatorAction::SignChange;
    default: return std::nullopt;
    }
}

QString OperationSign(CalculatorAction action) {
    switch (action) {
    case CalculatorAction::Add: return "+";
    case CalculatorAction::Subtract: return "\u2212";
    case CalculatorAction::Multiply: return "\u00d7";
    case CalculatorAction::Divide: return "\u00f7";
    default: return {};
    }
}

ClipboardKey ClipboardKeyOf(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Insert && Exactly(modifiers, Qt::ControlModifier))
        return ClipboardKey::Copy;
    if (key == Qt::Key_Insert && Exactly(modifiers, Qt::ShiftModifier))
        return ClipboardKey::Paste;
    if (key == Qt::Key_V && Exactly(modifiers, Qt::ControlModifier))
        return ClipboardKey::Paste;
    return ClipboardKey::None;
}

} // namespace quorvel
