// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Windows placed in fixed pixels keep the design they were drawn with at the default font (whose
// lines of text are 14 pixels apart) and grow with a larger font or a higher font resolution:
// every designed length is multiplied by how much further apart the lines of the window's font
// are. A smaller font never shrinks the design.

#include <QFont>
#include <QList>
#include <QRect>
#include <QSize>

class QPushButton;
class QWidget;

namespace quorvel {

class DesignScale {
public:
    explicit DesignScale(const QFont& font);

    qreal Factor() const { return factor_; }
    int operator()(int length) const;
    QSize operator()(const QSize& size) const;
    // Edges are scaled, so that neighbouring rectangles stay neighbours.
    QRect operator()(const QRect& rect) const;
    // The font at a designed pixel size, grown likewise.
    QFont PixelFont(const QFont& base, int designedPixels, bool bold = false) const;

private:
    qreal factor_;
};

// Keeps a window that is about to show within its screen's available area, its frame included:
// one larger than the area takes the area's size (its contents as far as they fit), and one the
// program placed moves in where it would reach over an edge.
void KeepWithinScreen(QWidget* window);

// A row of push buttons at their designed places, from left to right: a button whose caption
// needs more room than its design gives (a longer translation) grows to the left, and the
// buttons before it move left with it, so that the row keeps its right end and its gaps.
void FitButtonRow(const QList<QPushButton*>& row);
// The push buttons of a window laid out by design: from (left, top) of the design, each 75 × 26
// and 80 apart, scaled, then fitted as above; Enter presses the focused one.
void PlaceButtonRow(const QList<QPushButton*>& row, const DesignScale& scale, int left, int top);

} // namespace quorvel
