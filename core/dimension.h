// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The dimension of a quantity: the exponents of the base quantities. Besides the SI's seven,
// angle, information and count are base quantities of their own, so that a radian, a bit and
// "per" a count are not plain numbers: rad/s is no hertz, nor bit/s a hertz.

#include <array>
#include <string>

namespace quorvel {

enum class BaseQuantity {
    Length,
    Mass,
    Time,
    Current,
    Temperature,
    Amount,
    LuminousIntensity,
    Angle,
    Information,
    Count,
};
constexpr size_t BaseQuantityCount = 10;

struct Dimension {
    std::array<int, BaseQuantityCount> exponents{}; // in the order of BaseQuantity

    bool operator==(const Dimension&) const = default;
    Dimension operator*(const Dimension& other) const;
    // The dimension to a whole power: -1 for its inverse.
    Dimension Power(int n) const;
    bool IsNone() const { return *this == Dimension{}; }
};

// The dimension in coherent SI units, as "kg·m²·s⁻²"; "1" for none.
std::string DimensionText(const Dimension& dimension);

} // namespace quorvel
