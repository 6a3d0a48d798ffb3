// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The converter: the value being converted, the loaded group with its units, the unit chosen
// on each side (the upper and the lower picker) and the side the units list serves. The main
// window, the dialogs that hand a value back, the search field and the command line all change
// it through these operations and show what they return; it never calls back.

#include "core/conversion.h"
#include "core/sentence.h"
#include "core/unitsdatabase.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

enum class PickerSide { Upper, Lower };

inline PickerSide OtherSide(PickerSide side) {
    return side == PickerSide::Upper ? PickerSide::Lower : PickerSide::Upper;
}

struct LoadedGroup {
    std::string name;
    std::vector<Unit> units; // in file order
    ConversionKind kind = ConversionKind::ByFactors;
};

// A unit of a typed sentence that the loaded group's files no longer hold: they changed after
// the sentence was read.
class EUnitGone : public Error {
public:
    using Error::Error;
};

class Converter {
public:
    explicit Converter(UnitsDatabase database);

    const UnitsDatabase& Database() const { return database_; }

    long double Value() const { return value_; }
    // The value as it is shown: its general number text.
    std::string ValueText() const;
    // Throws EConvertError, changing nothing, for a value that has no number text.
    void SetValue(long double value);

    const LoadedGroup& Group() const { return group_; }
    // Reads the group's files and loads it with its first unit chosen on both sides. Throws
    // EFileError when they cannot be read: the group is then loaded by name with no units, and
    // converts nothing.
    void LoadGroup(const std::string& name);
    // After a group's files and its line in the group list took a new name: the loaded group, if
    // it is that one, goes by the new name.
    void GroupRenamed(const std::string& oldName, const std::string& newName);
    // How many units of the loaded group convert nothing: by factors, those whose factor makes
    // no unit that converts.
    size_t UnitsThatDoNotConvert() const;

    // The position of the unit chosen on a side; nothing while the group has no units.
    std::optional<size_t> Chosen(PickerSide side) const;
    // Chooses the unit at a position of the loaded group; nothing, or a position past its
    // units, leaves the side with no unit chosen.
    void Choose(PickerSide side, std::optional<size_t> position);

    PickerSide ListSide() const { return listSide_; }
    void SetListSide(PickerSide side) { listSide_ = side; }

    // Converts the value from the unit chosen on the other side to the one chosen on `target`;
    // the result becomes the value. Nothing, and no change, when a unit is missing or does not
    // convert, or the result is out of range. Throws EConversionRefused, changing nothing.
    std::optional<ConversionResult> ConvertTo(PickerSide target);

    // A typed sentence, as a user would run it: its group loaded, its first unit chosen on the
    // upper side and its target on the lower, its number (else the value at hand) taken as the
    // value and converted downwards; a sum's parts are converted with the factors the group's
    // files hold now and added, the sum becoming the value. A sentence of expressions, which no
    // group holds, converts the value alone: the group and the chosen units stay as they are.
    // Throws EFileError when the group's files cannot be read, EUnitGone when they no longer
    // hold a unit of the sentence, EConvertError for a number that is no value, and
    // EConversionRefused as ConvertTo does.
    std::optional<ConversionResult> Apply(const Sentence& sentence);
    // The steps of Apply after the group is loaded: the sentence's units as the loaded group
    // holds them now (positions and factors). Throws EUnitGone.
    Sentence Locate(const Sentence& sentence) const;
    // A unit's position in the loaded group: its own when the unit is still there, else that of
    // the first unit of its name. Throws EUnitGone when the group no longer holds it.
    size_t Locate(const SentenceUnit& unit) const;
    // The steps of Apply after Locate.
    std::optional<ConversionResult> ApplyLocated(const Sentence& located);

    // What the sentence would give with the value at hand, changing nothing. Throws
    // EConversionRefused.
    std::optional<ConversionResult> Preview(const Sentence& sentence) const;

private:
    std::optional<ConversionResult> ApplyExpressions(const Sentence& sentence);

    UnitsDatabase database_;
    long double value_ = 0;
    LoadedGroup group_;
    std::optional<size_t> upper_;
    std::optional<size_t> lower_;
    PickerSide listSide_ = PickerSide::Upper;
};

} // namespace quorvel
