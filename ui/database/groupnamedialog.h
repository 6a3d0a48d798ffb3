// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The group name editor: renames the group selected on the preferences window's Groups page.
// Its files and its line in the group list take the new name at once, all together or not at
// all; a name that cannot be given is explained under the field, and the dialog stays open.

#include "core/unitsdatabase.h"
#include "ui/help/helpcontext.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quorvel {

class ErrorBalloon;
class PreferencesDialog;

class GroupNameDialog : public QDialog {
    Q_OBJECT

public:
    GroupNameDialog(UnitsDatabase database, ErrorBalloon& errorHint, HelpOpener help,
                    QWidget* parent = nullptr);

    // Opens modal over the preferences window, for its selected group.
    void Open(PreferencesDialog& pref);

    void FillFields();
    void Save();
    void CloseWindow();
    void ShowHelp();

private:
    UnitsDatabase database_;
    ErrorBalloon& balloon_;
    HelpOpener help_;
    PreferencesDialog* preferences_ = nullptr;
    QString oldName_; // the group whose files are renamed, fixed when the dialog opens

    QLineEdit* nameEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

} // namespace quorvel
