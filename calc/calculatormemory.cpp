// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculatormemory.h"

#include "calc/numbertext.h"

namespace quorvel {

CalculatorMemory::CalculatorMemory() {
    SetCellsQuantity(10);
    activeCell_ = 1;
    SetValue("0");
}

std::string CalculatorMemory::Value() {
    valueText_ = CleanNumberText(cells_[activeCell_ - 1]);
    m_ = ParseNumberText(valueText_);
    return valueText_;
}

void CalculatorMemory::SetValue(const std::string& text) {
    const std::string& written = text.empty() ? std::string("0") : text;
    if (written == valueText_)
        return;
    valueText_ = CleanNumberText(written);
    try {
        m_ = ParseNumberText(valueText_);
    } catch (const EConvertError&) {
        return; // not a number: the cell and M keep what they had
    }
    cells_[activeCell_ - 1] = valueText_;
}

void CalculatorMemory::SetCellsQuantity(int count) {
    if (count == cellsQuantity_)
        return;
    if (count < 1 || count < activeCell_)
        //: %1 is a number of memory cells of the calculator.
        throw ERangeError(QUORVEL_MESSAGE("Memory", "The memory cannot have %1 cells"),
                          {std::to_string(count)});
    cellsQuantity_ = count;
    cells_.assign(count, "0");
}

void CalculatorMemory::SetActiveCell(int cell) {
    if (cell == activeCell_)
        return;
    if (cell < 1 || cell > cellsQuantity_)
        //: %1 is the number of a memory cell of the calculator.
        throw ERangeError(QUORVEL_MESSAGE("Memory", "There is no memory cell %1"),
                          {std::to_string(cell)});
    activeCell_ = cell;
    valueText_ = cells_[cell - 1];
    m_ = ParseNumberText(valueText_);
}

} // namespace quorvel
