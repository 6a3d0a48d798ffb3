// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Units typed as expressions of units, for the units that no group lists: products ("N·m",
// "N*m", "N-m", "kg m"), quotients ("kWh/day", "mile per hour"), powers ("m²", "s^-1", "sq ft",
// "cubic metre"), parentheses ("Btu/(h·ft²)"), numbers in a quotient ("L/100km") and SI prefixes
// on any unit where one reading results ("kft", "Mcf"). Such an expression measures the
// product of its units' dimensions; its size in coherent units is the product of its units'
// sizes, exact while they are decimals whose products keep at most 36 digits, in extended
// precision beyond.

#include "calc/message.h"
#include "core/dimension.h"
#include "core/unitsearch.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvel {

// A unit of an expression with its prefix and power, or a number typed in it.
struct ExpressionTerm {
    std::optional<UnitRef> unit; // none for a number ("100" in L/100km)
    // The unit's factor against its group's base unit as its files give it ("0.3048", "100/x"),
    // or the typed number.
    std::string factor;
    std::string scale = "1"; // the size of the group's base unit in coherent units
    int prefix = 0;          // the power of ten of an SI prefix typed before the unit: 3 in kft
    int power = 1;           // -1 under a "/", 2 for "²" or "sq"

    bool operator==(const ExpressionTerm&) const = default;
};

struct UnitExpression {
    std::string text; // as typed
    std::vector<ExpressionTerm> terms;
    Dimension dimension;
    // The group of a unit typed alone, which names what the expression measures.
    std::optional<size_t> group;
};

// One way to read a word of an expression: a unit, and what that reading costs (its spelling
// level, more for a prefix split off).
struct WordReading {
    ExpressionTerm term;
    Dimension dimension; // the term's, its power included
    int cost = 0;
    bool temperature = false; // a unit of the Temperature group, which converts by its scales
};

// A word of an expression and the units it may name ("C": the coulomb or Celsius' degree).
struct ExpressionWord {
    std::string typed;
    std::vector<WordReading> readings;
};

// An expression as typed, before the other units of a sentence choose its words' readings.
struct ParsedExpression {
    std::string text;
    std::vector<ExpressionTerm> numbers;
    std::vector<ExpressionWord> words;
};

// The readings of the words of a sentence's expressions, by their text, looked up once.
using KnownWords = std::unordered_map<std::string, std::vector<WordReading>>;

// The expression the text is, with the readings of each of its words among the units of the
// groups that have a dimension; nothing when the text is no expression of such units. A word
// is the longest run of the text that names a unit (a name may hold blanks, hyphens and
// parentheses: "gallon (US)", "pound-force"); where none does, a word names a unit after an SI
// prefix or before a power digit ("kft", "s2"). A blank joins units into a product; a number
// stands in a quotient or a product only after "/", "(", "·" or "*", or before a "/".
std::optional<ParsedExpression> ParseUnitExpression(const UnitIndex& index, std::string_view text,
                                                    KnownWords& known);

// The expression with the given reading of each of its words.
UnitExpression ChosenExpression(const ParsedExpression& parsed,
                                std::span<const size_t> readingOfEachWord);

// A way to read the units of a sentence as expressions: one for each part, then the target.
struct ExpressionUnits {
    std::vector<UnitExpression> units;
    bool reciprocal = false; // the target's dimension is the inverse of the parts'
    int cost = 0;            // the sum of the words' readings' costs
};

struct ExpressionReadings {
    std::vector<ExpressionUnits> agreeing;
    std::string temperatureInProduct;       // a temperature typed inside a product
    bool reciprocalSum = false;             // a sum that would convert by the reciprocal
    std::optional<ExpressionUnits> closest; // where no reading agrees: the closest one
};

// The readings of a sentence's expressions (its parts', then its target's) whose dimensions
// agree: the parts' with each other, the target's with theirs or with its inverse. Nothing
// agrees where the words name more than `mostReadings` combinations. A temperature converts by
// its scales, alone: one inside a product that would make the dimensions agree (J/kg·°C) is
// named instead of a reading, as is a sum that would convert by the reciprocal.
ExpressionReadings ReadExpressions(std::vector<ParsedExpression> expressions, size_t mostReadings);

// What an expression measures, for a message: "a mass", after the group of a unit typed alone
// or else the first group of its dimension; nothing where no group measures it.
std::optional<Message> QuantityOf(const UnitIndex& index, const UnitExpression& expression);

// A value in the `source` expression converted to `target`: by the quotient of their sizes, or,
// where the target's dimension is the inverse of the source's, by the reciprocal
// (1 / (value × source × target)). Nothing when a factor does not convert or the result is out
// of range; throws EReciprocalZero for the value 0 converted by the reciprocal.
std::optional<long double> ConvertExpression(long double value, const UnitExpression& source,
                                             const UnitExpression& target, bool reciprocal);

} // namespace quorvel
