// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/database/editorparts.h"

#include "ui/database/preferencesdialog.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QWindow>

namespace quorvel {

QPushButton* MakeButton(const char* name, const QString& caption, QStyle::StandardPixmap picture,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove('&'));
    button->setIcon(StandardIcon(picture));
    return button;
}

EditorButtons MakeEditorButtons(const char* saveName) {
    EditorButtons buttons{
        MakeButton(saveName, PreferencesDialog::tr("&Save"), QStyle::SP_DialogSaveButton),
        MakeButton("bbClose", PreferencesDialog::tr("&Close"), QStyle::SP_DialogCloseButton),
        MakeButton("bbHelp", PreferencesDialog::tr("&Help"), QStyle::SP_DialogHelpButton),
        new QHBoxLayout};
    buttons.save->setDefault(true);
    buttons.row->addStretch();
    for (QPushButton* button : {buttons.save, buttons.close, buttons.help})
        buttons.row->addWidget(button);
    return buttons;
}

void ShowModalOver(QDialog* dialog, QWidget* owner) {
    // Back to the control the user left, once the dialog is done.
    const QPointer<QWidget> left = QApplication::focusWidget();
    QObject::connect(
        dialog, &QDialog::finished, owner,
        [left] {
            if (left)
                left->setFocus();
        },
        Qt::SingleShotConnection);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->adjustSize();
    if (owner) {
        QWidget* window = owner->window();
        if (!dialog->parentWidget() && window->windowHandle()) {
            // A dialog that lives on without the owner is held above it all the same.
            dialog->winId();
            dialog->windowHandle()->setTransientParent(window->windowHandle());
        }
        dialog->move(window->frameGeometry().center() - dialog->rect().center());
    }
    dialog->show();
    dialog->activateWindow();
}

QString CellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

void SetCellText(QTableWidget* table, int row, int column, const QString& text) {
    if (QTableWidgetItem* item = table->item(row, column))
        item->setText(text);
    else
        table->setItem(row, column, new QTableWidgetItem(text));
}

} // namespace quorvel
