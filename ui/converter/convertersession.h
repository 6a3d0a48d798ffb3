// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The converter the windows share. Every window that changes the value, the loaded group or a
// chosen unit does it here, and the main window, which shows the converter, hears of it through
// the signals: a change shows wherever it was made.

#include "core/converter.h"

#include <QObject>
#include <QString>

namespace quorvel {

class ConverterSession : public QObject {
    Q_OBJECT

public:
    explicit ConverterSession(UnitsDatabase database, QObject* parent = nullptr);

    // The state, to read; changes go through the operations below.
    const Converter& State() const { return converter_; }

    // Throws EConvertError, changing nothing, for a value that has no number text.
    void SetValue(long double value);
    void LoadGroup(const QString& name);
    // Chooses the unit at a position of the loaded group; -1 chooses none.
    void Choose(PickerSide side, int position);
    // Chooses a unit of a group on one side. The loaded group that still holds the unit stays,
    // and with it the unit of the other side; any other group is loaded first. Throws EUnitGone
    // when the group's files no longer hold the unit.
    void Choose(PickerSide side, const QString& group, const SentenceUnit& unit);
    void GroupRenamed(const QString& oldName, const QString& newName) {
        converter_.GroupRenamed(oldName.toStdString(), newName.toStdString());
    }
    void SetListSide(PickerSide side) { converter_.SetListSide(side); }
    // Converts to the unit chosen on `target` from the one on the other side.
    void ConvertTo(PickerSide target);
    // Runs a typed sentence as a user would: group, units, value, the down arrow (see
    // Converter::Apply); a sentence of expressions converts the value alone. Throws EUnitGone,
    // after loading the group, when its files no longer hold a unit of the sentence.
    void Apply(const Sentence& sentence);

signals:
    void valueChanged();
    // A group was loaded; `failure` says why its files could not be read (it has no units then).
    void groupLoaded(const QString& failure);
    void unitChosen(PickerSide side);
    // A conversion was made: the value is its result.
    void converted(const ConversionResult& result);
    // A conversion was refused (a temperature below its scale's lowest, 0 in a reciprocal unit);
    // nothing changed.
    void refused(const QString& reason);

private:
    std::optional<SentenceUnit> ChosenUnit(PickerSide side) const;
    // Runs a step that converts, and tells what it changed.
    template <typename Step> void Run(Step step);

    Converter converter_;
};

} // namespace quorvel
