// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dimension.h"

#include <string_view>

namespace quorvel {

namespace {

// The coherent unit of each base quantity, as DimensionText writes it; count has none.
constexpr std::string_view UnitSymbols[BaseQuantityCount] = {"m",   "kg", "s",   "A",   "K",
                                                             "mol", "cd", "rad", "bit", "count"};

std::string Superscript(int n) {
    static constexpr std::string_view Digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = n < 0 ? "⁻" : "";
    const std::string digits = std::to_string(n < 0 ? -n : n);
    for (const char digit : digits)
        text += Digits[digit - '0'];
    return text;
}

} // namespace

Dimension Dimension::operator*(const Dimension& other) const {
    Dimension product;
    for (size_t k = 0; k < BaseQuantityCount; ++k)
        product.exponents[k] = exponents[k] + other.exponents[k];
    return product;
}

Dimension Dimension::Power(int n) const {
    Dimension power;
    for (size_t k = 0; k < BaseQuantityCount; ++k)
        power.exponents[k] = exponents[k] * n;
    return power;
}

std::string DimensionText(const Dimension& dimension) {
    std::string text;
    for (size_t k = 0; k < BaseQuantityCount; ++k) {
        const int exponent = dimension.exponents[k];
        if (exponent == 0)
            continue;
        if (!text.empty())
            text += "·";
        text += UnitSymbols[k];
        if (exponent != 1)
            text += Superscript(exponent);
    }
    return text.empty() ? "1" : text;
}

} // namespace quorvel
