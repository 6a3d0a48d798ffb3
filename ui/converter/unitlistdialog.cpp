// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/converter/unitlistdialog.h"

#include "ui/converter/convertersession.h"
#include "ui/shared/balloon.h"
#include "ui/shared/dialogbuttons.h"
#include "widgets/groupbutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace quorvel {

UnitFindDialog::UnitFindDialog(HelpOpener helpLink, QWidget* parent) : QDialog(parent) {
    setObjectName("fdFind");
    //: Title of the small window that finds a unit in the units list by the beginning of its name.
    setWindowTitle(tr("Find"));
    SetHelpContext(this, hcUnitsList);
    setModal(false);
    auto* label = new QLabel(tr("Fi&nd what:"));
    findEdit_ = new QLineEdit;
    findEdit_->setObjectName("edFind");
    //: The search text's edit, as screen readers name it.
    findEdit_->setAccessibleName(tr("Find what"));
    findEdit_->setMinimumWidth(180);
    label->setBuddy(findEdit_);

    QPushButton* findNext = MakeButton("bbFindNext", tr("&Find Next"));
    QPushButton* cancel = MakeButton("bbCancel", tr("&Cancel"));
    QPushButton* help = MakeButton("bbHelp", tr("&Help"));
    findNext->setDefault(true);
    connect(findNext, &QPushButton::clicked, this, &UnitFindDialog::Find);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [helpLink] { helpLink(hcUnitsList); });

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(findEdit_, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addLayout(buttons);
    layout->setAlignment(row, Qt::AlignTop);
    setFixedSize(sizeHint());
}

QString UnitFindDialog::FindText() const {
    return findEdit_->text();
}

UnitListDialog::UnitListDialog(ConverterSession& converter, ErrorBalloon& balloon,
                               HelpOpener helpLink, QWidget* parent)
    : QDialog(parent), balloon_(balloon), helpLink_(std::move(helpLink)), converter_(converter) {
    setObjectName("ListUnits");
    //: Title of the window that lists the loaded group's units for a unit picker.
    setWindowTitle(tr("Units List"));
    setWindowModality(Qt::ApplicationModal);
    SetHelpContext(this, hcUnitsList);

    unitsList_ = new QListWidget;
    unitsList_->setObjectName("lbUnits");
    //: The list of the group's units, as screen readers name it.
    unitsList_->setAccessibleName(tr("Units"));
    unitsList_->setSelectionMode(QAbstractItemView::SingleSelection);
    unitsList_->setUniformItemSizes(true);
    connect(unitsList_, &QListWidget::itemDoubleClicked, this, &UnitListDialog::ChooseSelected);

    //: Puts the selected unit into the unit picker and closes the list.
    QPushButton* bbOk = MakeButton("bbOk", tr("&Choose"));
    //: Opens the small window that finds a unit by the beginning of its name.
    QPushButton* bbFind = MakeButton("bbFind", tr("&Find"));
    QPushButton* bbClose = MakeButton("bbClose", tr("C&lose"));
    QPushButton* bbHelp = MakeButton("bbHelp", tr("&Help"));
    bbOk->setDefault(true);
    //: %1 is the shortcut key.
    bbFind->setToolTip(
        tr("Find a unit by the beginning of its name (%1)")
            .arg(QKeySequence(QKeySequence::Find).toString(QKeySequence::NativeText)));
    connect(bbOk, &QPushButton::clicked, this, &UnitListDialog::ChooseSelected);
    connect(bbFind, &QPushButton::clicked, this, &UnitListDialog::OpenFindDialog);
    connect(bbClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(bbHelp, &QPushButton::clicked, this, [this] { helpLink_(hcUnitsList); });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &UnitListDialog::OpenFindDialog);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {bbOk, bbFind, bbClose, bbHelp})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(unitsList_, 1);
    layout->addLayout(buttons);
    resize(380, 340);

    findDialog_ = new UnitFindDialog(helpLink_, this);
    connect(findDialog_, &UnitFindDialog::Find, this, &UnitListDialog::FindNext);
    // The search window belongs to the list: it goes away with it.
    connect(this, &QDialog::finished, findDialog_, &QWidget::hide);
    ShowUnits();
    connect(&converter_, &ConverterSession::groupLoaded, this, &UnitListDialog::ShowUnits);
}

void UnitListDialog::ShowUnits() {
    unitsList_->clear();
    for (const Unit& unit : converter_.State().Group().units)
        unitsList_->addItem(OneLine(QString::fromStdString(unit.name)));
}

void UnitListDialog::Open() {
    const std::optional<size_t> chosen = converter_.State().Chosen(converter_.State().ListSide());
    Select(chosen ? static_cast<int>(*chosen) : -1);
    show();
    raise();
    activateWindow();
    unitsList_->setFocus();
}

int UnitListDialog::SelectedIndex() const {
    const QList<QListWidgetItem*> selected = unitsList_->selectedItems();
    return selected.isEmpty() ? -1 : unitsList_->row(selected.first());
}

void UnitListDialog::Select(int index) {
    if (index < 0 || index >= unitsList_->count()) {
        unitsList_->clearSelection();
        unitsList_->setCurrentRow(-1);
        return;
    }
    unitsList_->setCurrentRow(index);
    unitsList_->scrollToItem(unitsList_->item(index));
}

void UnitListDialog::ChooseSelected() {
    converter_.Choose(converter_.State().ListSide(), SelectedIndex());
    accept();
}

void UnitListDialog::OpenFindDialog() {
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

// Case-sensitive match on the beginning of the names, from the selected entry down to the
// last, without wrapping to the top.
void UnitListDialog::FindNext() {
    const QString text = findDialog_->FindText();
    for (int row = std::max(SelectedIndex(), 0); row < unitsList_->count(); ++row) {
        if (unitsList_->item(row)->text().startsWith(text, Qt::CaseSensitive)) {
            Select(row);
            findDialog_->hide();
            return;
        }
    }
    //: %1 is the text the user looked for, as typed (without quotes).
    balloon_.ShowUnder(unitsList_, tr("Search string %1 not found!").arg(text));
}

} // namespace quorvel
