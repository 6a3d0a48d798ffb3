// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/converter/convertersession.h"

#include "ui/language/translated.h"

#include <utility>

namespace quorvel {

ConverterSession::ConverterSession(UnitsDatabase database, QObject* parent)
    : QObject(parent), converter_(std::move(database)) {}

void ConverterSession::SetValue(long double value) {
    converter_.SetValue(value);
    emit valueChanged();
}

void ConverterSession::LoadGroup(const QString& name) {
    QString failure;
    try {
        converter_.LoadGroup(name.toStdString());
    } catch (const EFileError& error) {
        failure = Translated(error);
    }
    emit groupLoaded(failure);
}

void ConverterSession::Choose(PickerSide side, int position) {
    const std::optional<size_t> before = converter_.Chosen(side);
    converter_.Choose(side, position < 0 ? std::nullopt
                                         : std::optional<size_t>(static_cast<size_t>(position)));
    if (converter_.Chosen(side) != before)
        emit unitChosen(side);
}

void ConverterSession::Choose(PickerSide side, const QString& group, const SentenceUnit& unit) {
    const bool loaded = converter_.Group().name == group.toStdString();
    if (loaded) {
        try {
            Choose(side, static_cast<int>(converter_.Locate(unit)));
            return;
        } catch (const EUnitGone&) {
            // Added to the files after the group was loaded: they are read again below.
        }
    }
    const std::optional<SentenceUnit> other = loaded ? ChosenUnit(OtherSide(side)) : std::nullopt;
    LoadGroup(group);
    if (other) {
        try {
            Choose(OtherSide(side), static_cast<int>(converter_.Locate(*other)));
        } catch (const EUnitGone&) {
            // Gone from the files: that side keeps the group's first unit.
        }
    }
    Choose(side, static_cast<int>(converter_.Locate(unit)));
}

std::optional<SentenceUnit> ConverterSession::ChosenUnit(PickerSide side) const {
    const std::optional<size_t> position = converter_.Chosen(side);
    if (!position)
        return std::nullopt;
    const Unit& unit = converter_.Group().units.at(*position);
    return SentenceUnit{*position, unit.name, unit.factor, std::nullopt};
}

template <typename Step> void ConverterSession::Run(Step step) {
    const long double before = converter_.Value();
    std::optional<ConversionResult> result;
    try {
        result = step();
    } catch (const EConversionRefused& refusal) {
        if (converter_.Value() != before)
            emit valueChanged();
        emit refused(Translated(refusal));
        return;
    }
    if (result || converter_.Value() != before)
        emit valueChanged();
    if (result)
        emit converted(*result);
}

void ConverterSession::ConvertTo(PickerSide target) {
    Run([&] { return converter_.ConvertTo(target); });
}

void ConverterSession::Apply(const Sentence& sentence) {
    if (sentence.IsExpression()) {
        try {
            Run([&] { return converter_.Apply(sentence); });
        } catch (const EConvertError&) {
            // A typed number that has no number text is no value: nothing converts.
        }
        return;
    }
    LoadGroup(QString::fromStdString(sentence.group));
    const Sentence located = converter_.Locate(sentence);
    // The pickers first, as a user sets them before pressing the arrow.
    Choose(PickerSide::Upper, static_cast<int>(located.parts.front().unit.position));
    Choose(PickerSide::Lower, static_cast<int>(located.target.position));
    try {
        Run([&] { return converter_.ApplyLocated(located); });
    } catch (const EConvertError&) {
        // A typed number that has no number text is no value: nothing converts.
    }
}

} // namespace quorvel
