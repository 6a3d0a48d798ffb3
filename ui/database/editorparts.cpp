// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/database/editorparts.h"

#include "ui/database/preferencesdialog.h"
#include "ui/shared/dialogbuttons.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QWindow>
#include <algorithm>
#include <optional>

namespace quorvel {

QPushButton* MakeButton(const char* name, const QString& caption, QStyle::StandardPixmap picture,
                        QWidget* parent) {
    QPushButton* button = MakeButton(name, caption, parent);
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

namespace {

// The row a step from the current one; nothing when either lies outside the rows.
std::optional<int> StepTarget(int current, int step, int rows) {
    const int target = current + step;
    if (current < 0 || target < 0 || target >= rows)
        return std::nullopt;
    return target;
}

} // namespace

void MoveCurrentRow(QListWidget* list, int step) {
    const int from = list->currentRow();
    if (const std::optional<int> to = StepTarget(from, step, list->count())) {
        list->insertItem(*to, list->takeItem(from));
        list->setCurrentRow(*to);
    }
}

void MoveCurrentRow(QTableWidget* table, int step) {
    const int from = table->currentRow();
    if (const std::optional<int> to = StepTarget(from, step, table->rowCount())) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString moved = CellText(table, from, column);
            SetCellText(table, from, column, CellText(table, *to, column));
            SetCellText(table, *to, column, moved);
        }
        table->setCurrentCell(*to, std::max(0, table->currentColumn()));
    }
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
