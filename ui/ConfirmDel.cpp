#include "ui/ConfirmDel.h"

#include "ui/HelpContext.h"
#include "ui/Preferences.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quorvel {

TFConfirmDel::TFConfirmDel(TFPref* owner) : QDialog(owner), owner_(owner) {
    setObjectName("FConfirmDel");
    setWindowTitle("Confirm Deleting");
    setWindowFlags(DialogFlags);
    setAttribute(Qt::WA_DeleteOnClose);
    SetHelpContext(this, 0); // no help topic of its own

    auto* picture = new QLabel;
    picture->setObjectName("imWarning");
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto* question = new QLabel("Do you really want to delete this item?");
    question->setObjectName("lbQuestion");
    QPalette red = question->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    question->setPalette(red);
    auto* message = new QHBoxLayout;
    message->addWidget(picture);
    message->addSpacing(8);
    message->addWidget(question, 1);

    bbYes_ = MakeButton("bbYes", "&Yes", QStyle::SP_DialogYesButton);
    bbNo_ = MakeButton("bbNo", "&No", QStyle::SP_DialogNoButton);
    bbYes_->setAccessibleDescription(question->text());
    bbYes_->setDefault(true); // Enter answers Yes
    connect(bbYes_, &QPushButton::clicked, this, &TFConfirmDel::bbYesClick);
    connect(bbNo_, &QPushButton::clicked, this, &TFConfirmDel::bbNoClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbYes_);
    buttons->addWidget(bbNo_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    bbYes_->setFocus();
}

void TFConfirmDel::bbYesClick() {
    QTableWidget* table = owner_->sgUnits();
    const int row = table->currentRow();
    if (row > 0)               // the first unit stays, whatever the group holds
        table->removeRow(row); // the row below, or the new last row, becomes current
    accept();
}

void TFConfirmDel::bbNoClick() {
    reject(); // as Esc does
}

} // namespace quorvel
