#include "ui/CalcKeys.h"

namespace quorvel {

const std::array<TKeypadKey, KeypadCount> KeypadKeys = {{
    {"pn0", "0", "Zero", "0", 4, 2, 1, 2},
    {"pn1", "1", "One", "1", 3, 2, 1, 1},
    {"pn2", "2", "Two", "2", 3, 3, 1, 1},
    {"pn3", "3", "Three", "3", 3, 4, 1, 1},
    {"pn4", "4", "Four", "4", 2, 2, 1, 1},
    {"pn5", "5", "Five", "5", 2, 3, 1, 1},
    {"pn6", "6", "Six", "6", 2, 4, 1, 1},
    {"pn7", "7", "Seven", "7", 1, 2, 1, 1},
    {"pn8", "8", "Eight", "8", 1, 3, 1, 1},
    {"pn9", "9", "Nine", "9", 1, 4, 1, 1},
    {"pnComma", ",", "Decimal separator", ", or .", 4, 4, 1, 1},
    {"pnPlus", "+", "Plus", "+", 1, 5, 2, 1},
    {"pnMinus", "\u2212", "Minus", "-", 0, 5, 1, 1},
    {"pnMulty", "\u00d7", "Multiply", "*", 0, 4, 1, 1},
    {"pnDivide", "/", "Divide", "/", 0, 3, 1, 1},
    {"pnEq", "=", "Equals", "= or Enter", 3, 5, 2, 1},
    {"pnSqrt", "\u221a", "Square root", "@", 4, 1, 1, 1},
    {"pnPerCent", "%", "Percent", "%", 2, 1, 1, 1},
    {"pnInv", "1/x", "Reciprocal", "R", 3, 1, 1, 1},
    {"pnSign", "+/-", "Change sign", "S", 0, 2, 1, 1},
    {"pnC", "C", "Clear", "Esc", 0, 0, 1, 1},
    {"pnCE", "CE", "Clear entry", "Del", 0, 1, 1, 1},
    {"pnBack", "BACK", "Backspace", "Backspace", 1, 1, 1, 1},
    {"pnMPlus", "M+", "Memory add", "Ctrl+P", 4, 0, 1, 1},
    {"pnMMinus", "M-", "Memory subtract", "Ctrl+M", 3, 0, 1, 1},
    {"pnMR", "MR", "Memory recall", "Ctrl+R", 2, 0, 1, 1},
    {"pnMC", "MC", "Memory clear", "Ctrl+C", 1, 0, 1, 1},
}};

const std::array<TFunctionKey, FunctionColumns* FunctionRows> FunctionKeys = {{
    {"bpSin", "Sin", "Sine", caSin},
    {"bpCos", "Cos", "Cosine", caCos},
    {"bpTg", "Tg", "Tangent", caTg},
    {"bpCtg", "Ctg", "Cotangent", caCtg},
    {"bpSec", "Sec", "Secans", caSec},
    {"bpCosec", "Cosec", "Cosecans", caCosec},

    {"bpSh", "Sh", "Hyperbolic sine", caSh},
    {"bpCh", "Ch", "Hyperbolic cosine", caCh},
    {"bpTh", "Th", "Hyperbolic tangent", caTh},
    {"bpCth", "Cth", "Hyperbolic cotangent", caCth},
    {"bpSech", "Sech", "Hyperbolic secans", caSech},
    {"bpCosech", "Cosech", "Hyperbolic cosecans", caCosech},

    {"bpArcsin", "ArcSin", "Invers sine", caArcSin},
    {"bpArccos", "ArcCos", "Invers cosine", caArcCos},
    {"bpArctg", "ArcTg", "Invers tangent", caArcTg},
    {"bpArcctg", "ArcCtg", "Invers cotangent", caArcCtg},
    {"bpX2", "x<sup>2</sup>", "Square", caSqr},
    {"bpX3", "x<sup>3</sup>", "Cube", caX3},

    {"bpArsh", "ArSh", "Invers hyperbolic sine", caArSh},
    {"bpArch", "ArCh", "Invers hyperbolic cosine", caArCh},
    {"bpArth", "ArTh", "Invers hyperbolic tangent", caArTh},
    {"bpArcth", "ArCth", "Invers hyperbolic cotangent", caArCth},
    {"bp3Root", "<sup>3</sup>\u221a", "Cube root", ca3root},
    {"bpXY", "x<sup>y</sup>", "Custom base power", caXY},

    {"bpLn", "ln", "Natural logarithm", caLn},
    {"bpLog", "lg", "Common logarithm", caLg},
    {"bpLogXY", "log<sub>y</sub>x", "Custom base  logarithm", caLog},
    {"bpFactorial", "N!", "Factorial", caFactorial},
    {"bpPI", "PI", "PI number", caPI},
    {"bpExp", "Exp", "Exponenta", caExp},
}};

namespace {

constexpr Qt::KeyboardModifiers ChordModifiers =
    Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;

bool Exactly(Qt::KeyboardModifiers modifiers, Qt::KeyboardModifiers wanted) {
    return (modifiers & ChordModifiers) == wanted;
}

} // namespace

std::optional<TCalcAction> KeyDownAction(int key, Qt::KeyboardModifiers modifiers) {
    const bool exactlyCtrl = Exactly(modifiers, Qt::ControlModifier);
    switch (key) {
    case Qt::Key_Backspace: return caBackSpace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return caEqual;
    case Qt::Key_Escape: return caClear;
    case Qt::Key_Delete: return caClearEntr;
    case Qt::Key_R: return exactlyCtrl ? caMemRecall : caInverse;
    default: break;
    }
    if (!exactlyCtrl)
        return std::nullopt;
    switch (key) {
    case Qt::Key_C: return caMemClear;
    case Qt::Key_M: return caMemMinus;
    case Qt::Key_P: return caMemPlus;
    default: return std::nullopt;
    }
}

std::optional<TCalcAction> TypedCharacterAction(const QString& text) {
    if (text.size() != 1)
        return std::nullopt;
    const QChar c = text[0].toUpper();
    if (c >= '0' && c <= '9')
        return static_cast<TCalcAction>(ca0 + (c.unicode() - '0'));
    switch (c.unicode()) {
    case '%': return caPerCent;
    case '*': return caMulty;
    case '+': return caPlus;
    case ',':
    case '.': return caDecSep;
    case '-': return caMinus;
    case '/': return caDivide;
    case '=': return caEqual;
    case '@': return caSqrt;
    case 'S': return caSignChange;
    default: return std::nullopt;
    }
}

QString OperationSign(TCalcAction action) {
    switch (action) {
    case caPlus: return "+";
    case caMinus: return "\u2212";
    case caMulty: return "\u00d7";
    case caDivide: return "\u00f7";
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
