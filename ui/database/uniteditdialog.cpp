// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/database/uniteditdialog.h"

#include "core/unitsdatabase.h"
#include "ui/database/editorparts.h"
#include "ui/database/preferencesdialog.h"
#include "ui/shared/balloon.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

namespace quorvel {

namespace {

// The base unit is marked by the factor text "1" itself; "1.0" converts alike but marks nothing.
QString BaseUnit(const QTableWidget* table) {
    for (int row = 0; row < table->rowCount(); ++row) {
        if (CellText(table, row, 1) == "1")
            return CellText(table, row, 0);
    }
    return {};
}

// A text copied from a spreadsheet cell or a line of a file ends in a line end, which a paste
// would keep out of sight, and the unit would convert nothing: the line end goes wherever the
// paste put it. A line break inside the pasted text stays, for Save to refuse.
void DropPastedLineEnd(QLineEdit* field) {
    const QString text = field->text();
    const int end = field->cursorPosition();
    int start = end;
    while (start > 0 && (text[start - 1] == '\n' || text[start - 1] == '\r'))
        --start;
    if (start < end) {
        field->setSelection(start, end - start);
        field->del();
    }
}

// Why the unit's name or its factor cannot be saved as typed; empty when it can.
QString LineFaultText(bool name, LineFault fault) {
    if (fault == LineFault::LineBreak && name)
        //: Refusal of a unit's name that holds a line break, which would split the file's line.
        return UnitEditDialog::tr("A unit's name cannot hold a line break");
    if (fault == LineFault::LineBreak)
        //: Refusal of a factor that holds a line break, which would split the file's line.
        return UnitEditDialog::tr("A factor cannot hold a line break");
    if (fault == LineFault::EndOfFile && name)
        //: The character 0x1A ends a text file on some systems.
        return UnitEditDialog::tr("A unit's name cannot hold the end-of-file character (0x1A)");
    if (fault == LineFault::EndOfFile)
        //: The character 0x1A ends a text file on some systems.
        return UnitEditDialog::tr("A factor cannot hold the end-of-file character (0x1A)");
    return {};
}

} // namespace

UnitEditDialog::UnitEditDialog(ErrorBalloon& errorHint, HelpOpener help, QWidget* parent)
    : QDialog(parent), balloon_(errorHint), help_(std::move(help)) {
    setObjectName("FUnitsEdit");
    //: Title of the dialog that edits or adds a unit with its factor.
    setWindowTitle(tr("Edit Units"));
    setWindowFlags(DialogFlags);
    SetHelpContext(this, hcUnitEditor);

    auto field = [this](const char* name, const QString& accessible) {
        auto* edit = new QLineEdit;
        edit->setObjectName(name);
        edit->setAccessibleName(accessible);
        edit->setMinimumWidth(150);
        connect(edit, &QLineEdit::textEdited, edit, [edit] { DropPastedLineEnd(edit); });
        return edit;
    };
    unitNameEdit_ = field("edUnit", tr("Unit's name"));
    //: How many base units one unit makes.
    factorEdit_ = field("edFactor", tr("Factor"));
    //: The hint of the factor field, in short lines. k/x stays as it is: it is what the user
    //: types.
    factorEdit_->setToolTip(tr("How many base units one of this unit makes,\n"
                               "such as 0.0254 for the inch against the metre.\n"
                               "A unit that runs the other way takes k/x: a value v\n"
                               "of it is k divided by v base units, such as 100/x\n"
                               "for litres per 100 km against kilometres per litre."));
    baseUnitLabel_ = new QLabel;
    baseUnitLabel_->setObjectName("stBaseUnit");
    //: The group's unit whose factor is 1.
    baseUnitLabel_->setAccessibleName(tr("Base unit"));
    baseUnitLabel_->setFrameShape(QFrame::StyledPanel);
    baseUnitLabel_->setFrameShadow(QFrame::Sunken);
    baseUnitLabel_->setMinimumWidth(120);
    baseUnitLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* unitLabel = new QLabel(tr("&Unit's name:"));
    unitLabel->setBuddy(unitNameEdit_);
    //: How many base units one unit makes.
    auto* factorLabel = new QLabel(tr("&Factor:"));
    factorLabel->setBuddy(factorEdit_);
    auto* equals = new QLabel("=");
    QFont bold = equals->font();
    bold.setBold(true);
    equals->setFont(bold);

    const EditorButtons buttons =
        MakeEditorButtons(this, &UnitEditDialog::Save, &UnitEditDialog::CloseWindow,
                          &UnitEditDialog::ShowHelp, "bbOK");
    okButton_ = buttons.save;
    closeButton_ = buttons.close;
    helpButton_ = buttons.help;

    // One line: name = factor, base unit.
    auto* grid = new QGridLayout(this);
    grid->addWidget(unitLabel, 0, 0);
    grid->addWidget(factorLabel, 0, 2);
    //: Label of the group's unit whose factor is 1.
    grid->addWidget(new QLabel(tr("Base unit:")), 0, 3);
    grid->addWidget(unitNameEdit_, 1, 0);
    grid->addWidget(equals, 1, 1);
    grid->addWidget(factorEdit_, 1, 2);
    grid->addWidget(baseUnitLabel_, 1, 3);
    grid->setRowMinimumHeight(2, 8);
    grid->addLayout(buttons.row, 3, 0, 1, 4);
    setFixedSize(sizeHint());
}

void UnitEditDialog::Open(PreferencesDialog& pref) {
    preferences_ = &pref;
    FillFields();
    ShowModalOver(this, &pref);
}

void UnitEditDialog::FillFields() {
    baseUnitLabel_->clear();
    const QTableWidget* table = preferences_->UnitsTable();
    const int row = std::max(0, table->currentRow());
    unitNameEdit_->setText(preferences_->AddMode() ? QString() : CellText(table, row, 0));
    factorEdit_->setText(preferences_->AddMode() ? QString() : CellText(table, row, 1));
    baseUnitLabel_->setText(BaseUnit(table));
    // A reader hears the base unit with its label; a label's name would otherwise hide its text.
    if (baseUnitLabel_->text().isEmpty())
        //: What screen readers say when the group has no unit whose factor is 1.
        baseUnitLabel_->setAccessibleName(tr("Base unit: none"));
    else
        //: What screen readers say of the base unit: %1 is its name.
        baseUnitLabel_->setAccessibleName(tr("Base unit: %1").arg(baseUnitLabel_->text()));
    unitNameEdit_->selectAll();
    unitNameEdit_->setFocus();
}

// A line break or an end-of-file character would split or cut the group's files: the field that
// holds one is refused, with the reason under it.
bool UnitEditDialog::RefusesLineBreaks() {
    for (QLineEdit* field : {unitNameEdit_, factorEdit_}) {
        const QString why =
            LineFaultText(field == unitNameEdit_, OneLineFault(field->text().toStdString()));
        if (!why.isEmpty()) {
            balloon_.ShowUnder(field, why);
            return true;
        }
    }
    return false;
}

void UnitEditDialog::Save() {
    if (RefusesLineBreaks())
        return;
    QTableWidget* table = preferences_->UnitsTable();
    const int row = std::max(0, table->currentRow());
    if (preferences_->AddMode())
        table->insertRow(row); // the new unit goes above the one that was current
    SetCellText(table, row, 0, unitNameEdit_->text());
    SetCellText(table, row, 1, factorEdit_->text());
    table->setCurrentCell(row, 0);
    accept();
}

void UnitEditDialog::CloseWindow() {
    reject(); // as Esc does
}

void UnitEditDialog::ShowHelp() {
    if (help_)
        help_(hcUnitEditor);
}

} // namespace quorvel
