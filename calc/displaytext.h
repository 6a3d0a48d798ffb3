// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The number display's layout of a value text: grouped fixed notation for ordinary magnitudes,
// the 13-digit exponent layout for very large and very small ones.

#include <string>
#include <string_view>

namespace quorvel {

// The fixed layout of x with `precision` significant digits at most (2 to 18) and exactly
// `decimals` digits after the separator (at most 18); integer digits grouped in threes when
// `grouped`. A value with more integer digits than `precision` is written in exponent notation.
std::string FixedLayoutText(long double x, int precision, int decimals, bool grouped);

// The display text of a value text. Throws EConvertError when the cleaned text is not a number.
std::string DisplayText(std::string_view text, bool grouped);

} // namespace quorvel
