// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/database/groupnamedialog.h"

#include "ui/database/editorparts.h"
#include "ui/database/preferencesdialog.h"
#include "ui/language/translated.h"
#include "ui/shared/balloon.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

GroupNameDialog::GroupNameDialog(UnitsDatabase database, ErrorBalloon& errorHint, HelpOpener help,
                                 QWidget* parent)
    : QDialog(parent), database_(std::move(database)), balloon_(errorHint), help_(std::move(help)) {
    setObjectName("FGroupEdit");
    //: Title of the dialog that renames a group.
    setWindowTitle(tr("Edit Group"));
    setWindowFlags(DialogFlags);
    SetHelpContext(this, hcPreferencesGroups);

    nameEdit_ = new QLineEdit;
    nameEdit_->setObjectName("edGroupEdit");
    nameEdit_->setAccessibleName(tr("Name of the group"));
    nameEdit_->setMinimumWidth(280);
    auto* frame = new QGroupBox(tr("Edit the name of the group"));
    frame->setObjectName("gbGroupEdit");
    auto* inFrame = new QVBoxLayout(frame);
    inFrame->addWidget(nameEdit_);

    const EditorButtons buttons = MakeEditorButtons(
        this, &GroupNameDialog::Save, &GroupNameDialog::CloseWindow, &GroupNameDialog::ShowHelp);
    okButton_ = buttons.save;
    closeButton_ = buttons.close;
    helpButton_ = buttons.help;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons.row);
    setFixedSize(sizeHint());
}

void GroupNameDialog::Open(PreferencesDialog& pref) {
    preferences_ = &pref;
    FillFields();
    ShowModalOver(this, &pref);
}

void GroupNameDialog::FillFields() {
    const QListWidgetItem* selected = preferences_->GroupList()->currentItem();
    oldName_ = selected ? selected->text() : QString();
    nameEdit_->setText(oldName_);
    nameEdit_->selectAll();
    nameEdit_->setFocus();
}

void GroupNameDialog::Save() {
    const QString newName = nameEdit_->text();
    try {
        database_.RenameGroup(oldName_.toStdString(), newName.toStdString(), &preferences_->Seen());
    } catch (const EDatabaseChanged& error) {
        reject(); // the name typed belongs to a list that is no longer there
        preferences_->ReloadChanged(preferences_->GroupList(), error);
        return;
    } catch (const EFileError& error) {
        // Nothing changed; the user's typing stays, with the reason beneath it.
        balloon_.ShowUnder(nameEdit_, Translated(error));
        return;
    }
    preferences_->GroupRenamed(oldName_, newName);
    accept();
}

void GroupNameDialog::CloseWindow() {
    reject(); // as Esc does
}

void GroupNameDialog::ShowHelp() {
    if (help_)
        help_(hcPreferencesGroups);
}

} // namespace quorvel
