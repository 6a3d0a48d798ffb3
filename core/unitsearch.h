// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Finding units over every group of the database: by a unit's name, or by the symbols and other
// names of the table of aliases (cm, °F, inches, meter). Matching ignores case, reads "u" for
// "µ", "2" and "^2" for "²", and takes "°" as optional ("F" finds "°F"; a text with "°", "℃" or
// "℉" finds only names and symbols that have one); an exact match of case and spelling ranks
// before one that needed any of that.

#include "core/deliveredaliases.h"
#include "core/delivereddimensions.h"
#include "core/unitsdatabase.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quorvel {

// A unit of the index: its group's place in the group list's order (groups that repeat a name
// count once) and its line in the group's files.
struct UnitRef {
    size_t group = 0;
    size_t unit = 0;

    bool operator==(const UnitRef&) const = default;
};

struct IndexedGroup {
    std::string name;
    std::vector<Unit> units;
};

// What a delivered group measures: its dimension, and the size of its base unit in coherent
// units ("1", or "1000000" for the kilometre per litre of Fuel economy).
struct GroupMeasure {
    Dimension dimension;
    std::string scale;
};

// How closely a text matches a name or symbol, best first.
enum class MatchLevel {
    Literal,    // the very same text
    Loose,      // the same but for µ/u, ²/2/^2, ° and spacing
    IgnoreCase, // the same but for case as well
    PrefixCase, // the same but for the case of a prefix that case tells apart: "mw" for "MW"
    Plural,     // a symbol with "s" after it: "kgs", "yds"
};

class UnitIndex {
public:
    // The groups in list order with their units. An alias belongs to the unit of the same group
    // and unit name; aliases of units the groups do not hold are left out. A group measures
    // the dimension of the same name while it holds that dimension's base unit with the factor
    // 1; a group without one (a user's) has no dimension.
    UnitIndex(std::vector<IndexedGroup> groups, std::span<const UnitAlias> aliases,
              std::span<const GroupDimension> dimensions = {});

    // Every group of the database's list (those without a button too) with its units; a group whose
    // files cannot be read has none. Throws EFileError when the group list cannot be read.
    static UnitIndex Read(const UnitsDatabase& database, std::span<const UnitAlias> aliases,
                          std::span<const GroupDimension> dimensions = {});

    const std::vector<IndexedGroup>& Groups() const { return groups_; }
    const IndexedGroup& GroupOf(UnitRef ref) const { return groups_[ref.group]; }
    const Unit& UnitOf(UnitRef ref) const { return groups_[ref.group].units[ref.unit]; }
    // What the group measures; nothing for a group without a dimension.
    const std::optional<GroupMeasure>& MeasureOf(size_t group) const { return measures_[group]; }
    // Whether any group has a dimension, so that units of different groups may convert.
    bool Measures() const { return measured_; }
    // The length in bytes of the longest name or symbol.
    size_t LongestName() const { return longestName_; }
    // The unit's symbols, in the table's order.
    std::vector<std::string> Symbols(UnitRef ref) const;

    // The units that match the text, best first: an exact symbol or name, then a name that
    // starts with it, then one with a word that starts with it, then one that holds it
    // anywhere; within each, closer spelling first, then a unit's own name before its other
    // names, then the database's order.
    std::vector<UnitRef> Find(std::string_view text) const;

    struct Candidate {
        UnitRef unit;
        MatchLevel level;
        bool symbol = false; // the text matches only symbols of the unit at that level
    };
    // The units whose whole name or symbol is the text, each with its closest level; where
    // none is, the units of which the text is a symbol of small letters with "s" after it.
    std::vector<Candidate> Named(std::string_view text) const;

    // Units whose name or symbol is within a few edits of the text, case aside (for
    // misspellings: "farenheit", "celcius"): none for a text of up to three characters, one
    // edit for up to six, two for longer ones. Closest first; at the same distance the units
    // of `groupsFirst`, then the database's order. At most `limit` units; a unit that Find
    // lists may be among them.
    std::vector<UnitRef> Close(std::string_view text, size_t limit,
                               std::span<const size_t> groupsFirst = {}) const;

private:
    struct Key {
        size_t unit; // index into units_
        bool symbol;
        bool own;            // the unit's own name, not one of its aliases
        bool degree;         // holds a degree sign
        bool casePrefix;     // a symbol that begins with a prefix whose case tells it apart
        std::string literal; // trimmed
        std::string loose;
        std::string folded;
        std::u32string characters; // `folded`, a character at a time
        std::uint64_t characterSet = 0;
    };

    struct Query; // a text looked up, in each form a key holds
    struct Match; // how a key matches a query, ordered best first

    void AddKey(size_t unit, std::string_view text, bool symbol, bool own);
    // How the key matches the query; Match{} when it does not.
    static Match Matched(const Key& key, const Query& query);
    std::vector<Candidate> PluralOfSymbol(const Query& query) const;

    std::vector<IndexedGroup> groups_;
    std::vector<std::optional<GroupMeasure>> measures_; // by group
    bool measured_ = false;
    size_t longestName_ = 0;
    std::vector<UnitRef> units_; // every unit, in the database's order
    std::vector<Key> keys_;      // grouped by unit, in the order of units_
    std::unordered_map<std::string, std::vector<size_t>> byFolded_; // folded text to keys
};

// "inch — Length": how a match is listed.
std::string MatchText(const UnitIndex& index, UnitRef ref);

// One character of a UTF-8 text and its length in bytes; a byte that starts no valid sequence
// stands for itself.
std::pair<char32_t, size_t> CharacterAt(std::string_view text, size_t i);

// Spacing as typed or pasted: blank, tab, line ends, the no-break, figure and thin spaces.
bool IsSpacing(char32_t c);

// A text in the form the index compares: spacing folded to single blanks, µ as u, superscript
// digits as digits, "^" and "°" dropped (a text of nothing but "°" keeps it), a hyphen between
// letters as a blank; with `ignoreCase`, letters in small form.
std::string FoldUnitText(std::string_view text, bool ignoreCase);

} // namespace quorvel
