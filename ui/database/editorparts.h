// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the preferences window and its dialogs (the group and unit editors, the delete
// confirmation) share: their title bar, buttons, modal showing and table cells.

#include <QPushButton>
#include <QString>
#include <QStyle>
#include <Qt>

class QDialog;
class QHBoxLayout;
class QListWidget;
class QTableWidget;
class QWidget;

namespace quorvel {

// A title bar with a close button only.
inline constexpr Qt::WindowFlags DialogFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A dialog button (MakeButton) with a picture.
QPushButton* MakeButton(const char* name, const QString& caption, QStyle::StandardPixmap picture,
                        QWidget* parent = nullptr);
// The Save, Close and Help buttons at the foot of a database editor, and the row that holds them
// right-aligned. Save is the default button: Enter saves.
struct EditorButtons {
    QPushButton* save;
    QPushButton* close;
    QPushButton* help;
    QHBoxLayout* row;
};
EditorButtons MakeEditorButtons(const char* saveName);
// The same, each button running its slot of the editor.
template <typename Editor>
EditorButtons MakeEditorButtons(Editor* editor, void (Editor::*save)(), void (Editor::*close)(),
                                void (Editor::*help)(), const char* saveName = "bbOk") {
    const EditorButtons buttons = MakeEditorButtons(saveName);
    QObject::connect(buttons.save, &QPushButton::clicked, editor, save);
    QObject::connect(buttons.close, &QPushButton::clicked, editor, close);
    QObject::connect(buttons.help, &QPushButton::clicked, editor, help);
    return buttons;
}
// Shows a dialog modal, centred over the window of `owner`.
void ShowModalOver(QDialog* dialog, QWidget* owner);
// Moves the current row one step up (-1) or down (+1), keeping it current; nothing at the ends.
void MoveCurrentRow(QListWidget* list, int step);
void MoveCurrentRow(QTableWidget* table, int step);
QString CellText(const QTableWidget* table, int row, int column);
void SetCellText(QTableWidget* table, int row, int column, const QString& text);

} // namespace quorvel
