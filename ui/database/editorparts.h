// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the preferences window and its dialogs (the group and unit editors, the delete
// confirmation) share: their title bar, buttons, modal showing and table cells.

#include <QString>
#include <QStyle>
#include <Qt>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QTableWidget;
class QWidget;

namespace quorvel {

// A title bar with a close button only.
inline constexpr Qt::WindowFlags DialogFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A push button: the caption with its shortcut letter marked by "&", the accessible name
// without the mark, and a picture.
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
EditorButtons MakeEditorButtons(const char* saveName = "bbOk");
// Shows a dialog modal, centred over the window of `owner`.
void ShowModalOver(QDialog* dialog, QWidget* owner);
QString CellText(const QTableWidget* table, int row, int column);
void SetCellText(QTableWidget* table, int row, int column, const QString& text);

} // namespace quorvel
