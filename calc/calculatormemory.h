// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The calculator's memory: a row of cells holding value texts, one of them active. The memory
// keys of the calculator add to, subtract from, recall and clear the active cell.

#include "calc/errors.h"

#include <string>
#include <vector>

namespace quorvel {

// A cell number or cell count outside what the memory holds.
class ERangeError : public Error {
public:
    using Error::Error;
};

class CalculatorMemory {
public:
    CalculatorMemory();

    // The active cell's text, cleaned; reading also brings M back in line with the cell.
    // Throws EConvertError when the cell's text is not a number.
    std::string Value();
    // Stores a text into the active cell; a text that is not a number leaves cell and M alone.
    void SetValue(const std::string& text);

    int CellsQuantity() const { return cellsQuantity_; }
    // Resizes the row and clears every cell to "0". Throws ERangeError below one cell or below
    // the active cell.
    void SetCellsQuantity(int count);

    int ActiveCell() const { return activeCell_; }
    // Throws ERangeError outside 1 to CellsQuantity, changing nothing.
    void SetActiveCell(int cell);

    // The number of the active cell, which the calculator computes with directly.
    long double M() const { return m_; }
    void SetM(long double m) { m_ = m; }

private:
    std::vector<std::string> cells_;
    int cellsQuantity_ = 0;
    int activeCell_ = 1;
    std::string valueText_;
    long double m_ = 0;
};

} // namespace quorvel
