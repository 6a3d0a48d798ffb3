// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The group name editor: renames the group selected on the preferences window's Groups page.
// Its files and its line in the group list take the new name at once, all together or not at
// all; a name that cannot be given is explained under the field, and the dialog stays open.

#include "core/unitsdatabase.h"
#include "ui/HelpContext.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quorvel {

class TErrorHintWindow;
class TFPref;

class TFGroupEdit : public QDialog {
    Q_OBJECT

public:
    TFGroupEdit(UnitsDatabase database, TErrorHintWindow& errorHint, THelpLink help,
                QWidget* parent = nullptr);

    // Opens modal over the preferences window, for its selected group.
    void Open(TFPref& pref);

    void FormActivate();
    void bbOkClick();
    void bbCloseClick();
    void bbHelpClick();

private:
    UnitsDatabase database_;
    TErrorHintWindow& errorHint_;
    THelpLink help_;
    TFPref* pref_ = nullptr;
    QString oldName_; // the group whose files are renamed, fixed when the dialog opens

    QLineEdit* edGroupEdit_ = nullptr;
    QPushButton* bbOk_ = nullptr;
    QPushButton* bbClose_ = nullptr;
    QPushButton* bbHelp_ = nullptr;
};

} // namespace quorvel
