// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Number text: the one place where values are turned into text and back.
//
// A value text is an optional sign, digits with at most one decimal separator and an optional
// exponent ("E" or "e", optional sign, digits). It never holds thousands separators. The
// separators are the user's locale's; the program sets them at start and on a locale change.

#include <string>
#include <string_view>

namespace quorvel {

struct NumberSeparators {
    std::string decimal = ".";   // one character, UTF-8 encoded
    std::string thousands = ","; // used only by the number display's grouped layout
};

void SetNumberSeparators(NumberSeparators separators);
const NumberSeparators& CurrentNumberSeparators();
const std::string& DecimalSeparator();

// The number of characters (code points) of a UTF-8 text.
size_t CharacterCount(std::string_view text);

// Keeps digits, "+", "-", the decimal separator, "E" and "e"; drops every other character.
std::string CleanNumberText(std::string_view text);

// Reads a value text into the nearest extended number (correctly rounded).
// Throws EConvertError when the text is not a number or its value is out of range.
long double ParseNumberText(std::string_view text);

// The value with at most 15 significant digits, no trailing zeros, exponent form outside
// 0.0001 <= |x| < 1E15.
std::string GeneralNumberText(long double x);

// The value as d,dddddddddddd E±x with exactly 13 significant digits.
std::string DisplayExponentText(long double x);

// The significant decimal digits of a value: |x| = 0.d1 d2 ... dn × 10^exponent.
// Empty digits mean the value counts as zero (never negative then).
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool IsZero() const { return digits.empty(); }
};

// The significant digits of x cut at position r: up to 18 digits, correctly rounded (ties to
// even); cut before the 18th, rounded up when the exact value's next digit is 5 or more.
// Trailing zeros are dropped. A value below the smallest normal extended number, or one whose
// digits all vanish, counts as zero.
DecimalDigits RoundedDigits(long double x, int r);

// The exponent notation of the general number text: d1[,d2...dn]E[-]x. The digits must not
// count as zero.
std::string ExponentNotationText(const DecimalDigits& digits);

} // namespace quorvel
