// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/GroupEdit.h"

#include "ui/EditorParts.h"
#include "ui/Hints.h"
#include "ui/Preferences.h"
#include "ui/Translated.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

TFGroupEdit::TFGroupEdit(UnitsDatabase database, TErrorHintWindow& errorHint, THelpLink help,
                         QWidget* parent)
    : QDialog(parent), database_(std::move(database)), errorHint_(errorHint),
      help_(std::move(help)) {
    setObjectName("FGroupEdit");
    //: Title of the dialog that renames a group.
    setWindowTitle(tr("Edit Group"));
    setWindowFlags(DialogFlags);
    SetHelpContext(this, hcPreferencesGroups);

    edGroupEdit_ = new QLineEdit;
    edGroupEdit_->setObjectName("edGroupEdit");
    edGroupEdit_->setAccessibleName(tr("Name of the group"));
    edGroupEdit_->setMinimumWidth(280);
    auto* frame = new QGroupBox(tr("Edit the name of the group"));
    frame->setObjectName("gbGroupEdit");
    auto* inFrame = new QVBoxLayout(frame);
    inFrame->addWidget(edGroupEdit_);

    const TEditorButtons buttons = MakeEditorButtons();
    bbOk_ = buttons.save;
    bbClose_ = buttons.close;
    bbHelp_ = buttons.help;
    connect(bbOk_, &QPushButton::clicked, this, &TFGroupEdit::bbOkClick);
    connect(bbClose_, &QPushButton::clicked, this, &TFGroupEdit::bbCloseClick);
    connect(bbHelp_, &QPushButton::clicked, this, &TFGroupEdit::bbHelpClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons.row);
    setFixedSize(sizeHint());
}

void TFGroupEdit::Open(TFPref& pref) {
    pref_ = &pref;
    FormActivate();
    ShowModalOver(this, &pref);
}

void TFGroupEdit::FormActivate() {
    const QListWidgetItem* selected = pref_->lbGroup()->currentItem();
    oldName_ = selected ? selected->text() : QString();
    edGroupEdit_->setText(oldName_);
    edGroupEdit_->selectAll();
    edGroupEdit_->setFocus();
}

void TFGroupEdit::bbOkClick() {
    const QString newName = edGroupEdit_->text();
    try {
        database_.RenameGroup(oldName_.toStdString(), newName.toStdString(), &pref_->Seen());
    } catch (const EDatabaseChanged& error) {
        reject(); // the name typed belongs to a list that is no longer there
        pref_->ReloadChanged(pref_->lbGroup(), error);
        return;
    } catch (const EFileError& error) {
        // Nothing changed; the user's typing stays, with the reason beneath it.
        errorHint_.ShowErrorHint(edGroupEdit_, Translated(error));
        return;
    }
    pref_->GroupRenamed(oldName_, newName);
    accept();
}

void TFGroupEdit::bbCloseClick() {
    reject(); // as Esc does
}

void TFGroupEdit::bbHelpClick() {
    if (help_)
        help_(hcPreferencesGroups);
}

} // namespace quorvel
