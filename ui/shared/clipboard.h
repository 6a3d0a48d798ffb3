// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Values on the clipboard: a value goes there as its clean general number text, and a paste
// keeps only the characters of a number out of whatever text the clipboard holds.

#include <optional>
#include <string>

namespace quorvel {

void CopyValue(long double value);

struct PastedNumber {
    std::string text; // cleaned, e.g. 1234,5 out of "1 234,5 kg"
    long double value;
};

// The number on the clipboard; nothing when the clipboard holds no text or no number.
std::optional<PastedNumber> PasteNumber();

} // namespace quorvel
