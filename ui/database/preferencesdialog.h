// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The preferences window: the order and the names of the groups on one page, the units of one
// group at a time with their factors on the other. Edits stay in the window until the group
// shown changes or the user saves; the item editors work directly on its lists and table.

#include "core/unitsdatabase.h"
#include "ui/help/helpcontext.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace quorvel {

class ErrorBalloon;
class GroupNameDialog;
class UnitEditDialog;

// What the preferences window asks of the main window.
struct PreferencesLinks {
    std::function<void()>
        readGroupList; // read the group list again into the group buttons and menu
    std::function<void()> loadFirstGroup; // load the group of the first group button
    // a group's files and its line in the group list took a new name
    std::function<void(const QString& oldName, const QString& newName)> groupRenamed;
    HelpOpener help;
};

class PreferencesDialog : public QDialog {
    Q_OBJECT

public:
    PreferencesDialog(UnitsDatabase database, ErrorBalloon& errorHint, GroupNameDialog& groupEdit,
                      UnitEditDialog& unitsEdit, PreferencesLinks links, QWidget* parent = nullptr);

    // Shows the window modal, read afresh from the database files.
    void Execute();

    // What the item editors work on. Table row k is the unit k + 1; the header is apart.
    QListWidget* GroupList() const { return groupList_; }
    QTableWidget* UnitsTable() const { return unitsTable_; }
    bool AddMode() const { return addMode_; }
    // The chooser index of the group the table was loaded from; -1 for none.
    int ShownGroup() const { return shownGroup_; }
    // After a group's files took a new name: every entry of the group, in the list and in the
    // chooser, takes it too, and the main window's group buttons show it.
    void GroupRenamed(const QString& oldName, const QString& newName);
    // What the window read of the database files; every write it makes, the group editor's
    // rename included, first checks that they still read the same.
    ReadSnapshot& Seen() { return seen_; }
    // A write was refused because the files changed on disk since they were read: the window
    // reads them anew, on the group chosen if it is still there, and says so under `control`.
    void ReloadChanged(QWidget* control, const EDatabaseChanged& error);

    // Reads the window afresh from the database files; the Units page shows `group`, or the
    // first group when the list holds no group of that name.
    void ReadGroupsAndShow(const QString& group = {});
    void OnGroupChosen();
    // Writes the group list and, in the same change, the shown group's units; then the main
    // window re-reads its group buttons. Throws EFileError, having changed no file.
    void SaveGroupsAndUnits();
    // Writes the shown group's units. Throws EFileError, having changed no file.
    void SaveShownUnits();

    void RenameGroup();
    void MoveGroupUp();
    void MoveGroupDown();
    void EditUnit();
    void AddUnit();
    void DeleteUnit();
    void MoveUnitUp();
    void MoveUnitDown();
    void Save();
    void CloseWindow();
    void ShowHelp();
    void OnGroupsPageShown();
    void OnUnitsPageShown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* CreateGroupsPage();
    QWidget* CreateUnitsPage();
    void LoadChosenGroup();
    void ShowUnits(const std::vector<Unit>& units);
    void EnableUnitButtons();
    bool HasUnitsToWrite() const;
    std::string ShownGroupName() const;
    std::vector<Unit> TableUnits() const;
    std::vector<std::string> ListedGroups() const;
    void OpenUnitsEdit(bool addMode);
    // A message for a control that may be on the page not shown: it waits until it can be seen.
    void TellOnce(QWidget* control, const QString& text);
    void ShowPendingMessage();

    UnitsDatabase database_;
    ReadSnapshot seen_;
    ErrorBalloon& balloon_;
    GroupNameDialog& groupNameDialog_;
    UnitEditDialog& unitEditDialog_;
    PreferencesLinks links_;

    int shownGroup_ = -1;
    bool shownGroupRead_ = false; // a group that could not be read is never written
    bool groupListRead_ = false;  // nor is a group list that could not be read
    bool addMode_ = false;
    QPointer<QWidget> messageControl_;
    QString message_;

    QTabWidget* pages_ = nullptr;
    QWidget* groupsPage_ = nullptr;
    QWidget* unitsPage_ = nullptr;
    QListWidget* groupList_ = nullptr;
    QPushButton* renameGroupButton_ = nullptr;
    QPushButton* groupUpButton_ = nullptr;
    QPushButton* groupDownButton_ = nullptr;
    QComboBox* groupChooser_ = nullptr;
    QTableWidget* unitsTable_ = nullptr;
    QPushButton* editUnitButton_ = nullptr;
    QPushButton* addUnitButton_ = nullptr;
    QPushButton* deleteUnitButton_ = nullptr;
    QPushButton* unitUpButton_ = nullptr;
    QPushButton* unitDownButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

} // namespace quorvel
