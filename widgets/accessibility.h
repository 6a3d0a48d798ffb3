// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What screen readers see of the program's own controls, and how a message reaches them. Qt
// describes its standard controls itself; a control that paints its own text (a number display,
// a key panel, the credits, the error balloon), or a window that Qt would take for a plain
// container, gets a face here: a role, and a name, description and value read from the control as
// it is now.

#include <QAccessible>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace quorvel {

struct TAccessibleFace {
    QAccessible::Role role = QAccessible::StaticText;
    // An empty function leaves that text as Qt gives it: the accessible name or description set
    // on the control, or a window's title. A description set on the control wins over the
    // function's, so that an announcement (below) can speak through any control.
    std::function<QString()> name;
    std::function<QString()> description;
    std::function<QString()> value;
    // Readers then also see a read-only number.
    std::function<std::optional<double>()> number;
    // Readers can then press the control, as its click would.
    std::function<void()> press = {};
};

// Gives a control its face, or a new one; the face is read afresh whenever a reader asks.
void SetAccessibleFace(QWidget* control, TAccessibleFace face);

// Tells screen readers that the control's face shows something new: its name and its value.
void NotifyFaceChanged(QWidget* control);

// Has screen readers speak `text` through `control`: readers speak a change of the description
// of the control that has the keyboard focus, and read the description with the control when it
// takes the focus. The control carries the text until it next loses the focus or the
// announcement ends. Pass the control that has, or is about to get, the focus.
void Announce(QWidget* control, const QString& text);
// Gives the announcing control its own description back.
void EndAnnouncement();

// The control a message to a window is best announced through: the window's focused control (the
// one that has the focus again when the window is next active), or the window itself.
QWidget* AnnouncingControl(QWidget* window);

} // namespace quorvel
