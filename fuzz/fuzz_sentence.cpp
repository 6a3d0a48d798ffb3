// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Typed conversions and the search over the delivered database, as the search field and the
// command line use them: any text, in any of the locales' separators, with or without a loaded
// group. Reading may refuse only with a sentence error and converting only with a temperature
// bound or the value 0 in a reciprocal; a sentence read names units of its group, and converts
// to the value that Convert gives for those units, part by part. A sentence of expressions names
// units of the index, its dimensions agree (or are each other's inverse where it converts by
// the reciprocal), and it converts to the value its units' factors give when multiplied out
// plainly. The search and the close names list units of the index.

#include "calc/numbertext.h"
#include "core/delivereddimensions.h"
#include "core/sentence.h"
#include "core/unitsearch.h"
#include "fuzzcheck.h"

#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>

using namespace quorvel;

namespace {

const UnitIndex& Index() {
    static const UnitIndex index = UnitIndex::Read(UnitsDatabase(QUORVEL_DATA_DIR "/Files"),
                                                   DeliveredAliases(), DeliveredDimensions());
    return index;
}

const NumberSeparators Locales[] = {{".", ","}, {",", "."}, {",", "\xc2\xa0"}, {".", "'"}};

bool IsUnitOfIndex(UnitRef ref) {
    const auto& groups = Index().Groups();
    return ref.group < groups.size() && ref.unit < groups[ref.group].units.size();
}

// The part converted by Convert with the units the index holds at the sentence's positions.
std::optional<ConversionResult> ConvertPart(const Sentence& sentence, size_t group,
                                            const SentencePart& part, long double valueAtHand) {
    const std::vector<Unit>& units = Index().Groups()[group].units;
    const Unit& source = units[part.unit.position];
    const Unit& target = units[sentence.target.position];
    FUZZ_CHECK(source.name == part.unit.name && source.factor == part.unit.factor);
    FUZZ_CHECK(target.name == sentence.target.name && target.factor == sentence.target.factor);
    return Convert({part.value.value_or(valueAtHand), source.factor, target.factor, source.name,
                    target.name, ConversionKindOf(sentence.group)});
}

// What the sentence converts to by Convert alone: the part's result, or the parts' sum.
std::optional<long double> ExpectedValue(const Sentence& sentence, long double valueAtHand) {
    size_t group = 0;
    while (Index().Groups()[group].name != sentence.group)
        ++group;
    long double sum = 0;
    for (const SentencePart& part : sentence.parts) {
        const std::optional<ConversionResult> result =
            ConvertPart(sentence, group, part, valueAtHand);
        if (!result)
            return std::nullopt;
        sum += result->value;
    }
    return std::isfinite(sum) ? std::optional(sum) : std::nullopt;
}

// An expression's size in coherent units, its factors multiplied out one by one; nothing where
// a step leaves the range. Its units are the index's, with the factors the index holds.
std::optional<long double> PlainSize(const UnitExpression& expression) {
    long double size = 1;
    Dimension dimension;
    for (const ExpressionTerm& term : expression.terms) {
        long double base = std::pow(10.0L, static_cast<long double>(term.prefix));
        if (term.unit) {
            FUZZ_CHECK(IsUnitOfIndex(*term.unit));
            FUZZ_CHECK(Index().UnitOf(*term.unit).factor == term.factor);
            const std::optional<GroupMeasure>& measure = Index().MeasureOf(term.unit->group);
            FUZZ_CHECK(measure && measure->scale == term.scale);
            const std::optional<Factor> factor = ReadFactor(term.factor);
            FUZZ_CHECK(factor.has_value());
            const long double sized = factor->number * *ParseFactor(term.scale);
            base *= factor->reciprocal ? 1 / sized : sized;
            dimension =
                dimension * measure->dimension.Power(factor->reciprocal ? -term.power : term.power);
        } else {
            base *= *ParseFactor(term.factor);
        }
        for (int k = 0; k < std::abs(term.power); ++k)
            size = term.power > 0 ? size * base : size / base;
    }
    FUZZ_CHECK(dimension == expression.dimension);
    return std::isnormal(size) ? std::optional(size) : std::nullopt;
}

// What a part of a sentence of expressions converts to, by its plain sizes.
std::optional<long double> PlainValue(const Sentence& sentence, const SentencePart& part,
                                      long double valueAtHand) {
    const std::optional<long double> source = PlainSize(*part.unit.expression);
    const std::optional<long double> target = PlainSize(*sentence.target.expression);
    if (!source || !target)
        return std::nullopt;
    const long double value = part.value.value_or(valueAtHand);
    return sentence.reciprocal ? 1 / (value * *source * *target) : value * *source / *target;
}

void CheckExpressions(const Sentence& sentence, long double valueAtHand) {
    const Dimension& target = sentence.target.expression->dimension;
    for (const SentencePart& part : sentence.parts) {
        FUZZ_CHECK(part.unit.expression.has_value());
        const Dimension& source = part.unit.expression->dimension;
        FUZZ_CHECK(sentence.reciprocal ? target == source.Power(-1) : target == source);
    }
    FUZZ_CHECK(!sentence.reciprocal || !sentence.IsSum());
    std::optional<ConversionResult> converted;
    try {
        converted = ConvertSentence(sentence, valueAtHand);
    } catch (const EReciprocalZero&) {
        FUZZ_CHECK(sentence.reciprocal);
        return;
    }
    long double sum = 0, magnitude = 0;
    for (const SentencePart& part : sentence.parts) {
        const std::optional<long double> plain = PlainValue(sentence, part, valueAtHand);
        if (!plain || !std::isfinite(*plain))
            return; // a step of the plain product left the range: nothing to compare
        sum += *plain;
        magnitude += std::fabs(*plain);
    }
    // Both are extended-precision results of the same factors: they agree but for the last bits
    // of each part.
    if (!converted || !std::isnormal(magnitude) || !std::isfinite(magnitude))
        return;
    FUZZ_CHECK(std::fabs(converted->value - sum) <= 1e-15L * magnitude);
}

void CheckSentence(std::string_view text, const Sentence& sentence, long double valueAtHand) {
    FUZZ_CHECK(!sentence.parts.empty());
    FUZZ_CHECK(text.find(sentence.sourceText) != std::string_view::npos);
    FUZZ_CHECK(text.find(sentence.targetText) != std::string_view::npos);
    for (const SentencePart& part : sentence.parts)
        FUZZ_CHECK(!part.value || std::isfinite(*part.value));
    if (sentence.IsExpression()) {
        CheckExpressions(sentence, valueAtHand);
        return;
    }
    std::optional<ConversionResult> converted;
    std::optional<long double> expected;
    bool refused = false, expectedRefused = false;
    try {
        converted = ConvertSentence(sentence, valueAtHand);
    } catch (const EConversionRefused&) {
        refused = true;
    }
    try {
        expected = ExpectedValue(sentence, valueAtHand);
    } catch (const EConversionRefused&) {
        expectedRefused = true;
    }
    FUZZ_CHECK(refused == expectedRefused);
    FUZZ_CHECK(converted.has_value() == expected.has_value());
    if (converted)
        FUZZ_CHECK(converted->value == *expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const UnitIndex& index = Index();
    FuzzedDataProvider input(data, size);
    SetNumberSeparators(Locales[input.ConsumeIntegralInRange<size_t>(0, std::size(Locales) - 1)]);
    std::optional<size_t> preferred;
    if (input.ConsumeBool())
        preferred = input.ConsumeIntegralInRange<size_t>(0, index.Groups().size() - 1);
    const long double valueAtHand = input.ConsumeFloatingPointInRange<double>(-1e6, 1e6);
    const std::string text = input.ConsumeRemainingBytesAsString();

    try {
        CheckSentence(text, ReadSentence(index, text, preferred), valueAtHand);
    } catch (const ESentenceError& refusal) {
        FUZZ_CHECK(!refusal.UserMessage().IsEmpty());
    }
    for (const UnitRef ref : index.Find(text))
        FUZZ_CHECK(IsUnitOfIndex(ref));
    const std::vector<UnitRef> close = index.Close(text, 5);
    FUZZ_CHECK(close.size() <= 5);
    for (const UnitRef ref : close)
        FUZZ_CHECK(IsUnitOfIndex(ref));
    return 0;
}
