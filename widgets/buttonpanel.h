// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A button panel: a calculator key drawn as a raised panel, lowered while it is pressed. A keypad
// panel acts on the press of any mouse button, so that quick presses are never lost; a function
// panel acts on a click of the left button released over it. The focused panel acts on Space,
// and the arrow keys move the focus to the neighbouring panel.

#include <QColor>
#include <QStaticText>
#include <QString>
#include <QWidget>
#include <functional>

namespace quorvel {

class ButtonPanel : public QWidget {
    Q_OBJECT

public:
    enum class Trigger {
        Press, // any mouse button down; a double click acts twice
        Click, // left button released over the panel; a double click acts once
    };

    // The caption may be rich text ("x<sup>2</sup>").
    ButtonPanel(const QString& caption, Trigger trigger, QWidget* parent = nullptr);

    QString Caption() const { return caption_.text(); }
    void SetCaption(const QString& caption);

    // What the panel does when pressed or clicked. The action may throw: the error leaves the
    // mouse or key handler for the application's handler.
    void SetAction(std::function<void()> action) { action_ = std::move(action); }
    // Performs the action as a press or click would.
    void Activate();

    bool Lowered() const { return lowered_; }
    void SetLowered(bool lowered);
    // A latched panel keeps the look its window gives it, whatever the mouse does (the memory
    // cell panels show the active cell this way).
    void SetLatched(bool latched) { latched_ = latched; }
    // The caption's colour on a light face; on a face it would not read well on, a lighter or
    // darker variant of it.
    void SetCaptionColour(const QColor& colour);
    // Room for the caption in the panel's font, within the panel's border.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Look(bool lowered);
    void MoveFocus(int key);

    QStaticText caption_;
    QColor captionColour_;
    Trigger trigger_;
    std::function<void()> action_;
    bool lowered_ = false;
    bool latched_ = false;
    bool held_ = false; // a click has started on this panel
};

} // namespace quorvel
