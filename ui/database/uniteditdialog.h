// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The unit editor: a unit's name and factor, shown beside the base unit of the group. It edits
// the preferences window's current row, or inserts a new unit there; nothing goes to disk here.
// A field that would not stay one line of the group's files is refused with a message under it.

#include "ui/help/helpcontext.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel {

class ErrorBalloon;
class PreferencesDialog;

class UnitEditDialog : public QDialog {
    Q_OBJECT

public:
    UnitEditDialog(ErrorBalloon& errorHint, HelpOpener help, QWidget* parent = nullptr);

    // Opens modal over the preferences window, for its current row and its AddMode.
    void Open(PreferencesDialog& pref);

    void FillFields();
    void Save();
    void CloseWindow();
    void ShowHelp();

private:
    bool RefusesLineBreaks();

    ErrorBalloon& balloon_;
    HelpOpener help_;
    PreferencesDialog* preferences_ = nullptr;

    QLineEdit* unitNameEdit_ = nullptr;
    QLineEdit* factorEdit_ = nullptr;
    QLabel* baseUnitLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

} // namespace quorvel
