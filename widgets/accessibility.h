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

struct AccessibleFace {
    QAccessible::Role role = QAccessible::StaticText;
    // An empty function leaves that text as Qt gives it: the accessible name or description set
    // on the control, or a window's title. A description set on the control wins over the
    // function's.
    std::function<QString()> name;
    std::function<QString()> description;
    std::function<QString()> value;
    // Readers then also see a read-only number.
    std::function<std::optional<double>()> number;
    // Readers can then press the control, as its click would.
    std::function<void()> press = {};
    // Readers then see a control that can be checked, checked when this says so.
    std::function<bool()> checked = {};
};

// Gives a control its face, or a new one; the face is read afresh whenever a reader asks.
void SetAccessibleFace(QWidget* control, AccessibleFace face);

// Tells screen readers that the control's face shows something new: its name and its value.
void NotifyFaceChanged(QWidget* control);

// Has screen readers speak `text`, in the active window (else in `window`): a notification that
// starts showing, which readers speak at once whatever has the focus.
void Announce(QWidget* window, const QString& text);

} // namespace quorvel
