// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The delete confirmation: made for one use by the preferences window and gone when it closes.
// Yes deletes the current unit row, except the first, so that a group never loses its last unit.

#include <QDialog>

class QPushButton;

namespace quorvel {

class TFPref;

class TFConfirmDel : public QDialog {
    Q_OBJECT

public:
    explicit TFConfirmDel(TFPref* owner);

    void bbYesClick();
    void bbNoClick();

private:
    TFPref* owner_;
    QPushButton* bbYes_ = nullptr;
    QPushButton* bbNo_ = nullptr;
};

} // namespace quorvel
