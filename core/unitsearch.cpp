// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unitsearch.h"

#include "core/textfile.h"

#include <algorithm>

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

UnitIndex::UnitIndex(std::vector<IndexedGroup> groups, std::span<const UnitAlias> aliases)
    : groups_(std::move(groups)) {
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
    Key key{unit,
            symbol,
            own,
            HasDegree(text),
            std::string(Trimmed(text)),
            FoldUnitText(text, false),
            FoldUnitText(text, true)};
    if (key.folded.empty())
        return; // a unit without a name is found by none
    byFolded_[key.folded].push_back(keys_.size());
    keys_.push_back(std::move(key));
}

UnitIndex UnitIndex::Read(const UnitsDatabase& database, std::span<const UnitAlias> aliases) {
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
    return UnitIndex(std::move(groups), aliases);
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
    const MatchLevel spelling = matches(key.literal, query.literal) ? MatchLevel::Literal
                                : matches(key.loose, query.loose)   ? MatchLevel::Loose
                                                                    : MatchLevel::IgnoreCase;
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
        return {};
    std::vector<Candidate> candidates;
    for (const size_t k : keys->second) {
        const Match match = Matched(keys_[k], query);
        if (match.tier == None)
            continue;
        const UnitRef unit = units_[keys_[k].unit];
        const auto same = std::find_if(candidates.begin(), candidates.end(),
                                       [&](const Candidate& c) { return c.unit == unit; });
        if (same == candidates.end())
            candidates.push_back({unit, match.spelling});
        else
            same->level = std::min(same->level, match.spelling);
    }
    return candidates;
}

std::string MatchText(const UnitIndex& index, UnitRef ref) {
    return index.UnitOf(ref).name + " — " + index.GroupOf(ref).name;
}

} // namespace quorvel
