// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A drop-down list whose open list scrolls after its most visible items, where some styles would
// show every item at once, over the whole screen if need be. Its width comes from the window it
// stands in: a long item shows cut short, and laying the window out measures no item. Screen
// readers hear the item chosen with the list's name.

#include <QComboBox>

namespace quorvel {

class DropList : public QComboBox {
    Q_OBJECT

public:
    explicit DropList(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    void showPopup() override;
};

} // namespace quorvel
