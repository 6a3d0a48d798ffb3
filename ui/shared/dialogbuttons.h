// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The push buttons of the program's dialogs, made one way.

#include <QPushButton>
#include <QString>

namespace quorvel {

// A push button named for tests and audits, whose accessible name is its caption without the
// mark of its shortcut letter.
QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent = nullptr);

// The same, running `action` (a slot of `receiver`, or any callable) when it is clicked.
template <typename Receiver, typename Action>
QPushButton* MakeButton(const char* name, const QString& caption, Receiver* receiver, Action action,
                        QWidget* parent = nullptr) {
    QPushButton* button = MakeButton(name, caption, parent);
    QObject::connect(button, &QPushButton::clicked, receiver, action);
    return button;
}

} // namespace quorvel
