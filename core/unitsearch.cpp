// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unitsearch.h"

#include "core/conversion.h"
#include "core/textfile.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <tuple>

namespace quorvel {

namespace {

bool IsDegree(char32_t c) {
    return c == 0xB0 || c == 0xBA; // the degree sign, and the ordinal sign typed for it
}

// The character as the index compares it, case aside; 0 drops it.
char32_t Plain(char32_t c) {
    switch (c) {
    case 0xB5:
    case 0x3BC: return 'u'; // micro sign, Greek mu
    case 0xB9: return '1';
    case 0xB2: return '2';
    case 0xB3: return '3';
    case 0x207B: return '-'; // superscript minus
    case '^': return 0;
    case 0x2103: return 'C';   // ℃ (the degree sign is optional anyway)
    case 0x2109: return 'F';   // ℉
    case 0x2126: return 0x3A9; // the ohm sign is omega
    case 0x212A: return 'K';   // the Kelvin sign
    case 0x212B: return 0xC5;  // the angstrom sign is A with ring
    case 0x2018:
    case 0x2019: return '\'';
    case 0xB7:
    case 0x22C5:
    case 0x2219: return '*'; // products: N·m as N*m
    case 0x2010:
    case 0x2011:
    case 0x2212: return '-';
    default: break;
    }
    if (c >= 0x2070 && c <= 0x2079 && c != 0x2071 && c != 0x2072 && c != 0x2073)
        return '0' + (c - 0x2070); // superscript digits 0 and 4 to 9
    return c;
}

// The small form of an ASCII, Latin-1 or Greek capital; any other character as it is.
char32_t SmallForm(char32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3A9 && c != 0x3A2))
        return c + 32; // Latin-1 and Greek capitals
    return c;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c & 0x80) != 0;
}

// A degree sign, or ℃ or ℉, which hold one.
bool HasDegree(std::string_view text) {
    for (const std::string_view sign : {"°", "º", "℃", "℉"}) {
        if (text.find(sign) != std::string_view::npos)
            return true;
    }
    return false;
}

std::string FoldText(std::string_view text, bool ignoreCase, bool dropDegrees) {
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    for (size_t i = 0; i < text.size();) {
        const auto [code, length] = CharacterAt(text, i);
        i += length;
        if (IsSpacing(code)) {
            blank = !out.empty();
            continue;
        }
        const char32_t plain = dropDegrees && IsDegree(code) ? 0 : Plain(code);
        const char32_t folded = ignoreCase ? SmallForm(plain) : plain;
        if (folded == 0)
            continue;
        if (blank)
            out.push_back(' ');
        blank = false;
        AppendUtf8(out, folded);
    }
    for (size_t i = 1; i + 1 < out.size(); ++i) {
        if (out[i] == '-' && IsLetter(out[i - 1]) && IsLetter(out[i + 1]))
            out[i] = ' '; // pound-force as pound force
    }
    return out;
}

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool StartsWord(std::string_view text, size_t pos) {
    const char before = text[pos - 1];
    return !IsLetter(before) && !(before >= '0' && before <= '9');
}

// Tiers of a match, best first; None for a key that does not match.
enum Tier { Exact, NameStart, WordStart, Anywhere, None };

// Prefixes whose letter is another prefix or an everyday unit in the other case: mega and
// milli, peta and pico, giga and gram, tera and tonne, and the largest and smallest ones. A
// symbol that begins with one is never taken for a text with the other case there: "mw" is
// not silently MW, nor "gw" GW.
struct CasePrefix {
    char letter;
    std::string_view name;
};
constexpr CasePrefix CasePrefixes[] = {
    {'M', "mega"},  {'m', "milli"}, {'P', "peta"},   {'p', "pico"},   {'G', "giga"},
    {'T', "tera"},  {'Y', "yotta"}, {'y', "yocto"},  {'Z', "zetta"},  {'z', "zepto"},
    {'R', "ronna"}, {'r', "ronto"}, {'Q', "quetta"}, {'q', "quecto"},
};

bool BeginsWithCasePrefix(std::string_view symbol, std::string_view unitName) {
    const std::string name = FoldUnitText(unitName, true);
    return symbol.size() > 1 && std::any_of(std::begin(CasePrefixes), std::end(CasePrefixes),
                                            [&](const CasePrefix& prefix) {
                                                return symbol[0] == prefix.letter &&
                                                       name.starts_with(prefix.name);
                                            });
}

std::u32string Characters(std::string_view text) {
    std::u32string characters;
    for (size_t i = 0; i < text.size();) {
        const auto [c, length] = CharacterAt(text, i);
        characters.push_back(c);
        i += length;
    }
    return characters;
}

// The edits (insertions, deletions, replacements, swaps of neighbours) that turn one text into
// the other; `most` + 1 for anything beyond `most`. Only the band of cells within `most` of the
// diagonal can hold less; `rows` is room for the work.
size_t EditDistance(std::u32string_view a, std::u32string_view b, size_t most,
                    std::vector<size_t>& rows) {
    if ((a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) > most)
        return most + 1;
    const size_t beyond = most + 1;
    const size_t width = b.size() + 1;
    rows.resize(3 * width);
    size_t* before = rows.data();
    size_t* previous = before + width;
    size_t* current = previous + width;
    for (size_t j = 0; j < width; ++j)
        previous[j] = std::min(j, beyond);
    for (size_t i = 1; i <= a.size(); ++i) {
        const size_t low = i > most ? i - most : 1;
        const size_t high = std::min(b.size(), i + most);
        current[low - 1] = low == 1 ? std::min(i, beyond) : beyond;
        size_t rowBest = current[low - 1];
        for (size_t j = low; j <= high; ++j) {
            const size_t replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                current[j] = std::min(current[j], before[j - 2] + 1);
            rowBest = std::min(rowBest, current[j]);
        }
        if (high < b.size())
            current[high + 1] = beyond;
        if (rowBest > most)
            return beyond;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return std::min(previous[b.size()], beyond);
}

// The characters a text holds, a bit each (several characters may share one): a text that holds
// more than n characters the other lacks is more than n edits from it.
std::uint64_t CharacterSet(std::u32string_view text) {
    std::uint64_t set = 0;
    for (const char32_t c : text)
        set |= std::uint64_t(1) << (c % 64);
    return set;
}

bool MoreEditsThan(std::uint64_t a, std::uint64_t b, size_t most) {
    return size_t(std::popcount(a & ~b)) > most || size_t(std::popcount(b & ~a)) > most;
}

// How many edits a misspelling of a text of this many characters may hold.
size_t MostEdits(size_t characters) {
    return characters <= 3 ? 0 : characters <= 6 ? 1 : 2;
}

} // namespace

std::pair<char32_t, size_t> CharacterAt(std::string_view text, size_t i) {
    char32_t code;
    const size_t length = DecodeUtf8(text, i, code);
    return length == 0 ? std::pair{char32_t(static_cast<unsigned char>(text[i])), size_t(1)}
                       : std::pair{code, length};
}

bool IsSpacing(char32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0 || c == 0x2007 ||
           c == 0x2009 || c == 0x202F;
}

std::string FoldUnitText(std::string_view text, bool ignoreCase) {
    std::string folded = FoldText(text, ignoreCase, true);
    return folded.empty() ? FoldText(text, ignoreCase, false) : folded;
}

namespace {

// The measure of the group's dimension, where the group still holds the dimension's base unit
// with the factor 1: a group whose base the user changed gives its factors against another
// unit, and is measured by none.
std::optional<GroupMeasure> MeasureOfGroup(const IndexedGroup& group,
                                           std::span<const GroupDimension> dimensions) {
    const auto dimension =
        std::find_if(dimensions.begin(), dimensions.end(),
                     [&](const GroupDimension& d) { return d.group == group.name; });
    if (dimension == dimensions.end())
        return std::nullopt;
    const bool based = std::any_of(group.units.begin(), group.units.end(), [&](const Unit& unit) {
        const std::optional<Factor> factor = ReadFactor(unit.factor);
        return unit.name == dimension->baseUnit && factor && factor->number == 1 &&
               !factor->reciprocal;
    });
    if (!based)
        return std::nullopt;
    return GroupMeasure{dimension->dimension, std::string(dimension->scale)};
}

} // namespace

UnitIndex::UnitIndex(std::vector<IndexedGroup> groups, std::span<const UnitAlias> aliases,
                     std::span<const GroupDimension> dimensions)
    : groups_(std::move(groups)) {
    for (const IndexedGroup& group : groups_) {
        measures_.push_back(MeasureOfGroup(group, dimensions));
        measured_ = measured_ || measures_.back().has_value();
    }
    // The aliases of each unit, found by group and unit name.
    std::unordered_map<std::string, std::vector<const UnitAlias*>> aliasesOf;
    for (const UnitAlias& alias : aliases) {
        std::string key(alias.group);
        key.append(1, '\0').append(alias.unit);
        aliasesOf[key].push_back(&alias);
    }
    for (size_t g = 0; g < groups_.size(); ++g) {
        for (size_t u = 0; u < groups_[g].units.size(); ++u) {
            const size_t unit = units_.size();
            units_.push_back({g, u});
            const std::string& name = groups_[g].units[u].name;
            AddKey(unit, name, false, true);
            std::string key = groups_[g].name;
            key.append(1, '\0').append(name);
            if (const auto found = aliasesOf.find(key); found != aliasesOf.end()) {
                for (const UnitAlias* alias : found->second)
                    AddKey(unit, alias->alias, alias->kind == AliasKind::Symbol, false);
            }
        }
    }
}

void UnitIndex::AddKey(size_t unit, std::string_view text, bool symbol, bool own) {
    const UnitRef ref = units_[unit];
    Key key{unit,
            symbol,
            own,
            HasDegree(text),
            symbol && BeginsWithCasePrefix(Trimmed(text), groups_[ref.group].units[ref.unit].name),
            std::string(Trimmed(text)),
            FoldUnitText(text, false),
            FoldUnitText(text, true),
            {}};
    if (key.folded.empty())
        return; // a unit without a name is found by none
    key.characters = Characters(key.folded);
    key.characterSet = CharacterSet(key.characters);
    longestName_ = std::max(longestName_, key.literal.size());
    byFolded_[key.folded].push_back(keys_.size());
    keys_.push_back(std::move(key));
}

UnitIndex UnitIndex::Read(const UnitsDatabase& database, std::span<const UnitAlias> aliases,
                          std::span<const GroupDimension> dimensions) {
    std::vector<IndexedGroup> groups;
    for (std::string& name : database.ReadGroupList()) {
        const bool repeated = std::any_of(groups.begin(), groups.end(),
                                          [&](const IndexedGroup& g) { return g.name == name; });
        if (name.empty() || repeated)
            continue;
        std::vector<Unit> units;
        try {
            units = database.LoadGroup(name);
        } catch (const EFileError&) {
            // A group whose files cannot be read offers no units; its button says why.
        }
        groups.push_back({std::move(name), std::move(units)});
    }
    return UnitIndex(std::move(groups), aliases, dimensions);
}

std::vector<std::string> UnitIndex::Symbols(UnitRef ref) const {
    std::vector<std::string> symbols;
    for (const Key& key : keys_) {
        if (key.symbol && units_[key.unit] == ref)
            symbols.push_back(key.literal);
    }
    return symbols;
}

struct UnitIndex::Query {
    explicit Query(std::string_view text)
        : literal(Trimmed(text)), loose(FoldUnitText(text, false)),
          folded(FoldUnitText(text, true)), degree(HasDegree(text)) {}

    std::string_view literal;
    std::string loose;
    std::string folded;
    bool degree;
};

// By tier, then spelling, then the unit's own name before an alias; no match by default.
struct UnitIndex::Match {
    Tier tier = None;
    MatchLevel spelling = MatchLevel::IgnoreCase;
    bool alias = true;

    auto operator<=>(const Match&) const = default;
};

UnitIndex::Match UnitIndex::Matched(const Key& key, const Query& query) {
    const std::string_view folded = query.folded;
    size_t pos = key.folded.find(folded);
    if (pos == std::string::npos)
        return {};
    Tier tier = pos == 0 ? (key.folded.size() == folded.size() ? Exact : NameStart) : Anywhere;
    for (; tier == Anywhere && pos != std::string::npos; pos = key.folded.find(folded, pos + 1)) {
        if (StartsWord(key.folded, pos))
            tier = WordStart;
    }
    if (key.symbol && tier > NameStart)
        return {}; // a symbol is matched whole or by its start: "m" is in too many
    if (query.degree && !key.degree)
        return {}; // "°F" is Fahrenheit: neither farad nor every name with an "f"
    auto matches = [&](std::string_view keyText, std::string_view part) {
        switch (tier) {
        case Exact: return keyText == part;
        case NameStart: return keyText.starts_with(part);
        default: return keyText.find(part) != std::string_view::npos;
        }
    };
    MatchLevel spelling = matches(key.literal, query.literal) ? MatchLevel::Literal
                          : matches(key.loose, query.loose)   ? MatchLevel::Loose
                                                              : MatchLevel::IgnoreCase;
    if (spelling == MatchLevel::IgnoreCase && key.casePrefix && tier == Exact &&
        CharacterAt(query.literal, 0).first != CharacterAt(key.literal, 0).first)
        spelling = MatchLevel::PrefixCase;
    return Match{tier, spelling, !key.own};
}

std::vector<UnitRef> UnitIndex::Find(std::string_view text) const {
    const Query query(text);
    if (query.folded.empty())
        return {};
    std::vector<std::pair<Match, size_t>> ranked; // the unit's best match, the unit
    for (size_t k = 0; k < keys_.size();) {
        const size_t unit = keys_[k].unit;
        Match best;
        for (; k < keys_.size() && keys_[k].unit == unit; ++k)
            best = std::min(best, Matched(keys_[k], query));
        if (best.tier != None)
            ranked.emplace_back(best, unit);
    }
    std::sort(ranked.begin(), ranked.end());
    std::vector<UnitRef> found;
    found.reserve(ranked.size());
    for (const auto& [match, unit] : ranked)
        found.push_back(units_[unit]);
    return found;
}

std::vector<UnitIndex::Candidate> UnitIndex::Named(std::string_view text) const {
    const Query query(text);
    const auto keys = byFolded_.find(query.folded);
    if (keys == byFolded_.end())
        return PluralOfSymbol(query);
    std::vector<Candidate> candidates;
    for (const size_t k : keys->second) {
        const Match match = Matched(keys_[k], query);
        if (match.tier == None)
            continue;
        const UnitRef unit = units_[keys_[k].unit];
        const auto same = std::find_if(candidates.begin(), candidates.end(),
                                       [&](const Candidate& c) { return c.unit == unit; });
        if (same == candidates.end()) {
            candidates.push_back({unit, match.spelling, keys_[k].symbol});
        } else if (match.spelling < same->level) {
            *same = {unit, match.spelling, keys_[k].symbol};
        } else if (match.spelling == same->level) {
            same->symbol = same->symbol && keys_[k].symbol;
        }
    }
    return candidates;
}

// "kgs" and "yds" are the plurals of kg and yd; "Pas" and "KBs" are not read so, nor "ms" (a
// symbol of its own).
std::vector<UnitIndex::Candidate> UnitIndex::PluralOfSymbol(const Query& query) const {
    const std::string_view text = query.literal;
    if (text.size() < 3 || text.back() != 's')
        return {};
    const std::string_view stem = text.substr(0, text.size() - 1);
    if (!std::all_of(stem.begin(), stem.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
        return {};
    const auto keys = byFolded_.find(std::string(stem));
    if (keys == byFolded_.end())
        return {};
    std::vector<Candidate> candidates;
    for (const size_t k : keys->second) {
        const UnitRef unit = units_[keys_[k].unit];
        if (keys_[k].symbol && keys_[k].literal == stem &&
            std::none_of(candidates.begin(), candidates.end(),
                         [&](const Candidate& c) { return c.unit == unit; }))
            candidates.push_back({unit, MatchLevel::Plural, true});
    }
    return candidates;
}

std::vector<UnitRef> UnitIndex::Close(std::string_view text, size_t limit,
                                      std::span<const size_t> groupsFirst) const {
    const std::u32string typed = Characters(FoldUnitText(text, true));
    if (typed.empty() || limit == 0)
        return {};
    const size_t most = MostEdits(typed.size());
    std::vector<std::tuple<size_t, bool, size_t>> close; // edits, not first, unit
    auto add = [&](size_t edits, size_t unit) {
        const size_t group = units_[unit].group;
        const bool later =
            std::find(groupsFirst.begin(), groupsFirst.end(), group) == groupsFirst.end();
        close.emplace_back(edits, later, unit);
    };
    if (most == 0) { // the same but for case: the index's own table
        if (const auto keys = byFolded_.find(FoldUnitText(text, true)); keys != byFolded_.end()) {
            for (const size_t k : keys->second)
                add(0, keys_[k].unit);
        }
    }
    const std::uint64_t typedSet = CharacterSet(typed);
    std::vector<size_t> rows;
    for (size_t k = most == 0 ? keys_.size() : 0; k < keys_.size();) {
        const size_t unit = keys_[k].unit;
        size_t best = most + 1;
        for (; k < keys_.size() && keys_[k].unit == unit; ++k) {
            if (!MoreEditsThan(typedSet, keys_[k].characterSet, most))
                best = std::min(best, EditDistance(typed, keys_[k].characters, most, rows));
        }
        if (best <= most)
            add(best, unit);
    }
    std::sort(close.begin(), close.end());
    close.erase(std::unique(close.begin(), close.end()), close.end());
    std::vector<UnitRef> found;
    for (size_t k = 0; k < close.size() && k < limit; ++k)
        found.push_back(units_[std::get<2>(close[k])]);
    return found;
}

std::string MatchText(const UnitIndex& index, UnitRef ref) {
    return index.UnitOf(ref).name + " — " + index.GroupOf(ref).name;
}

} // namespace quorvel
