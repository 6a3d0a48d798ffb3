// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The units list: a modal list of the loaded group's units from which the user picks one for the
// main window's upper or lower unit picker, with a search by the beginning of a unit's name.

#include "ui/help/helpcontext.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace quorvel {

class ErrorBalloon;

// The find dialog: a small modeless window with the search text, Find Next, Cancel and Help.
// It keeps its text between openings.
class UnitFindDialog : public QDialog {
    Q_OBJECT

public:
    UnitFindDialog(HelpOpener helpLink, QWidget* parent);

    QString FindText() const;

signals:
    // Find Next was pressed.
    void Find();

private:
    QLineEdit* findEdit_;
};

class UnitListDialog : public QDialog {
    Q_OBJECT

public:
    // `targetPicker` gives the unit picker the list serves at the moment (the one the main
    // window's ListTarget names); a choice is handed back by selecting it there.
    UnitListDialog(ErrorBalloon& errorHint, HelpOpener helpLink,
                   std::function<QComboBox*()> targetPicker, QWidget* parent = nullptr);

    // Replaces the entries with the unit names of a newly loaded group.
    void SetUnits(const QStringList& names);
    // Selects the target picker's unit in the list and shows the list modally.
    void Open();

    void ChooseSelected();
    void OpenFindDialog();
    void FindNext();

private:
    int SelectedIndex() const;
    void Select(int index);

    ErrorBalloon& balloon_;
    HelpOpener helpLink_;
    std::function<QComboBox*()> targetPicker_;
    QListWidget* unitsList_;
    UnitFindDialog* findDialog_;
};

} // namespace quorvel
