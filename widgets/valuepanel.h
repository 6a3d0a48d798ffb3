// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A white panel with a thin rounded border that turns blue while it has the focus: the frame
// around a number display. Screen readers see a panel that takes the focus as a button (a press
// opens the number input), and hear the number it shows with it.

#include <QFrame>

namespace quorvel {

class TQZCalcIndicator;

class TValuePanel : public QFrame {
    Q_OBJECT

public:
    explicit TValuePanel(QWidget* parent = nullptr);

    // The display whose number readers hear with the panel. Set the panel's focus policy first.
    void ShowsNumberOf(TQZCalcIndicator* display);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace quorvel
