// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The delete confirmation: made for one use by the preferences window and gone when it closes.
// Yes deletes the current unit row, except the first, so that a group never loses its last unit.

#include <QDialog>

class QPushButton;

namespace quorvel {

class PreferencesDialog;

class ConfirmDeleteDialog : public QDialog {
    Q_OBJECT

public:
    explicit ConfirmDeleteDialog(PreferencesDialog* owner);

    void Confirm();
    void Decline();

private:
    PreferencesDialog* owner_;
    QPushButton* yesButton_ = nullptr;
    QPushButton* noButton_ = nullptr;
};

} // namespace quorvel
