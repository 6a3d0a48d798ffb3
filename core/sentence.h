// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Typed conversions: a sentence such as "12 in to cm", "100 °F → °C", "3,5 kWh = ? J",
// "1/2 in to mm", "5 ft 10 in to cm" or "20 kWh/100km to Wh/mi" read into the units and values to
// convert from and the unit to convert to: units of one group, which Convert converts part by
// part, or, where no group holds them all, expressions of units converted by their dimensions.

#include "calc/errors.h"
#include "core/conversion.h"
#include "core/unitexpression.h"
#include "core/unitsearch.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// A sentence that cannot be read; the message names the part that was not understood.
class ESentenceError : public Error {
public:
    using Error::Error;
};

struct SentenceUnit {
    size_t position = 0; // the unit's line in its group's files
    std::string name;    // an expression's text as typed
    std::string factor;
    std::optional<UnitExpression> expression; // a unit typed as an expression ("kWh/100km")
};

struct SentencePart {
    std::optional<long double> value; // none: the value at hand
    SentenceUnit unit;
};

struct Sentence {
    std::string group;               // none for expressions, which no one group holds
    std::vector<SentencePart> parts; // one, or several to add up ("5 ft 10 in")
    SentenceUnit target;
    std::string sourceText; // the source as typed: "5 ft 10 in"
    std::string targetText; // the target as typed: "cm"
    // Expressions whose dimensions are each other's inverse ("5 min/km to mph"): the value
    // converts by the reciprocal.
    bool reciprocal = false;

    bool IsSum() const { return parts.size() > 1; }
    // Units of no one group, converted by their dimensions: the target and every part are
    // expressions.
    bool IsExpression() const { return target.expression.has_value(); }
};

// Reads a sentence: an optional number, a unit, optionally further numbers with units to add
// (with or without "+" between, glued or not: "5 ft + 10 in", "5'10\"", "1h30m"), optionally
// "to", "in", "into", "as", "=", "→" or "->" (and "?"), then the target unit. Numbers are
// read as typednumber.h tells: "1/2", "3 1/2", "½", "3½", "10^6", "2×10^3", "1 234,5". A
// unit's name may hold digits and slashes ("1/h", "30-day month"). Both units must be of one
// group; where the names fit several groups, the closest spelling decides, then
// `preferredGroup` (the loaded one), else the sentence is ambiguous. A symbol typed in another
// case counts only when it names one unit of that group, and never where the case of its
// prefix differs ("mw" is neither mW nor MW); "kgs" is the plural of kg. A word that names no
// unit of the group may still name one through the other units: "oz" is the fluid ounce
// before a volume ("8 oz to ml"), and "m" the minute in a sum of times ("1h30m").
//
// Where no group holds the units, the source and the target are read as expressions of the
// units of groups that have a dimension (unitexpression.h: "kWh/100km", "N·m", "Btu/(h·ft²)",
// "kft"): they convert when their dimensions are equal, or by the reciprocal where one is the
// inverse of the other ("5 min/km to mph"); the readings of words that name several units
// ("C") are those that make the dimensions agree. A temperature converts alone, never inside a
// product; temperatures and reciprocals do not add up in a sum.
//
// Throws ESentenceError, whose message names the closest unit to a misspelt word, or the
// quantities of two expressions that do not convert ("'kg' is a mass and 'N' a force").
Sentence ReadSentence(const UnitIndex& index, std::string_view text,
                      std::optional<size_t> preferredGroup = std::nullopt);

// The sentence converted by Convert: for one part its result and line; for a sum each part
// converted to the target and added, with the line "<source as typed> = <sum> <target>". A
// missing number is `valueAtHand`. Expressions convert by ConvertExpression, with the line
// "<value> <source as typed> = <value> <target as typed>", and " (reciprocal)" after it where
// they convert by the reciprocal. Nothing when a conversion converts nothing or the sum
// overflows; throws EConversionRefused as Convert does.
std::optional<ConversionResult> ConvertSentence(const Sentence& sentence, long double valueAtHand);

} // namespace quorvel
