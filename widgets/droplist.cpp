// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/droplist.h"

namespace quorvel {

namespace {
constexpr int LeastCharacters = 10; // the room it asks for whatever its items
}

DropList::DropList(QWidget* parent) : QComboBox(parent) {
    setMinimumContentsLength(LeastCharacters);
}

QSize DropList::sizeHint() const {
    return minimumSizeHint();
}

// The style sheet's rule takes effect when the list first opens: applied at creation, it has every
// style sheet rule matched against the control and its list built before the window first shows.
void DropList::showPopup() {
    if (styleSheet().isEmpty())
        setStyleSheet("QComboBox { combobox-popup: 0; }");
    QComboBox::showPopup();
}

} // namespace quorvel
