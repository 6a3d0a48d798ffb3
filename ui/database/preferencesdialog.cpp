// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/database/preferencesdialog.h"

#include "core/conversion.h"
#include "ui/database/confirmdeletedialog.h"
#include "ui/database/editorparts.h"
#include "ui/database/groupnamedialog.h"
#include "ui/database/uniteditdialog.h"
#include "ui/language/translated.h"
#include "ui/shared/balloon.h"
#include "widgets/accessibility.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvel {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A key that presses a button of a page while the page has the focus (a disabled button
// ignores it, as it ignores a click).
void AddKey(QWidget* page, const QKeySequence& key, QPushButton* button) {
    auto* shortcut = new QShortcut(key, page);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    //: Hint of a button: %1 is what it does, %2 its shortcut key, as in "Add a unit (Ins)".
    button->setToolTip(PreferencesDialog::tr("%1 (%2)").arg(
        button->accessibleName(), key.toString(QKeySequence::NativeText)));
}

// Enter on a row of a list acts as a double-click on it: the row is opened, and the window's
// default button (Save) is not pressed.
void OpenRowOnEnter(QWidget* view, const std::function<void()>& open) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(key, view);
        shortcut->setContext(Qt::WidgetShortcut);
        QObject::connect(shortcut, &QShortcut::activated, view, open);
    }
}

QVBoxLayout* ButtonColumn(std::initializer_list<QPushButton*> buttons) {
    auto* column = new QVBoxLayout;
    for (QPushButton* button : buttons)
        column->addWidget(button);
    column->addStretch();
    return column;
}

} // namespace

PreferencesDialog::PreferencesDialog(UnitsDatabase database, ErrorBalloon& errorHint,
                                     GroupNameDialog& groupEdit, UnitEditDialog& unitsEdit,
                                     PreferencesLinks links, QWidget* parent)
    : QDialog(parent), database_(std::move(database)), balloon_(errorHint),
      groupNameDialog_(groupEdit), unitEditDialog_(unitsEdit), links_(std::move(links)) {
    setObjectName("FPref");
    //: Title of the window where the user edits the groups and units.
    setWindowTitle(tr("Preferences"));
    setWindowFlags(DialogFlags);
    setWindowModality(Qt::ApplicationModal);

    pages_ = new QTabWidget;
    pages_->setObjectName("pgPreferences");
    SetAccessibleFace(pages_, {QAccessible::Grouping, {}, {}, {}, {}});
    //: The two pages of the preferences window, as screen readers name them.
    pages_->setAccessibleName(tr("Pages"));
    groupsPage_ = CreateGroupsPage();
    unitsPage_ = CreateUnitsPage();
    //: The page where the groups are renamed and reordered.
    pages_->addTab(groupsPage_, tr("&Groups"));
    //: The page where a group's units and their factors are edited.
    pages_->addTab(unitsPage_, tr("U&nits"));
    connect(pages_, &QTabWidget::currentChanged, this,
            [this](int page) { page == 0 ? OnGroupsPageShown() : OnUnitsPageShown(); });

    const EditorButtons buttons =
        MakeEditorButtons(this, &PreferencesDialog::Save, &PreferencesDialog::CloseWindow,
                          &PreferencesDialog::ShowHelp);
    okButton_ = buttons.save;
    closeButton_ = buttons.close;
    helpButton_ = buttons.help;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons.row);
    resize(460, 400);
    OnGroupsPageShown();
}

QWidget* PreferencesDialog::CreateGroupsPage() {
    auto* page = new QWidget;
    page->setObjectName("tsGroup");
    SetAccessibleFace(page, {QAccessible::PropertyPage, {}, {}, {}, {}});
    page->setAccessibleName(tr("Groups"));
    SetHelpContext(page, hcPreferencesGroups);
    groupList_ = new QListWidget;
    groupList_->setObjectName("lbGroup");
    groupList_->setAccessibleName(tr("Group list"));
    connect(groupList_, &QListWidget::itemDoubleClicked, this, &PreferencesDialog::RenameGroup);
    OpenRowOnEnter(groupList_, [this] { RenameGroup(); });

    //: Renames the selected group.
    renameGroupButton_ = MakeButton("bbEdit1", tr("&Edit"), QStyle::SP_FileDialogDetailedView);
    //: Moves the selected item one place up.
    groupUpButton_ = MakeButton("bbUp1", tr("&Up"), QStyle::SP_ArrowUp);
    //: Moves the selected item one place down.
    groupDownButton_ = MakeButton("bbDown1", tr("&Down"), QStyle::SP_ArrowDown);
    renameGroupButton_->setAccessibleName(tr("Edit the group's name"));
    groupUpButton_->setAccessibleName(tr("Move the group up"));
    groupDownButton_->setAccessibleName(tr("Move the group down"));
    connect(renameGroupButton_, &QPushButton::clicked, this, &PreferencesDialog::RenameGroup);
    connect(groupUpButton_, &QPushButton::clicked, this, &PreferencesDialog::MoveGroupUp);
    connect(groupDownButton_, &QPushButton::clicked, this, &PreferencesDialog::MoveGroupDown);
    AddKey(page, Qt::Key_F2, renameGroupButton_);
    AddKey(page, QKeySequence(Qt::CTRL | Qt::Key_Up), groupUpButton_);
    AddKey(page, QKeySequence(Qt::CTRL | Qt::Key_Down), groupDownButton_);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(groupList_, 1);
    layout->addLayout(ButtonColumn({renameGroupButton_, groupUpButton_, groupDownButton_}));
    return page;
}

QWidget* PreferencesDialog::CreateUnitsPage() {
    auto* page = new QWidget;
    page->setObjectName("tsUnits");
    SetAccessibleFace(page, {QAccessible::PropertyPage, {}, {}, {}, {}});
    page->setAccessibleName(tr("Units"));
    SetHelpContext(page, hcPreferencesUnits);
    groupChooser_ = new QComboBox;
    groupChooser_->setObjectName("cbGroup");
    //: The picker of the group whose units are shown, as screen readers name it.
    groupChooser_->setAccessibleName(tr("Group"));
    groupChooser_->setMaxVisibleItems(20);
    connect(groupChooser_, &QComboBox::activated, this, &PreferencesDialog::OnGroupChosen);

    unitsTable_ = new QTableWidget(0, 2);
    unitsTable_->setObjectName("sgUnits");
    unitsTable_->setAccessibleName(tr("Units and their factors"));
    //: Heading of the table's column of unit names.
    const QString units = tr("Units");
    //: Heading of the table's column of factors (how many base units one unit makes).
    const QString factors = tr("Factors");
    unitsTable_->setHorizontalHeaderLabels({units, factors});
    unitsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    unitsTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    unitsTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    unitsTable_->setTabKeyNavigation(false);
    unitsTable_->setWordWrap(false);
    unitsTable_->verticalHeader()->hide();
    unitsTable_->verticalHeader()->setDefaultSectionSize(unitsTable_->fontMetrics().height() + 6);
    unitsTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    unitsTable_->horizontalHeader()->setHighlightSections(false);
    const auto editRow = [this] {
        if (editUnitButton_->isEnabled()) // not for the Temperature group
            EditUnit();
    };
    connect(unitsTable_, &QTableWidget::cellDoubleClicked, this, editRow);
    OpenRowOnEnter(unitsTable_, editRow);

    editUnitButton_ = MakeButton("bbEdit2", tr("&Edit"), QStyle::SP_FileDialogDetailedView);
    addUnitButton_ = MakeButton("bbAdd2", tr("&Add"), QStyle::SP_FileDialogNewFolder);
    deleteUnitButton_ = MakeButton("bbDel2", tr("De&lete"), QStyle::SP_TrashIcon);
    unitUpButton_ = MakeButton("bbUp2", tr("&Up"), QStyle::SP_ArrowUp);
    unitDownButton_ = MakeButton("bbDown2", tr("&Down"), QStyle::SP_ArrowDown);
    editUnitButton_->setAccessibleName(tr("Edit the unit"));
    addUnitButton_->setAccessibleName(tr("Add a unit"));
    deleteUnitButton_->setAccessibleName(tr("Delete the unit"));
    unitUpButton_->setAccessibleName(tr("Move the unit up"));
    unitDownButton_->setAccessibleName(tr("Move the unit down"));
    connect(editUnitButton_, &QPushButton::clicked, this, &PreferencesDialog::EditUnit);
    connect(addUnitButton_, &QPushButton::clicked, this, &PreferencesDialog::AddUnit);
    connect(deleteUnitButton_, &QPushButton::clicked, this, &PreferencesDialog::DeleteUnit);
    connect(unitUpButton_, &QPushButton::clicked, this, &PreferencesDialog::MoveUnitUp);
    connect(unitDownButton_, &QPushButton::clicked, this, &PreferencesDialog::MoveUnitDown);
    AddKey(page, Qt::Key_F2, editUnitButton_);
    AddKey(page, Qt::Key_Insert, addUnitButton_);
    AddKey(page, Qt::Key_Delete, deleteUnitButton_);
    AddKey(page, QKeySequence(Qt::CTRL | Qt::Key_Up), unitUpButton_);
    AddKey(page, QKeySequence(Qt::CTRL | Qt::Key_Down), unitDownButton_);

    //: Label of the picker of the group whose units are shown.
    auto* chooserLabel = new QLabel(tr("G&roup:"));
    chooserLabel->setObjectName("lbChooser");
    chooserLabel->setBuddy(groupChooser_);
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(chooserLabel);
    chooser->addWidget(groupChooser_, 1);
    auto* table = new QVBoxLayout;
    table->addLayout(chooser);
    table->addWidget(unitsTable_, 1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(table, 1);
    layout->addLayout(ButtonColumn(
        {editUnitButton_, addUnitButton_, deleteUnitButton_, unitUpButton_, unitDownButton_}));
    return page;
}

void PreferencesDialog::Execute() {
    show();
    activateWindow();
}

void PreferencesDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ReadGroupsAndShow();
}

void PreferencesDialog::ReadGroupsAndShow(const QString& group) {
    groupChooser_->clear();
    groupList_->clear();
    message_.clear();
    groupListRead_ = false;
    seen_.Clear();
    try {
        for (const std::string& group : database_.ReadGroupList(&seen_)) {
            groupChooser_->addItem(Q(group));
            groupList_->addItem(Q(group));
        }
        groupListRead_ = true;
    } catch (const EFileError& error) {
        //: %1 is the reason, such as a file that cannot be read.
        TellOnce(groupList_, tr("The group list could not be read and is left as it is on disk. %1")
                                 .arg(Translated(error)));
    }
    const int named = group.isEmpty() ? -1 : groupChooser_->findText(group);
    groupChooser_->setCurrentIndex(groupChooser_->count() > 0 ? std::max(0, named) : -1);
    shownGroup_ = -1;
    groupList_->setCurrentRow(groupList_->count() > 0 ? 0 : -1);
    OnGroupChosen(); // nothing is shown yet, so nothing is written
    QWidget* first = pages_->currentIndex() == 0 ? static_cast<QWidget*>(groupList_)
                                                 : static_cast<QWidget*>(unitsTable_);
    first->setFocus();
}

void PreferencesDialog::OnGroupChosen() {
    try {
        SaveShownUnits();
    } catch (const EDatabaseChanged& error) {
        ReloadChanged(groupChooser_, error);
        return;
    } catch (const EFileError& error) {
        // The edits would be lost with the table: it stays on their group.
        const QString shown = Q(ShownGroupName());
        groupChooser_->setCurrentIndex(shownGroup_);
        //: %1 is the name of a group, %2 the reason, such as a file that cannot be written.
        TellOnce(groupChooser_, tr("The units of '%1' were not saved and are still shown. %2")
                                    .arg(shown, Translated(error)));
        return;
    }
    LoadChosenGroup();
}

void PreferencesDialog::LoadChosenGroup() {
    shownGroup_ = groupChooser_->currentIndex();
    shownGroupRead_ = false;
    std::vector<Unit> units;
    if (shownGroup_ >= 0) {
        const std::string name = ShownGroupName();
        try {
            units = database_.LoadGroup(name, &seen_);
            shownGroupRead_ = true;
        } catch (const EFileError& error) {
            //: %1 is the name of a group, %2 the reason, such as a file that cannot be read.
            TellOnce(unitsTable_,
                     tr("The group '%1' could not be read and is left as it is on disk. %2")
                         .arg(Q(name), Translated(error)));
        }
    }
    ShowUnits(units);
    EnableUnitButtons();
}

void PreferencesDialog::ShowUnits(const std::vector<Unit>& units) {
    unitsTable_->clearContents();
    unitsTable_->setRowCount(std::max<int>(1, static_cast<int>(units.size())));
    for (int row = 0; row < static_cast<int>(units.size()); ++row) {
        SetCellText(unitsTable_, row, 0, Q(units[row].name));
        SetCellText(unitsTable_, row, 1, Q(units[row].factor));
    }
    unitsTable_->setCurrentCell(0, 0);
}

void PreferencesDialog::EnableUnitButtons() {
    // The Temperature group converts by its units' names: they may be reordered, nothing more.
    const bool editable =
        shownGroupRead_ && ConversionKindOf(ShownGroupName()) == ConversionKind::ByFactors;
    editUnitButton_->setEnabled(editable);
    addUnitButton_->setEnabled(editable);
    deleteUnitButton_->setEnabled(editable);
    unitUpButton_->setEnabled(shownGroupRead_);
    unitDownButton_->setEnabled(shownGroupRead_);
}

bool PreferencesDialog::HasUnitsToWrite() const {
    return shownGroup_ >= 0 && shownGroupRead_;
}

std::string PreferencesDialog::ShownGroupName() const {
    // The chooser entry, which a rename keeps up to date.
    return shownGroup_ >= 0 ? groupChooser_->itemText(shownGroup_).toStdString() : std::string();
}

std::vector<Unit> PreferencesDialog::TableUnits() const {
    std::vector<Unit> units;
    for (int row = 0; row < unitsTable_->rowCount(); ++row)
        units.push_back({CellText(unitsTable_, row, 0).toStdString(),
                         CellText(unitsTable_, row, 1).toStdString()});
    return units;
}

std::vector<std::string> PreferencesDialog::ListedGroups() const {
    std::vector<std::string> groups;
    for (int k = 0; k < groupList_->count(); ++k)
        groups.push_back(groupList_->item(k)->text().toStdString());
    return groups;
}

void PreferencesDialog::SaveGroupsAndUnits() {
    if (!groupListRead_)
        return; // no list to write back
    if (HasUnitsToWrite())
        database_.WriteGroupListAndUnits(ListedGroups(), ShownGroupName(), TableUnits(), &seen_);
    else
        database_.WriteGroupList(ListedGroups(), &seen_);
    if (links_.readGroupList)
        links_.readGroupList();
}

void PreferencesDialog::SaveShownUnits() {
    if (HasUnitsToWrite())
        database_.WriteGroupUnits(ShownGroupName(), TableUnits(), &seen_);
}

void PreferencesDialog::ReloadChanged(QWidget* control, const EDatabaseChanged& error) {
    ReadGroupsAndShow(groupChooser_->currentText());
    if (links_.readGroupList)
        links_.readGroupList(); // the main window shows the list as it is now, too
    //: %1 is the reason, such as "'Files/Length.uns' has changed since it was read (...)".
    TellOnce(control, tr("Nothing was saved: %1. The window now shows the units database as it "
                         "is; make your changes again.")
                          .arg(Translated(error)));
}

void PreferencesDialog::GroupRenamed(const QString& oldName, const QString& newName) {
    for (int k = 0; k < groupList_->count(); ++k) {
        if (groupList_->item(k)->text() == oldName)
            groupList_->item(k)->setText(newName);
    }
    // Found by name: moves on the Groups page do not reorder the chooser.
    for (int k = 0; k < groupChooser_->count(); ++k) {
        if (groupChooser_->itemText(k) == oldName)
            groupChooser_->setItemText(k, newName);
    }
    if (links_.groupRenamed)
        links_.groupRenamed(oldName, newName); // the group list file has the new name already
}

void PreferencesDialog::RenameGroup() {
    const QListWidgetItem* item = groupList_->currentItem();
    if (!item)
        return;
    if (ConversionKindOf(item->text().toStdString()) == ConversionKind::TemperatureScales) {
        //: Temperature is the name of the group, which stays as it is in the group list.
        balloon_.ShowUnder(renameGroupButton_, tr("You must not edit 'Temperature' group!"));
        return;
    }
    groupNameDialog_.Open(*this);
}

void PreferencesDialog::MoveGroupUp() {
    MoveCurrentRow(groupList_, -1);
}

void PreferencesDialog::MoveGroupDown() {
    MoveCurrentRow(groupList_, +1);
}

void PreferencesDialog::EditUnit() {
    OpenUnitsEdit(false);
}

void PreferencesDialog::AddUnit() {
    OpenUnitsEdit(true);
}

void PreferencesDialog::OpenUnitsEdit(bool addMode) {
    addMode_ = addMode;
    unitEditDialog_.Open(*this);
}

void PreferencesDialog::DeleteUnit() {
    auto* confirm = new ConfirmDeleteDialog(this); // gone when it closes
    ShowModalOver(confirm, this);
}

void PreferencesDialog::MoveUnitUp() {
    MoveCurrentRow(unitsTable_, -1);
}

void PreferencesDialog::MoveUnitDown() {
    MoveCurrentRow(unitsTable_, +1);
}

void PreferencesDialog::Save() {
    try {
        SaveGroupsAndUnits();
    } catch (const EDatabaseChanged& error) {
        ReloadChanged(okButton_, error);
        return;
    } catch (const EDatabaseBusy& error) {
        balloon_.ShowUnder(okButton_, Translated(error)); // the edits stay, for Save again
        return;
    } catch (const EFileError& error) {
        //: %1 is the reason, such as a file that cannot be written.
        balloon_.ShowUnder(okButton_, tr("Nothing was saved. %1").arg(Translated(error)));
        return;
    }
    if (links_.loadFirstGroup)
        links_.loadFirstGroup();
    accept();
}

void PreferencesDialog::CloseWindow() {
    reject(); // as Esc and the title bar's close button do
}

void PreferencesDialog::ShowHelp() {
    if (links_.help)
        links_.help(HelpContextOf(this));
}

void PreferencesDialog::OnGroupsPageShown() {
    SetHelpContext(this, hcPreferencesGroups);
    ShowPendingMessage();
}

void PreferencesDialog::OnUnitsPageShown() {
    SetHelpContext(this, hcPreferencesUnits);
    ShowPendingMessage();
}

void PreferencesDialog::TellOnce(QWidget* control, const QString& text) {
    messageControl_ = control;
    message_ = text;
    // After the events that show the window or its page.
    QTimer::singleShot(0, this, &PreferencesDialog::ShowPendingMessage);
}

void PreferencesDialog::ShowPendingMessage() {
    if (message_.isEmpty() || !messageControl_ || !messageControl_->isVisible())
        return;
    balloon_.ShowUnder(messageControl_, message_);
    message_.clear();
}

} // namespace quorvel
