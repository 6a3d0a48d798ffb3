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

// A value that a conversion refuses to take; the message is for the user. Callers catch this
// class and show the message; the ones below tell why.
class EConversionRefused : public Error {
public:
    using Error::Error;
};

// A temperature below its scale's lowest value.
class ETemperatureBound : public EConversionRefused {
public:
    using EConversionRefused::EConversionRefused;
};

// The value 0 in a reciprocal unit, whose base value k / 0 would be infinite.
class EReciprocalZero : public EConversionRefused {
public:
    EReciprocalZero();
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

// What a unit's factor says: a value v of the unit is v × number base units, or, for a
// reciprocal unit such as litre per 100 km against kilometre per litre, number / v base units.
struct Factor {
    long double number = 0;
    bool reciprocal = false;
};

// A factor text read as a factor: a number, or "k/x" with k a number (blanks allowed around
// the "/" and the "x") for a reciprocal unit. Nothing when the text is neither, or when the
// number is not positive: such a factor converts nothing.
std::optional<Factor> ReadFactor(std::string_view factor);

// The number of a factor text as typed: k of "k/x", else the whole text.
std::string_view FactorNumberText(std::string_view factor);

// Whether a unit with this factor text converts by factors: the text reads as a factor.
bool ConvertsByFactor(std::string_view factor);

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

// The converted value and its conversion line, or nothing when a factor does not convert
// (ConvertsByFactor) or the result leaves the extended range (a value of 0 converted into a
// reciprocal unit among them). Ordinary factors give source / target × value; a pair with a
// reciprocal unit goes through the base value. Throws EReciprocalZero for the value 0 in a
// reciprocal source unit, ETemperatureBound for a temperature below its scale's lowest value;
// one that passes is never given below the target scale's.
std::optional<ConversionResult> Convert(const ConversionRequest& request);

std::string ConversionLine(std::string_view valueBefore, std::string_view sourceUnit,
                           std::string_view valueAfter, std::string_view targetUnit);

} // namespace quorvel
