// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's colours, derived from the palette in one place. Its accents (the navy value, the
// blue digits and red operations of the calculator, the red warning) are kept where they are
// readable and made lighter or darker, keeping their hue, where the palette's background would
// swallow them: every text keeps a contrast of at least 4.5:1 to what it is drawn on.

#include <QColor>
#include <QPalette>

namespace quorvel {

inline constexpr double MinimumTextContrast = 4.5;
// What a state shown by colour alone (the loaded group, the active memory cell) needs against the
// controls around it.
inline constexpr double MinimumStateContrast = 3.0;

// The accents as designed for a light window.
namespace accent {
inline const QColor Navy(0, 0, 128);       // the main window's value, the About box's links
inline const QColor Ink(0x1f, 0x3a, 0x68); // the pictures' outlines
inline const QColor Digit(0, 0, 160);      // the calculator's digit keys
inline const QColor Operation(176, 0, 0);  // the calculator's operation and memory keys
inline const QColor Function(32, 32, 48);  // the calculator's function captions
inline const QColor Warning(Qt::red);      // the delete question, a link under the mouse
} // namespace accent

// The relative luminance of a colour, 0 for black to 1 for white.
double Luminance(const QColor& colour);
// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);
// A dark palette: its window is darker than mid-grey.
bool IsDark(const QPalette& palette);

// The colour itself when it is readable on the background; else the nearest lighter (on a dark
// background) or darker (on a light one) colour of the same hue that is.
QColor Readable(const QColor& wanted, const QColor& background,
                double minimum = MinimumTextContrast);

// The fill that marks the one chosen among controls of a kind (the loaded group, the active
// memory cell) whose face is `face`: the palette's highlight, made lighter or darker where it
// would not stand out from that face. Its text: the highlighted text made readable on it.
QColor ChosenFill(const QColor& face, const QPalette& palette);

// The colour the program's pictures are drawn with: a navy ink on a light palette, the palette's
// own text colour on a dark one.
QColor PictureInk(const QPalette& palette);

} // namespace quorvel
