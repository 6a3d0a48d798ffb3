// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The units list: a modal list of the loaded group's units from which the user picks one for the
// main window's upper or lower unit picker, with a search by the beginning of a unit's name.

#include "ui/help/helpcontext.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace quorvel {

class ConverterSession;
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
    // The list shows the converter's loaded group; a choice goes to the side the converter's
    // list serves.
    UnitListDialog(ConverterSession& converter, ErrorBalloon& balloon, HelpOpener helpLink,
                   QWidget* parent = nullptr);

    // Selects the unit chosen on the side the list serves and shows the list modally.
    void Open();

    void ChooseSelected();
    void OpenFindDialog();
    void FindNext();

private:
    // The loaded group's units as entries.
    void ShowUnits();
    int SelectedIndex() const;
    void Select(int index);

    ErrorBalloon& balloon_;
    HelpOpener helpLink_;
    ConverterSession& converter_;
    QListWidget* unitsList_;
    UnitFindDialog* findDialog_;
};

} // namespace quorvel
