// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/database/confirmdeletedialog.h"

#include "ui/database/editorparts.h"
#include "ui/database/preferencesdialog.h"
#include "ui/help/helpcontext.h"
#include "widgets/colours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvel {

ConfirmDeleteDialog::ConfirmDeleteDialog(PreferencesDialog* owner) : QDialog(owner), owner_(owner) {
    setObjectName("FConfirmDel");
    //: Title of the dialog that asks before a unit is deleted.
    setWindowTitle(tr("Confirm Deleting"));
    setWindowFlags(DialogFlags);
    setAttribute(Qt::WA_DeleteOnClose);
    SetHelpContext(this, 0); // no help topic of its own

    auto* picture = new QLabel;
    picture->setObjectName("imWarning");
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto* question = new QLabel(tr("Do you really want to delete this item?"));
    question->setObjectName("lbQuestion");
    QPalette red = question->palette();
    red.setColor(QPalette::WindowText, Readable(accent::Warning, red.color(QPalette::Window)));
    question->setPalette(red);
    // Which item: the unit of the current row, with its factor.
    const QTableWidget* table = owner->UnitsTable();
    const int row = std::max(0, table->currentRow());
    auto* item =
        new QLabel(QString("%1 = %2").arg(CellText(table, row, 0), CellText(table, row, 1)));
    item->setObjectName("lbItem");
    item->setTextFormat(Qt::PlainText);
    QFont bold = item->font();
    bold.setBold(true);
    item->setFont(bold);
    auto* text = new QVBoxLayout;
    text->addWidget(question);
    text->addWidget(item);
    auto* message = new QHBoxLayout;
    message->addWidget(picture);
    message->addSpacing(8);
    message->addLayout(text, 1);

    yesButton_ = MakeButton("bbYes", tr("&Yes"), QStyle::SP_DialogYesButton);
    noButton_ = MakeButton("bbNo", tr("&No"), QStyle::SP_DialogNoButton);
    yesButton_->setAccessibleDescription(question->text() + " " + item->text());
    setAccessibleDescription(yesButton_->accessibleDescription());
    yesButton_->setDefault(true); // Enter answers Yes
    connect(yesButton_, &QPushButton::clicked, this, &ConfirmDeleteDialog::Confirm);
    connect(noButton_, &QPushButton::clicked, this, &ConfirmDeleteDialog::Decline);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yesButton_);
    buttons->addWidget(noButton_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    yesButton_->setFocus();
}

void ConfirmDeleteDialog::Confirm() {
    QTableWidget* table = owner_->UnitsTable();
    const int row = table->currentRow();
    if (row > 0)               // the first unit stays, whatever the group holds
        table->removeRow(row); // the row below, or the new last row, becomes current
    accept();
}

void ConfirmDeleteDialog::Decline() {
    reject(); // as Esc does
}

} // namespace quorvel
