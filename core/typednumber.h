// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Numbers as people type them in a conversion: "1,234.5", "1e3", "3.5" in a comma locale,
// fractions "3/4", vulgar fractions "½" and "3½", powers of ten "10^6" and "2×10^3".

#include <optional>
#include <string_view>

namespace quorvel {

// How a typed number is written: the sentence reader joins a whole number and a fraction
// ("3 1/2") and the groups of a number written with blanks ("1 234 567").
enum class NumberForm {
    Decimal,    // digits with separators and an optional exponent: "-1,234.5e3"
    Whole,      // digits alone, with an optional sign: "3", "-12"
    Fraction,   // "3/4", "½", "3½"
    PowerOfTen, // "10^6", "2×10^3", "2 x 10⁻³"
};

struct TypedNumber {
    size_t length = 0;                // in bytes; 0 when no number starts there
    std::optional<long double> value; // none when the text looks like a number but is not one
    NumberForm form = NumberForm::Decimal;
    bool sign = false; // begins with "+" or a minus
};

// The number that starts at byte i of the text.
TypedNumber TypedNumberAt(std::string_view text, size_t i);

// A decimal number as typed: the locale's decimal separator and its thousands separator (or
// blanks) between groups of three digits of the whole part, or the other of "." and "," as
// the decimal separator where the text has no reading with the locale's separators.
std::optional<long double> ReadDecimalNumber(std::string_view text);

// Minus as typed, or as other programs copy it: hyphen-minus, the minus sign and the dashes.
bool IsMinus(char32_t c);

} // namespace quorvel
