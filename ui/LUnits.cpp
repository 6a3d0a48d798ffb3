// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/LUnits.h"

#include "ui/Hints.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace quorvel {

namespace {

QPushButton* Button(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove('&'));
    return button;
}

} // namespace

TFindDialog::TFindDialog(THelpLink helpLink, QWidget* parent) : QDialog(parent) {
    setObjectName("fdFind");
    //: Title of the small window that finds a unit in the units list by the beginning of its name.
    setWindowTitle(tr("Find"));
    SetHelpContext(this, hcUnitsList);
    setModal(false);
    auto* label = new QLabel(tr("Fi&nd what:"));
    edFind_ = new QLineEdit;
    edFind_->setObjectName("edFind");
    //: The search text's edit, as screen readers name it.
    edFind_->setAccessibleName(tr("Find what"));
    edFind_->setMinimumWidth(180);
    label->setBuddy(edFind_);

    QPushButton* findNext = Button("bbFindNext", tr("&Find Next"));
    QPushButton* cancel = Button("bbCancel", tr("&Cancel"));
    QPushButton* help = Button("bbHelp", tr("&Help"));
    findNext->setDefault(true);
    connect(findNext, &QPushButton::clicked, this, &TFindDialog::Find);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [helpLink] { helpLink(hcUnitsList); });

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edFind_, 1);
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

QString TFindDialog::FindText() const {
    return edFind_->text();
}

TListUnits::TListUnits(TErrorHintWindow& errorHint, THelpLink helpLink,
                       std::function<QComboBox*()> targetPicker, QWidget* parent)
    : QDialog(parent), errorHint_(errorHint), helpLink_(std::move(helpLink)),
      targetPicker_(std::move(targetPicker)) {
    setObjectName("ListUnits");
    //: Title of the window that lists the loaded group's units for a unit picker.
    setWindowTitle(tr("Units List"));
    setWindowModality(Qt::ApplicationModal);
    SetHelpContext(this, hcUnitsList);

    lbUnits_ = new QListWidget;
    lbUnits_->setObjectName("lbUnits");
    //: The list of the group's units, as screen readers name it.
    lbUnits_->setAccessibleName(tr("Units"));
    lbUnits_->setSelectionMode(QAbstractItemView::SingleSelection);
    lbUnits_->setUniformItemSizes(true);
    connect(lbUnits_, &QListWidget::itemDoubleClicked, this, &TListUnits::bbOkClick);

    //: Puts the selected unit into the unit picker and closes the list.
    QPushButton* bbOk = Button("bbOk", tr("&Choose"));
    //: Opens the small window that finds a unit by the beginning of its name.
    QPushButton* bbFind = Button("bbFind", tr("&Find"));
    QPushButton* bbClose = Button("bbClose", tr("C&lose"));
    QPushButton* bbHelp = Button("bbHelp", tr("&Help"));
    bbOk->setDefault(true);
    //: %1 is the shortcut key.
    bbFind->setToolTip(
        tr("Find a unit by the beginning of its name (%1)")
            .arg(QKeySequence(QKeySequence::Find).toString(QKeySequence::NativeText)));
    connect(bbOk, &QPushButton::clicked, this, &TListUnits::bbOkClick);
    connect(bbFind, &QPushButton::clicked, this, &TListUnits::bbFindClick);
    connect(bbClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(bbHelp, &QPushButton::clicked, this, [this] { helpLink_(hcUnitsList); });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &TListUnits::bbFindClick);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {bbOk, bbFind, bbClose, bbHelp})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lbUnits_, 1);
    layout->addLayout(buttons);
    resize(380, 340);

    fdFind_ = new TFindDialog(helpLink_, this);
    connect(fdFind_, &TFindDialog::Find, this, &TListUnits::fdFindFind);
    // The search window belongs to the list: it goes away with it.
    connect(this, &QDialog::finished, fdFind_, &QWidget::hide);
}

void TListUnits::SetUnits(const QStringList& names) {
    lbUnits_->clear();
    lbUnits_->addItems(names);
}

void TListUnits::Open() {
    QComboBox* picker = targetPicker_();
    Select(picker ? picker->currentIndex() : -1);
    show();
    raise();
    activateWindow();
    lbUnits_->setFocus();
}

int TListUnits::SelectedIndex() const {
    const QList<QListWidgetItem*> selected = lbUnits_->selectedItems();
    return selected.isEmpty() ? -1 : lbUnits_->row(selected.first());
}

void TListUnits::Select(int index) {
    if (index < 0 || index >= lbUnits_->count()) {
        lbUnits_->clearSelection();
        lbUnits_->setCurrentRow(-1);
        return;
    }
    lbUnits_->setCurrentRow(index);
    lbUnits_->scrollToItem(lbUnits_->item(index));
}

void TListUnits::bbOkClick() {
    if (QComboBox* picker = targetPicker_())
        picker->setCurrentIndex(SelectedIndex());
    accept();
}

void TListUnits::bbFindClick() {
    fdFind_->show();
    fdFind_->raise();
    fdFind_->activateWindow();
}

// Case-sensitive match on the beginning of the names, from the selected entry down to the
// last, without wrapping to the top.
void TListUnits::fdFindFind() {
    const QString text = fdFind_->FindText();
    for (int row = std::max(SelectedIndex(), 0); row < lbUnits_->count(); ++row) {
        if (lbUnits_->item(row)->text().startsWith(text, Qt::CaseSensitive)) {
            Select(row);
            fdFind_->hide();
            return;
        }
    }
    //: %1 is the text the user looked for, as typed (without quotes).
    errorHint_.ShowErrorHint(lbUnits_, tr("Search string %1 not found!").arg(text));
}

} // namespace quorvel
