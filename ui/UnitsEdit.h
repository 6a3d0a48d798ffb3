// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The unit editor: a unit's name and factor, shown beside the base unit of the group. It edits
// the preferences window's current row, or inserts a new unit there; nothing goes to disk here.
// A field that would not stay one line of the group's files is refused with a message under it.

#include "ui/HelpContext.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel {

class TErrorHintWindow;
class TFPref;

class TFUnitsEdit : public QDialog {
    Q_OBJECT

public:
    TFUnitsEdit(TErrorHintWindow& errorHint, THelpLink help, QWidget* parent = nullptr);

    // Opens modal over the preferences window, for its current row and its AddMode.
    void Open(TFPref& pref);

    void FormActivate();
    void bbOKClick();
    void bbCloseClick();
    void bbHelpClick();

private:
    bool RefusesLineBreaks();

    TErrorHintWindow& errorHint_;
    THelpLink help_;
    TFPref* pref_ = nullptr;

    QLineEdit* edUnit_ = nullptr;
    QLineEdit* edFactor_ = nullptr;
    QLabel* stBaseUnit_ = nullptr;
    QPushButton* bbOK_ = nullptr;
    QPushButton* bbClose_ = nullptr;
    QPushButton* bbHelp_ = nullptr;
};

} // namespace quorvel
