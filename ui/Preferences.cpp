// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Preferences.h"

#include "core/conversion.h"
#include "ui/ConfirmDel.h"
#include "ui/EditorParts.h"
#include "ui/GroupEdit.h"
#include "ui/Hints.h"
#include "ui/Translated.h"
#include "ui/UnitsEdit.h"
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
    button->setToolTip(TFPref::tr("%1 (%2)").arg(button->accessibleName(),
                                                 key.toString(QKeySequence::NativeText)));
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

TFPref::TFPref(UnitsDatabase database, TErrorHintWindow& errorHint, TFGroupEdit& groupEdit,
               TFUnitsEdit& unitsEdit, TFPrefLinks links, QWidget* parent)
    : QDialog(parent), database_(std::move(database)), errorHint_(errorHint), groupEdit_(groupEdit),
      unitsEdit_(unitsEdit), links_(std::move(links)) {
    setObjectName("FPref");
    //: Title of the window where the user edits the groups and units.
    setWindowTitle(tr("Preferences"));
    setWindowFlags(DialogFlags);
    setWindowModality(Qt::ApplicationModal);

    pgPreferences_ = new QTabWidget;
    pgPreferences_->setObjectName("pgPreferences");
    SetAccessibleFace(pgPreferences_, {QAccessible::Grouping, {}, {}, {}, {}});
    //: The two pages of the preferences window, as screen readers name them.
    pgPreferences_->setAccessibleName(tr("Pages"));
    tsGroup_ = CreateGroupsPage();
    tsUnits_ = CreateUnitsPage();
    //: The page where the groups are renamed and reordered.
    pgPreferences_->addTab(tsGroup_, tr("&Groups"));
    //: The page where a group's units and their factors are edited.
    pgPreferences_->addTab(tsUnits_, tr("U&nits"));
    connect(pgPreferences_, &QTabWidget::currentChanged, this,
            [this](int page) { page == 0 ? tsGroupShow() : tsUnitsShow(); });

    const TEditorButtons buttons = MakeEditorButtons();
    bbOk_ = buttons.save;
    bbClose_ = buttons.close;
    bbHelp_ = buttons.help;
    connect(bbOk_, &QPushButton::clicked, this, &TFPref::bbOkClick);
    connect(bbClose_, &QPushButton::clicked, this, &TFPref::bbCloseClick);
    connect(bbHelp_, &QPushButton::clicked, this, &TFPref::bbHelpClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pgPreferences_, 1);
    layout->addLayout(buttons.row);
    resize(460, 400);
    tsGroupShow();
}

QWidget* TFPref::CreateGroupsPage() {
    auto* page = new QWidget;
    page->setObjectName("tsGroup");
    SetAccessibleFace(page, {QAccessible::PropertyPage, {}, {}, {}, {}});
    page->setAccessibleName(tr("Groups"));
    SetHelpContext(page, hcPreferencesGroups);
    lbGroup_ = new QListWidget;
    lbGroup_->setObjectName("lbGroup");
    lbGroup_->setAccessibleName(tr("Group list"));
    connect(lbGroup_, &QListWidget::itemDoubleClicked, this, &TFPref::bbEdit1Click);
    OpenRowOnEnter(lbGroup_, [this] { bbEdit1Click(); });

    //: Renames the selected group.
    bbEdit1_ = MakeButton("bbEdit1", tr("&Edit"), QStyle::SP_FileDialogDetailedView);
    //: Moves the selected item one place up.
    bbUp1_ = MakeButton("bbUp1", tr("&Up"), QStyle::SP_ArrowUp);
    //: Moves the selected item one place down.
    bbDown1_ = MakeButton("bbDown1", tr("&Down"), QStyle::SP_ArrowDown);
    bbEdit1_->setAccessibleName(tr("Edit the group's name"));
    bbUp1_->setAccessibleName(tr("Move the group up"));
    bbDown1_->setAccessibleName(tr("Move the group down"));
    connect(bbEdit1_, &QPushButton::clicked, this, &TFPref::bbEdit1Click);
    connect(bbUp1_, &QPushButton::clicked, this, &TFPref::bbUp1Click);
    connect(bbDown1_, &QPushButton::clicked, this, &TFPref::bbDown1Click);
    AddKey(page, Qt::Key_F2, bbEdit1_);
    AddKey(page, QKeySequence(Qt::CTRL | Qt::Key_Up), bbUp1_);
    AddKey(page, QKeySequence(Qt::CTRL | Qt::Key_Down), bbDown1_);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(lbGroup_, 1);
    layout->addLayout(ButtonColumn({bbEdit1_, bbUp1_, bbDown1_}));
    return page;
}

QWidget* TFPref::CreateUnitsPage() {
    auto* page = new QWidget;
    page->setObjectName("tsUnits");
    SetAccessibleFace(page, {QAccessible::PropertyPage, {}, {}, {}, {}});
    page->setAccessibleName(tr("Units"));
    SetHelpContext(page, hcPreferencesUnits);
    cbGroup_ = new QComboBox;
    cbGroup_->setObjectName("cbGroup");
    //: The picker of the group whose units are shown, as screen readers name it.
    cbGroup_->setAccessibleName(tr("Group"));
    cbGroup_->setMaxVisibleItems(20);
    connect(cbGroup_, &QComboBox::activated, this, &TFPref::cbGroupClick);

    sgUnits_ = new QTableWidget(0, 2);
    sgUnits_->setObjectName("sgUnits");
    sgUnits_->setAccessibleName(tr("Units and their factors"));
    //: Heading of the table's column of unit names.
    const QString units = tr("Units");
    //: Heading of the table's column of factors (how many base units one unit makes).
    const QString factors = tr("Factors");
    sgUnits_->setHorizontalHeaderLabels({units, factors});
    sgUnits_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgUnits_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgUnits_->setSelectionMode(QAbstractItemView::SingleSelection);
    sgUnits_->setTabKeyNavigation(false);
    sgUnits_->setWordWrap(false);
    sgUnits_->verticalHeader()->hide();
    sgUnits_->verticalHeader()->setDefaultSectionSize(sgUnits_->fontMetrics().height() + 6);
    sgUnits_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    sgUnits_->horizontalHeader()->setHighlightSections(false);
    const auto editRow = [this] {
        if (bbEdit2_->isEnabled()) // not for the Temperature group
            bbEdit2Click();
    };
    connect(sgUnits_, &QTableWidget::cellDoubleClicked, this, editRow);
    OpenRowOnEnter(sgUnits_, editRow);

    bbEdit2_ = MakeButton("bbEdit2", tr("&Edit"), QStyle::SP_FileDialogDetailedView);
    bbAdd2_ = MakeButton("bbAdd2", tr("&Add"), QStyle::SP_FileDialogNewFolder);
    bbDel2_ = MakeButton("bbDel2", tr("De&lete"), QStyle::SP_TrashIcon);
    bbUp2_ = MakeButton("bbUp2", tr("&Up"), QStyle::SP_ArrowUp);
    bbDown2_ = MakeButton("bbDown2", tr("&Down"), QStyle::SP_ArrowDown);
    bbEdit2_->setAccessibleName(tr("Edit the unit"));
    bbAdd2_->setAccessibleName(tr("Add a unit"));
    bbDel2_->setAccessibleName(tr("Delete the unit"));
    bbUp2_->setAccessibleName(tr("Move the unit up"));
    bbDown2_->setAccessibleName(tr("Move the unit down"));
    connect(bbEdit2_, &QPushButton::clicked, this, &TFPref::bbEdit2Click);
    connect(bbAdd2_, &QPushButton::clicked, this, &TFPref::bbAdd2Click);
    connect(bbDel2_, &QPushButton::clicked, this, &TFPref::bbDel2Click);
    connect(bbUp2_, &QPushButton::clicked, this, &TFPref::bbUp2Click);
    connect(bbDown2_, &QPushButton::clicked, this, &TFPref::bbDown2Click);
    AddKey(page, Qt::Key_F2, bbEdit2_);
    AddKey(page, Qt::Key_Insert, bbAdd2_);
    AddKey(page, Qt::Key_Delete, bbDel2_);
    AddKey(page, QKeySequence(Qt::CTRL | Qt::Key_Up), bbUp2_);
    AddKey(page, QKeySequence(Qt::CTRL | Qt::Key_Down), bbDown2_);

    //: Label of the picker of the group whose units are shown.
    auto* chooserLabel = new QLabel(tr("G&roup:"));
    chooserLabel->setObjectName("lbChooser");
    chooserLabel->setBuddy(cbGroup_);
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(chooserLabel);
    chooser->addWidget(cbGroup_, 1);
    auto* table = new QVBoxLayout;
    table->addLayout(chooser);
    table->addWidget(sgUnits_, 1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(table, 1);
    layout->addLayout(ButtonColumn({bbEdit2_, bbAdd2_, bbDel2_, bbUp2_, bbDown2_}));
    return page;
}

void TFPref::Execute() {
    show();
    activateWindow();
}

void TFPref::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFPref::FormShow(const QString& group) {
    cbGroup_->clear();
    lbGroup_->clear();
    message_.clear();
    groupListRead_ = false;
    seen_.Clear();
    try {
        for (const std::string& group : database_.ReadGroupList(&seen_)) {
            cbGroup_->addItem(Q(group));
            lbGroup_->addItem(Q(group));
        }
        groupListRead_ = true;
    } catch (const EFileError& error) {
        //: %1 is the reason, such as a file that cannot be read.
        TellOnce(lbGroup_, tr("The group list could not be read and is left as it is on disk. %1")
                               .arg(Translated(error)));
    }
    const int named = group.isEmpty() ? -1 : cbGroup_->findText(group);
    cbGroup_->setCurrentIndex(cbGroup_->count() > 0 ? std::max(0, named) : -1);
    shownGroup_ = -1;
    lbGroup_->setCurrentRow(lbGroup_->count() > 0 ? 0 : -1);
    cbGroupClick(); // nothing is shown yet, so nothing is written
    QWidget* first = pgPreferences_->currentIndex() == 0 ? static_cast<QWidget*>(lbGroup_)
                                                         : static_cast<QWidget*>(sgUnits_);
    first->setFocus();
}

void TFPref::cbGroupClick() {
    try {
        Apply2();
    } catch (const EDatabaseChanged& error) {
        ReloadChanged(cbGroup_, error);
        return;
    } catch (const EFileError& error) {
        // The edits would be lost with the table: it stays on their group.
        const QString shown = Q(ShownGroupName());
        cbGroup_->setCurrentIndex(shownGroup_);
        //: %1 is the name of a group, %2 the reason, such as a file that cannot be written.
        TellOnce(cbGroup_, tr("The units of '%1' were not saved and are still shown. %2")
                               .arg(shown, Translated(error)));
        return;
    }
    LoadChosenGroup();
}

void TFPref::LoadChosenGroup() {
    shownGroup_ = cbGroup_->currentIndex();
    shownGroupRead_ = false;
    std::vector<Unit> units;
    if (shownGroup_ >= 0) {
        const std::string name = ShownGroupName();
        try {
            units = database_.LoadGroup(name, &seen_);
            shownGroupRead_ = true;
        } catch (const EFileError& error) {
            //: %1 is the name of a group, %2 the reason, such as a file that cannot be read.
            TellOnce(sgUnits_,
                     tr("The group '%1' could not be read and is left as it is on disk. %2")
                         .arg(Q(name), Translated(error)));
        }
    }
    ShowUnits(units);
    EnableUnitButtons();
}

void TFPref::ShowUnits(const std::vector<Unit>& units) {
    sgUnits_->clearContents();
    sgUnits_->setRowCount(std::max<int>(1, static_cast<int>(units.size())));
    for (int row = 0; row < static_cast<int>(units.size()); ++row) {
        SetCellText(sgUnits_, row, 0, Q(units[row].name));
        SetCellText(sgUnits_, row, 1, Q(units[row].factor));
    }
    sgUnits_->setCurrentCell(0, 0);
}

void TFPref::EnableUnitButtons() {
    // The Temperature group converts by its units' names: they may be reordered, nothing more.
    const bool editable =
        shownGroupRead_ && ConversionKindOf(ShownGroupName()) == ConversionKind::ByFactors;
    bbEdit2_->setEnabled(editable);
    bbAdd2_->setEnabled(editable);
    bbDel2_->setEnabled(editable);
    bbUp2_->setEnabled(shownGroupRead_);
    bbDown2_->setEnabled(shownGroupRead_);
}

bool TFPref::HasUnitsToWrite() const {
    return shownGroup_ >= 0 && shownGroupRead_;
}

std::string TFPref::ShownGroupName() const {
    // The chooser entry, which a rename keeps up to date.
    return shownGroup_ >= 0 ? cbGroup_->itemText(shownGroup_).toStdString() : std::string();
}

std::vector<Unit> TFPref::TableUnits() const {
    std::vector<Unit> units;
    for (int row = 0; row < sgUnits_->rowCount(); ++row)
        units.push_back(
            {CellText(sgUnits_, row, 0).toStdString(), CellText(sgUnits_, row, 1).toStdString()});
    return units;
}

std::vector<std::string> TFPref::ListedGroups() const {
    std::vector<std::string> groups;
    for (int k = 0; k < lbGroup_->count(); ++k)
        groups.push_back(lbGroup_->item(k)->text().toStdString());
    return groups;
}

void TFPref::Apply1() {
    if (!groupListRead_)
        return; // no list to write back
    if (HasUnitsToWrite())
        database_.WriteGroupListAndUnits(ListedGroups(), ShownGroupName(), TableUnits(), &seen_);
    else
        database_.WriteGroupList(ListedGroups(), &seen_);
    if (links_.setGroupButtons)
        links_.setGroupButtons();
}

void TFPref::Apply2() {
    if (HasUnitsToWrite())
        database_.WriteGroupUnits(ShownGroupName(), TableUnits(), &seen_);
}

void TFPref::ReloadChanged(QWidget* control, const EDatabaseChanged& error) {
    FormShow(cbGroup_->currentText());
    if (links_.setGroupButtons)
        links_.setGroupButtons(); // the main window shows the list as it is now, too
    //: %1 is the reason, such as "'Files/Length.uns' has changed since it was read (...)".
    TellOnce(control, tr("Nothing was saved: %1. The window now shows the units database as it "
                         "is; make your changes again.")
                          .arg(Translated(error)));
}

void TFPref::GroupRenamed(const QString& oldName, const QString& newName) {
    for (int k = 0; k < lbGroup_->count(); ++k) {
        if (lbGroup_->item(k)->text() == oldName)
            lbGroup_->item(k)->setText(newName);
    }
    // Found by name: moves on the Groups page do not reorder the chooser.
    for (int k = 0; k < cbGroup_->count(); ++k) {
        if (cbGroup_->itemText(k) == oldName)
            cbGroup_->setItemText(k, newName);
    }
    if (links_.groupRenamed)
        links_.groupRenamed(oldName, newName); // the group list file has the new name already
}

void TFPref::bbEdit1Click() {
    const QListWidgetItem* item = lbGroup_->currentItem();
    if (!item)
        return;
    if (ConversionKindOf(item->text().toStdString()) == ConversionKind::TemperatureScales) {
        //: Temperature is the name of the group, which stays as it is in the group list.
        errorHint_.ShowErrorHint(bbEdit1_, tr("You must not edit 'Temperature' group!"));
        return;
    }
    groupEdit_.Open(*this);
}

void TFPref::bbUp1Click() {
    MoveGroup(-1);
}

void TFPref::bbDown1Click() {
    MoveGroup(+1);
}

void TFPref::MoveGroup(int step) {
    const int from = lbGroup_->currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= lbGroup_->count())
        return;
    lbGroup_->insertItem(to, lbGroup_->takeItem(from));
    lbGroup_->setCurrentRow(to);
}

void TFPref::bbEdit2Click() {
    OpenUnitsEdit(false);
}

void TFPref::bbAdd2Click() {
    OpenUnitsEdit(true);
}

void TFPref::OpenUnitsEdit(bool addMode) {
    addMode_ = addMode;
    unitsEdit_.Open(*this);
}

void TFPref::bbDel2Click() {
    auto* confirm = new TFConfirmDel(this); // gone when it closes
    ShowModalOver(confirm, this);
}

void TFPref::bbUp2Click() {
    MoveUnit(-1);
}

void TFPref::bbDown2Click() {
    MoveUnit(+1);
}

void TFPref::MoveUnit(int step) {
    const int from = sgUnits_->currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= sgUnits_->rowCount())
        return;
    for (int column = 0; column < 2; ++column) {
        const QString moved = CellText(sgUnits_, from, column);
        SetCellText(sgUnits_, from, column, CellText(sgUnits_, to, column));
        SetCellText(sgUnits_, to, column, moved);
    }
    sgUnits_->setCurrentCell(to, std::max(0, sgUnits_->currentColumn()));
}

void TFPref::bbOkClick() {
    try {
        Apply1();
    } catch (const EDatabaseChanged& error) {
        ReloadChanged(bbOk_, error);
        return;
    } catch (const EDatabaseBusy& error) {
        errorHint_.ShowErrorHint(bbOk_, Translated(error)); // the edits stay, for Save again
        return;
    } catch (const EFileError& error) {
        //: %1 is the reason, such as a file that cannot be written.
        errorHint_.ShowErrorHint(bbOk_, tr("Nothing was saved. %1").arg(Translated(error)));
        return;
    }
    if (links_.loadFirstGroup)
        links_.loadFirstGroup();
    accept();
}

void TFPref::bbCloseClick() {
    reject(); // as Esc and the title bar's close button do
}

void TFPref::bbHelpClick() {
    if (links_.help)
        links_.help(HelpContextOf(this));
}

void TFPref::tsGroupShow() {
    SetHelpContext(this, hcPreferencesGroups);
    ShowPendingMessage();
}

void TFPref::tsUnitsShow() {
    SetHelpContext(this, hcPreferencesUnits);
    ShowPendingMessage();
}

void TFPref::TellOnce(QWidget* control, const QString& text) {
    messageControl_ = control;
    message_ = text;
    // After the events that show the window or its page.
    QTimer::singleShot(0, this, &TFPref::ShowPendingMessage);
}

void TFPref::ShowPendingMessage() {
    if (message_.isEmpty() || !messageControl_ || !messageControl_->isVisible())
        return;
    errorHint_.ShowErrorHint(messageControl_, message_);
    message_.clear();
}

} // namespace quorvel
