// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/converter.h"

#include "calc/numbertext.h"

#include <algorithm>
#include <utility>

namespace quorvel {

Converter::Converter(UnitsDatabase database) : database_(std::move(database)) {}

std::string Converter::ValueText() const {
    return GeneralNumberText(value_);
}

void Converter::SetValue(long double value) {
    GeneralNumberText(value); // a value without a number text is refused before anything changes
    value_ = value;
}

void Converter::LoadGroup(const std::string& name) {
    group_ = LoadedGroup{name, {}, ConversionKindOf(name)};
    upper_.reset();
    lower_.reset();
    group_.units = database_.LoadGroup(name);
    if (!group_.units.empty())
        upper_ = lower_ = 0;
}

void Converter::GroupRenamed(const std::string& oldName, const std::string& newName) {
    if (group_.name == oldName)
        group_.name = newName;
}

size_t Converter::UnitsThatDoNotConvert() const {
    // The Temperature group converts by its units' names and never reads their factors.
    if (group_.kind != ConversionKind::ByFactors)
        return 0;
    return static_cast<size_t>(
        std::count_if(group_.units.begin(), group_.units.end(),
                      [](const Unit& unit) { return !ConvertsByFactor(unit.factor); }));
}

std::optional<size_t> Converter::Chosen(PickerSide side) const {
    return side == PickerSide::Upper ? upper_ : lower_;
}

void Converter::Choose(PickerSide side, std::optional<size_t> position) {
    if (position && *position >= group_.units.size())
        position.reset();
    (side == PickerSide::Upper ? upper_ : lower_) = position;
}

std::optional<ConversionResult> Converter::ConvertTo(PickerSide target) {
    const std::optional<size_t> from = Chosen(OtherSide(target));
    const std::optional<size_t> to = Chosen(target);
    if (!from || !to)
        return std::nullopt;
    const Unit& source = group_.units[*from];
    const Unit& goal = group_.units[*to];
    std::optional<ConversionResult> result =
        Convert({value_, source.factor, goal.factor, source.name, goal.name, group_.kind});
    if (result)
        value_ = result->value; // a result has a number text: its line holds it
    return result;
}

size_t Converter::Locate(const SentenceUnit& unit) const {
    const std::vector<Unit>& units = group_.units;
    if (unit.position < units.size() && units[unit.position].name == unit.name)
        return unit.position;
    const auto found = std::find_if(units.begin(), units.end(),
                                    [&](const Unit& held) { return held.name == unit.name; });
    if (found == units.end()) {
        //: %1 is a unit's name, %2 its group: the group's files changed after the search read
        //: them.
        throw EUnitGone(QUORVEL_MESSAGE("Sentence", "'%1' is no longer a unit of %2"),
                        {unit.name, group_.name});
    }
    return static_cast<size_t>(found - units.begin());
}

Sentence Converter::Locate(const Sentence& sentence) const {
    Sentence located = sentence;
    std::vector<SentenceUnit*> units{&located.target};
    for (SentencePart& part : located.parts)
        units.push_back(&part.unit);
    for (SentenceUnit* unit : units) {
        unit->position = Locate(*unit);
        unit->factor = group_.units[unit->position].factor;
    }
    return located;
}

std::optional<ConversionResult> Converter::ApplyLocated(const Sentence& located) {
    Choose(PickerSide::Upper, located.parts.front().unit.position);
    Choose(PickerSide::Lower, located.target.position);
    if (located.IsSum()) {
        std::optional<ConversionResult> result = ConvertSentence(located, value_);
        if (result)
            value_ = result->value;
        return result;
    }
    SetValue(located.parts.front().value.value_or(value_));
    return ConvertTo(PickerSide::Lower);
}

std::optional<ConversionResult> Converter::Apply(const Sentence& sentence) {
    if (sentence.IsExpression())
        return ApplyExpressions(sentence);
    LoadGroup(sentence.group);
    return ApplyLocated(Locate(sentence));
}

std::optional<ConversionResult> Converter::ApplyExpressions(const Sentence& sentence) {
    if (!sentence.IsSum())
        SetValue(sentence.parts.front().value.value_or(value_));
    std::optional<ConversionResult> result = ConvertSentence(sentence, value_);
    if (result)
        value_ = result->value;
    return result;
}

std::optional<ConversionResult> Converter::Preview(const Sentence& sentence) const {
    return ConvertSentence(sentence, value_);
}

} // namespace quorvel
