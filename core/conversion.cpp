// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/conversion.h"

#include "calc/guardedmath.h"
#include "calc/numbertext.h"
#include "core/unitsdatabase.h"

#include <algorithm>
#include <iterator>

namespace quorvel {

namespace {

constexpr long double CelsiusZeroInKelvin = 273.15L;

struct TemperatureScale {
    const char* unitName;  // the unit name that selects the scale; nullptr for Celsius
    MessageTemplate bound; // the refusal of a value below the lowest, which fills in lowestText
    long double lowest;    // the lowest value ToCelsius accepts
    const char* lowestText;
    long double (*toCelsius)(long double x);
    long double (*fromCelsius)(long double t);
};

// Searched in this order; the first exact match wins, and every other name is Celsius.
// Reaumur's degree is 1.25 Celsius degrees with the same zero.
// The bound messages keep their two blanks before the number: users' scripts match them.
const TemperatureScale Scales[] = {
    //: %1 is the lowest temperature of the scale, 0 here. The two blanks before it and the blank
    //: before the "!" are the English message's own; use your language's usual spacing.
    {"Kelvin's degree",
     QUORVEL_MESSAGE("Temperature",
                     "The temperature in Kelvin's degrees cannot be lower than  %1 !"),
     0.0L, "0", [](long double x) { return x - CelsiusZeroInKelvin; },
     [](long double t) { return t + CelsiusZeroInKelvin; }},
    //: %1 is the lowest temperature of the scale, -459.67. See the Kelvin message for the blanks.
    {"Fahrenheit's degree",
     QUORVEL_MESSAGE("Temperature",
                     "The temperature in Fahrenheit's degrees cannot be lower than  %1 !"),
     -459.67L, "-459.67", [](long double x) { return ((x - 32) * 5) / 9; },
     [](long double t) { return ((t * 9) / 5) + 32; }},
    //: %1 is the lowest temperature of the scale, -218.52. See the Kelvin message for the blanks.
    {"Reaumur's degree",
     QUORVEL_MESSAGE("Temperature",
                     "The temperature in Reaumur's degrees cannot be lower than  %1 !"),
     -218.52L, "-218.52", [](long double x) { return (x * 5) / 4; }, //
     [](long double t) { return (t * 4) / 5; }},
    //: The Rankine scale (spelt Rankin in the unit's name). %1 is its lowest temperature, 0. See
    //: the Kelvin message for the blanks.
    {"Rankin's degree",
     QUORVEL_MESSAGE("Temperature",
                     "The temperature in Rankin's degrees cannot be lower than  %1 !"),
     0.0L, "0", [](long double x) { return ((x * 5) / 9) - CelsiusZeroInKelvin; },
     [](long double t) { return ((t + CelsiusZeroInKelvin) * 9) / 5; }},
    //: %1 is the lowest temperature of the scale, -273.15. See the Kelvin message for the blanks.
    {nullptr,
     QUORVEL_MESSAGE("Temperature",
                     "The temperature in Celsius' degrees cannot be lower than  %1 !"),
     -273.15L, "-273.15", //
     [](long double x) { return x; }, [](long double t) { return t; }},
};

const TemperatureScale& ScaleOf(std::string_view unitName) {
    for (const TemperatureScale& scale : Scales) {
        if (scale.unitName == nullptr || unitName == scale.unitName)
            return scale;
    }
    return std::end(Scales)[-1];
}

// A factor text "k/x": the k part; nothing for any other text.
std::optional<std::string_view> ReciprocalNumberText(std::string_view factor) {
    const size_t slash = factor.rfind('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = factor.substr(slash + 1);
    const size_t x = rest.find_first_not_of(' ');
    if (x == std::string_view::npos || rest[x] != 'x' ||
        rest.find_first_not_of(' ', x + 1) != std::string_view::npos)
        return std::nullopt;
    return factor.substr(0, slash);
}

long double ToBaseValue(const Factor& factor, long double value) {
    return factor.reciprocal ? factor.number / value : factor.number * value;
}

long double FromBaseValue(const Factor& factor, long double base) {
    return factor.reciprocal ? factor.number / base : base / factor.number;
}

std::optional<long double> ConvertByFactors(const ConversionRequest& request) {
    const std::optional<Factor> source = ReadFactor(request.sourceFactor);
    const std::optional<Factor> target = ReadFactor(request.targetFactor);
    if (!source || !target)
        return std::nullopt;
    if (source->reciprocal && request.value == 0)
        throw EReciprocalZero();
    try {
        // A quotient beyond the range stays infinite (or NaN) through the product.
        if (!source->reciprocal && !target->reciprocal)
            return CheckOverflow(source->number / target->number * request.value);
        // A base value of 0 or beyond the range gives an infinite value in a reciprocal target.
        return CheckOverflow(
            FromBaseValue(*target, CheckOverflow(ToBaseValue(*source, request.value))));
    } catch (const EOverflow&) {
        return std::nullopt; // an overflowing conversion converts nothing and shows nothing
    }
}

// A value that passed its scale's bound is at or above absolute zero, but the two formulas'
// rounding can carry it just below the target scale's (-459.67 Fahrenheit came out as
// -2.8E-17 Kelvin), where the reverse arrow would refuse it: it is held at the target's lowest.
std::optional<long double> ConvertTemperature(const ConversionRequest& request) {
    try {
        const long double celsius = ToCelsius(request.sourceUnit, request.value);
        return std::max(FromCelsius(request.targetUnit, celsius),
                        ScaleOf(request.targetUnit).lowest);
    } catch (const EOverflow&) {
        return std::nullopt; // an overflowing formula converts nothing and shows nothing
    }
}

} // namespace

ConversionKind ConversionKindOf(std::string_view groupName) {
    return groupName == TemperatureGroupName ? ConversionKind::TemperatureScales
                                             : ConversionKind::ByFactors;
}

std::string NormalizeFactorText(std::string_view factor) {
    const std::string& separator = DecimalSeparator();
    std::string text;
    text.reserve(factor.size());
    for (const char c : factor) {
        if (c == '.' || c == ',')
            text += separator;
        else
            text.push_back(c);
    }
    return text;
}

std::optional<long double> ParseFactor(std::string_view factor) {
    try {
        return ParseNumberText(NormalizeFactorText(factor));
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::optional<Factor> ReadFactor(std::string_view factor) {
    const std::optional<std::string_view> reciprocal = ReciprocalNumberText(factor);
    const std::optional<long double> number = ParseFactor(reciprocal.value_or(factor));
    if (!number || !(*number > 0))
        return std::nullopt;
    return Factor{*number, reciprocal.has_value()};
}

std::string_view FactorNumberText(std::string_view factor) {
    return ReciprocalNumberText(factor).value_or(factor);
}

bool ConvertsByFactor(std::string_view factor) {
    return ReadFactor(factor).has_value();
}

//: A reciprocal unit, such as litre per 100 kilometres against kilometre per litre, converts a
//: value v into k divided by v; the value 0 has no such value.
EReciprocalZero::EReciprocalZero()
    : EConversionRefused(
          QUORVEL_MESSAGE("Conversion", "The value cannot be 0 in a reciprocal unit")) {}

long double ToCelsius(std::string_view unitName, long double x) {
    const TemperatureScale& scale = ScaleOf(unitName);
    if (x < scale.lowest)
        throw ETemperatureBound(scale.bound, {Message::Number(scale.lowestText)});
    return CheckOverflow(scale.toCelsius(x));
}

long double FromCelsius(std::string_view unitName, long double t) {
    return CheckOverflow(ScaleOf(unitName).fromCelsius(t));
}

std::optional<ConversionResult> Convert(const ConversionRequest& request) {
    const std::string before = GeneralNumberText(request.value);
    const std::optional<long double> value = request.kind == ConversionKind::TemperatureScales
                                                 ? ConvertTemperature(request)
                                                 : ConvertByFactors(request);
    if (!value)
        return std::nullopt;
    return ConversionResult{*value, ConversionLine(before, request.sourceUnit,
                                                   GeneralNumberText(*value), request.targetUnit)};
}

std::string ConversionLine(std::string_view valueBefore, std::string_view sourceUnit,
                           std::string_view valueAfter, std::string_view targetUnit) {
    std::string line;
    line.append(valueBefore).append(" ").append(sourceUnit).append(" = ");
    line.append(valueAfter).append(" ").append(targetUnit);
    return line;
}

} // namespace quorvel
