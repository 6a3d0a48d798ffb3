// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Help contexts: every window carries the number of its help topic, and the help key opens the
// topic of the window (or page) that has the focus. Windows reach the help component only
// through a HelpOpener that the program's owner hands them.

#include <QVariant>
#include <QWidget>
#include <functional>

namespace quorvel {

enum HelpContext : int {
    hcMainWindow = 2001,
    hcCalculator = 2002,
    hcInputNumber = 2003,
    hcUnitsList = 2004,
    hcReport = 2005,
    hcPreferencesGroups = 3001, // also the group name editor
    hcPreferencesUnits = 3002,
    hcUnitEditor = 3003,
};

// Opens the help topic of a context number.
using HelpOpener = std::function<void(int context)>;

inline constexpr const char* HelpContextProperty = "helpContext";

// Gives a window, or a part of one such as a page, its help topic.
inline void SetHelpContext(QWidget* widget, int context) {
    widget->setProperty(HelpContextProperty, context);
}

// The help topic of the nearest widget, from `widget` up through its parents to its window,
// that has one; 0 when none has. A popup (a menu, the list of a drop-down) is part of the
// control that opened it and has its topic. Any other window never takes the topic of the
// window it belongs to: a dialog without a topic of its own opens none.
inline int HelpContextOf(const QWidget* widget) {
    const auto ownTopicsEnd = [](const QWidget* part) {
        return part->isWindow() && part->windowType() != Qt::Popup;
    };
    for (; widget; widget = ownTopicsEnd(widget) ? nullptr : widget->parentWidget()) {
        const QVariant context = widget->property(HelpContextProperty);
        if (context.isValid())
            return context.toInt();
    }
    return 0;
}

} // namespace quorvel
