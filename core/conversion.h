// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Conversion of a value from one unit of a group to another: by the quotient of the two units'
// factors, or, in the Temperature group, through Celsius by fixed formulas chosen by unit name.

#include "calc/errors.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// A temperature below its scale's lowest value; the message is for the user.
class ETemperatureBound : public Error {
public:
    using Error::Error;
};

// How a group's units convert into one another.
enum class ConversionKind {
    ByFactors,         // by the quotient of the two units' factors
    TemperatureScales, // through Celsius by each scale's formulas, chosen by unit name
};

// The group named "Temperature" (exactly so) converts by its scales; every other by factors.
ConversionKind ConversionKindOf(std::string_view groupName);

// Replaces every "." and "," by the decimal separator, so a factor reads the same in any locale.
std::string NormalizeFactorText(std::string_view factor);

// A factor text read as a number, "." and "," both taken as the decimal separator; nothing when
// it is not a number.
std::optional<long double> ParseFactor(std::string_view factor);

// A temperature in the named scale converted to Celsius. Throws ETemperatureBound for a value
// below the scale's lowest value, EOverflow when the result leaves the extended range.
long double ToCelsius(std::string_view unitName, long double x);

// A Celsius temperature converted to the named scale. Throws EOverflow.
long double FromCelsius(std::string_view unitName, long double t);

struct ConversionRequest {
    long double value = 0;
    std::string_view sourceFactor;
    std::string_view targetFactor;
    std::string_view sourceUnit;
    std::string_view targetUnit;
    ConversionKind kind = ConversionKind::ByFactors;
};

struct ConversionResult {
    long double value;
    std::string line; // e.g. "1 inch = 0.0254 metre"
};

// The converted value and its conversion line, or nothing when a factor does not parse, the
// target factor is zero or the result overflows. Throws ETemperatureBound for a temperature
// below its scale's lowest value; one that passes is never given below the target scale's.
std::optional<ConversionResult> Convert(const ConversionRequest& request);

std::string ConversionLine(std::string_view valueBefore, std::string_view sourceUnit,
                           std::string_view valueAfter, std::string_view targetUnit);

} // namespace quorvel
