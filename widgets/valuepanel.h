// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A white panel with a thin rounded border that turns blue while it has the focus: the frame
// around a number display. Screen readers hear the number it shows with it, and see a panel that
// a press acts on (it opens the number input) as a button they can press.

#include <QFrame>
#include <functional>

namespace quorvel {

class NumberDisplay;

class ValuePanel : public QFrame {
    Q_OBJECT

public:
    explicit ValuePanel(QWidget* parent = nullptr);

    // The display whose number readers hear with the panel; with `press`, what a press of the
    // panel does, which readers then see as a button they can press.
    void ShowsNumberOf(NumberDisplay* display, std::function<void()> press = {});

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace quorvel
