// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sentence.h"

#include "calc/guardedmath.h"
#include "calc/numbertext.h"
#include "core/typednumber.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>

namespace quorvel {

namespace {

// Longer sentences than this are not read: the reader tries every split of the words.
constexpr size_t MostChunks = 40;
// Pieces of text before the groups of numbers typed with blanks are joined ("1 234 567" is
// three): splitting stops past this many.
constexpr size_t MostPieces = 4 * MostChunks;
// No unit's name or symbol is longer; a longer phrase is not looked up.
constexpr size_t LongestUnitText = 200;
// What a reading costs where the other unit steers a word to a unit it does not name ("oz" as
// the fluid ounce when the target is a volume): more than any spelling.
constexpr int SteeredCost = 10;
// The ways to read the words of a sentence's expressions that are tried: more words that each
// name several units ("C", "g", "a") make the sentence too ambiguous to read.
constexpr size_t MostExpressionReadings = 512;
const char* const Example = "12 in to cm";
const char* const SumExample = "5 ft 10 in to cm";
//: %1 is what the user typed as a unit, %2 the group or groups of units it was looked for in,
//: such as Length or Length or Area.
constexpr MessageTemplate NotAUnitOf = QUORVEL_MESSAGE("Sentence", "'%1' is not a unit of %2");
//: %1 is what the user typed as a unit, %2 the name of the unit whose name or symbol is
//: closest to it (as Fahrenheit's degree for farenheit).
constexpr MessageTemplate NotAUnitDidYouMean =
    QUORVEL_MESSAGE("Sentence", "'%1' is not a unit. Did you mean %2?");
//: %1 is what the user typed as a unit, %2 the group or groups of units it was looked for in
//: (Length or Area), %3 the name of the unit of those groups closest to it.
constexpr MessageTemplate NotAUnitOfDidYouMean =
    QUORVEL_MESSAGE("Sentence", "'%1' is not a unit of %2. Did you mean %3?");

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of a mark between the source and the target ("=", "?", "->", "=>", "→", "⇒")
// that starts at i; 0 when none does.
size_t MarkLength(std::string_view text, size_t i) {
    const std::string_view rest = text.substr(i);
    for (const std::string_view mark : {"->", "=>", "→", "⇒", "=", "?"}) {
        if (rest.starts_with(mark))
            return mark.size();
    }
    return 0;
}

// What a piece of typed text stands for: a word, a number, the mark before the target, or the
// "+" between the parts of a sum.
enum class ChunkKind { Word, Number, BadNumber, Mark, Plus };

struct Chunk {
    ChunkKind kind;
    size_t begin;
    size_t end;
    long double value = 0;
    NumberForm form = NumberForm::Decimal;
    bool sign = false;
};

struct Phrase {
    size_t begin; // chunks
    size_t end;
};

struct PartSpec {
    std::optional<long double> value;
    Phrase unit{0, 0};
};

struct Structure {
    std::vector<PartSpec> parts;
    Phrase target;
};

// A structure read in one group: the units of its parts and its target.
struct Reading {
    const Structure* structure;
    size_t group;
    int cost; // the sum of the spelling levels: exact spelling costs nothing
    std::vector<UnitRef> units;

    bool SameOutcome(const Reading& other) const {
        return units == other.units && std::ranges::equal(structure->parts, other.structure->parts,
                                                          {}, &PartSpec::value, &PartSpec::value);
    }
};

// A structure read as expressions: one for each part, then the target.
struct ReadingAsExpressions {
    const Structure* structure;
    std::vector<UnitExpression> units;
    bool reciprocal;
    int cost;
};

// The unit a phrase names in a group, and what that reading costs.
struct Choice {
    UnitRef unit;
    int cost;
};

class SentenceReader {
public:
    SentenceReader(const UnitIndex& index, std::string_view text,
                   std::optional<size_t> preferredGroup)
        : index_(index), text_(text), preferredGroup_(preferredGroup) {
        Split();
    }

    Sentence Read();

private:
    void Split();
    size_t WordEnd(size_t i) const;
    void Add(const Chunk& chunk);
    void AddNumber(const Chunk& number);
    std::optional<long double> Joined(const Chunk& first, const Chunk& next) const;
    std::string_view Text(Phrase phrase) const {
        const size_t begin = chunks_[phrase.begin].begin;
        return text_.substr(begin, chunks_[phrase.end - 1].end - begin);
    }
    std::string Typed(Phrase phrase) const { return std::string(Text(phrase)); }
    // Whether the phrase may be a unit: in the first pass a unit's name, in the second an
    // expression of units.
    bool Names(Phrase phrase) {
        return expressionPass_ ? Expression(phrase) != nullptr : !Candidates(phrase).empty();
    }
    // Whether a connector stands in the phrase as a word of its own: "in" and "as" there are
    // the connectors, never the inch and an attosecond inside an expression.
    bool HoldsConnector(Phrase phrase) const {
        for (size_t k = phrase.begin; k < phrase.end; ++k) {
            if (IsConnector(k))
                return true;
        }
        return false;
    }
    const ParsedExpression* Expression(Phrase phrase);
    bool IsWord(size_t k) const;
    bool IsNamePart(size_t k) const;
    bool IsConnector(size_t k) const;
    size_t NextPartNumber(size_t end) const;
    const std::vector<UnitIndex::Candidate>& Candidates(Phrase phrase);
    std::vector<size_t> GroupsOf(Phrase phrase);
    Message GroupNames(const std::vector<size_t>& groups) const;
    size_t LongestKnown(size_t begin);
    size_t WordsUpToConnector(size_t begin) const;
    size_t EndBeforeQuestionMarks() const;

    void FindStructures();
    void Structures(size_t begin, std::vector<PartSpec>& parts);
    void Targets(size_t begin, const std::vector<PartSpec>& parts);
    void ReadInGroups(const Structure& structure);
    bool MixesReciprocals(const std::vector<UnitRef>& units) const;
    std::optional<Sentence> ReadByDimensions();
    void ReadAsExpressions(const Structure& structure);
    Sentence ChosenExpressions(const ReadingAsExpressions& reading) const;
    std::optional<Choice> UnitIn(Phrase phrase, size_t group, bool sumPart);
    std::optional<Choice> Steered(Phrase phrase, size_t group, bool sumPart) const;
    Sentence Chosen(const Reading& reading) const;
    SentenceUnit UnitOf(UnitRef ref) const {
        const Unit& unit = index_.UnitOf(ref);
        return {ref.unit, unit.name, unit.factor, std::nullopt};
    }
    [[noreturn]] void Refuse();
    Message Unread();
    Message NotAUnit(Phrase phrase, const std::vector<size_t>& groups);
    std::optional<UnitRef> Closest(std::string_view typed, const std::vector<size_t>& groups) const;

    const UnitIndex& index_;
    std::string_view text_;
    std::optional<size_t> preferredGroup_;
    std::vector<Chunk> chunks_;
    bool tooLong_ = false;
    std::vector<std::vector<std::optional<std::vector<UnitIndex::Candidate>>>> candidates_;
    std::vector<Structure> structures_;
    std::vector<Reading> readings_;
    Message ambiguity_; // why a phrase could not be told apart, for the message
    Message caseSlip_;  // a symbol typed with a prefix in the other case, for the message
    bool temperatureSum_ = false;
    bool reciprocalSum_ = false; // a sum that would convert by a reciprocal

    // The second pass, where no group holds the units: expressions.
    bool expressionPass_ = false;
    std::map<std::pair<size_t, size_t>, std::optional<ParsedExpression>> expressions_;
    KnownWords knownWords_;
    std::vector<ReadingAsExpressions> expressionReadings_;
    Message mismatch_;               // two expressions whose dimensions do not convert
    std::string temperatureProduct_; // a temperature typed inside a product
};

// Cuts the text into words, numbers and marks. A word ends before a digit, so that "1h30m"
// is a sum and "5'10"" feet and inches; a unit's name may span several pieces ("m2", "1/h",
// "kilobyte (JEDEC, 1024 bytes)"). Splitting stops once the sentence is too long to read.
void SentenceReader::Split() {
    size_t pieces = 0;
    for (size_t i = 0; i < text_.size() && !tooLong_;) {
        const auto [c, length] = CharacterAt(text_, i);
        if (IsSpacing(c)) {
            i += length;
            continue;
        }
        tooLong_ = ++pieces > MostPieces;
        if (const size_t mark = MarkLength(text_, i)) {
            Add({ChunkKind::Mark, i, i + mark});
            i += mark;
        } else if (const TypedNumber number = TypedNumberAt(text_, i); number.length > 0) {
            AddNumber({number.value ? ChunkKind::Number : ChunkKind::BadNumber, i,
                       i + number.length, number.value.value_or(0), number.form, number.sign});
            i += number.length;
        } else if (c == '+') {
            Add({ChunkKind::Plus, i, i + 1});
            ++i;
        } else {
            const size_t end = WordEnd(i);
            Add({ChunkKind::Word, i, end});
            i = end;
        }
    }
    if (!tooLong_)
        candidates_.assign(
            chunks_.size(),
            std::vector<std::optional<std::vector<UnitIndex::Candidate>>>(chunks_.size() + 1));
}

size_t SentenceReader::WordEnd(size_t i) const {
    size_t end = i + CharacterAt(text_, i).second;
    while (end < text_.size()) {
        const auto [c, length] = CharacterAt(text_, end);
        if (IsSpacing(c) || MarkLength(text_, end) > 0 || c == '+' || IsDigit(text_[end]))
            break;
        end += length;
    }
    return end;
}

void SentenceReader::Add(const Chunk& chunk) {
    chunks_.push_back(chunk);
    tooLong_ = tooLong_ || chunks_.size() > MostChunks;
}

// A number typed after another, with blanks between, may be its second piece: "3 1/2", or in
// any locale "1 234,5"; not after a number that ends a unit's name ("5 km3 100 l").
void SentenceReader::AddNumber(const Chunk& number) {
    const size_t n = chunks_.size();
    if (n > 0 && chunks_[n - 1].kind == ChunkKind::Number && chunks_[n - 1].end < number.begin &&
        !(n > 1 && chunks_[n - 2].kind == ChunkKind::Word &&
          chunks_[n - 2].end == chunks_[n - 1].begin)) {
        Chunk& first = chunks_.back();
        if (const std::optional<long double> joined = Joined(first, number)) {
            first = {ChunkKind::Number, first.begin,         number.end,
                     *joined,           NumberForm::Decimal, first.sign};
            return;
        }
    }
    Add(number);
}

std::optional<long double> SentenceReader::Joined(const Chunk& first, const Chunk& next) const {
    if (first.form == NumberForm::Whole && next.form == NumberForm::Fraction &&
        next.kind == ChunkKind::Number && !next.sign)
        return std::signbit(first.value) ? first.value - next.value : first.value + next.value;
    const bool decimals = (first.form == NumberForm::Whole || first.form == NumberForm::Decimal) &&
                          (next.form == NumberForm::Whole || next.form == NumberForm::Decimal);
    const std::string_view both = text_.substr(first.begin, next.end - first.begin);
    if (!decimals || both.find_first_of("eE") != std::string_view::npos)
        return std::nullopt;
    return ReadDecimalNumber(both);
}

// A word, or a number glued to one as in a unit's name ("m3x", "1/x", "30-day"): what a
// message quotes as one word. "12in" is a number and a word.
bool SentenceReader::IsWord(size_t k) const {
    if (k >= chunks_.size())
        return false;
    if (chunks_[k].kind == ChunkKind::Word)
        return true;
    if (chunks_[k].kind != ChunkKind::Number && chunks_[k].kind != ChunkKind::BadNumber)
        return false;
    const bool afterWord =
        k > 0 && chunks_[k - 1].kind == ChunkKind::Word && chunks_[k - 1].end == chunks_[k].begin;
    const bool beforeName =
        k + 1 < chunks_.size() && chunks_[k + 1].kind == ChunkKind::Word &&
        chunks_[k + 1].begin == chunks_[k].end &&
        std::string_view("/-^").find(text_[chunks_[k].end]) != std::string_view::npos;
    return afterWord || beforeName;
}

// Words and numbers both may be pieces of a unit's name: "1/min", "30-day month".
bool SentenceReader::IsNamePart(size_t k) const {
    return k < chunks_.size() &&
           (chunks_[k].kind == ChunkKind::Word || chunks_[k].kind == ChunkKind::Number);
}

// "to", "in", "into", "as" or a mark; a word glued to a number is none ("in3", "in^2").
bool SentenceReader::IsConnector(size_t k) const {
    if (k >= chunks_.size())
        return false;
    if (chunks_[k].kind == ChunkKind::Mark)
        return true;
    if (chunks_[k].kind != ChunkKind::Word ||
        (k + 1 < chunks_.size() && chunks_[k + 1].begin == chunks_[k].end))
        return false;
    std::string word = Typed({k, k + 1});
    std::transform(word.begin(), word.end(), word.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return word == "to" || word == "in" || word == "into" || word == "as";
}

// The number of the next part of a sum after a unit that ends at `end` ("5 ft 10 in",
// "5 ft + 10 in"); the count of chunks when none follows.
size_t SentenceReader::NextPartNumber(size_t end) const {
    if (end < chunks_.size() && chunks_[end].kind == ChunkKind::Plus)
        ++end;
    return end < chunks_.size() && chunks_[end].kind == ChunkKind::Number ? end : chunks_.size();
}

const std::vector<UnitIndex::Candidate>& SentenceReader::Candidates(Phrase phrase) {
    auto& found = candidates_[phrase.begin][phrase.end];
    if (!found) {
        const std::string_view text = Text(phrase);
        found = text.size() > LongestUnitText ? std::vector<UnitIndex::Candidate>{}
                                              : index_.Named(text);
    }
    return *found;
}

const ParsedExpression* SentenceReader::Expression(Phrase phrase) {
    const auto [found, added] = expressions_.try_emplace({phrase.begin, phrase.end});
    if (added && !HoldsConnector(phrase))
        found->second = ParseUnitExpression(index_, Text(phrase), knownWords_);
    return found->second ? &*found->second : nullptr;
}

std::vector<size_t> SentenceReader::GroupsOf(Phrase phrase) {
    std::vector<size_t> groups;
    for (const UnitIndex::Candidate& candidate : Candidates(phrase)) {
        if (std::find(groups.begin(), groups.end(), candidate.unit.group) == groups.end())
            groups.push_back(candidate.unit.group);
    }
    std::sort(groups.begin(), groups.end());
    return groups;
}

// "Length or Area or Volume".
Message SentenceReader::GroupNames(const std::vector<size_t>& groups) const {
    Message names = index_.Groups()[groups.front()].name;
    for (size_t k = 1; k < groups.size(); ++k)
        //: Two or more names of groups of units, one of which is meant: "Length or Area".
        names = Message(QUORVEL_MESSAGE("Sentence", "%1 or %2"),
                        {names, index_.Groups()[groups[k]].name});
    return names;
}

// The end of the longest run of words from `begin` that names a unit; 0 when none does.
size_t SentenceReader::LongestKnown(size_t begin) {
    size_t known = 0;
    for (size_t end = begin + 1; IsWord(end - 1); ++end) {
        if (!Candidates({begin, end}).empty())
            known = end;
    }
    return known;
}

size_t SentenceReader::WordsUpToConnector(size_t begin) const {
    size_t end = begin;
    while (IsWord(end) && !IsConnector(end))
        ++end;
    return end;
}

size_t SentenceReader::EndBeforeQuestionMarks() const {
    size_t end = chunks_.size();
    while (end > 0 && chunks_[end - 1].kind == ChunkKind::Mark && Text({end - 1, end}) == "?")
        --end;
    return end;
}

// Every way to read the pieces from `begin` as the unit of the last part, followed by further
// parts or by connectors and the target.
void SentenceReader::Structures(size_t begin, std::vector<PartSpec>& parts) {
    for (size_t end = begin + 1; IsNamePart(end - 1); ++end) {
        if (!Names({begin, end}))
            continue;
        parts.back().unit = {begin, end};
        size_t target = end;
        Targets(target, parts);
        while (IsConnector(target))
            Targets(++target, parts);
        if (const size_t number = NextPartNumber(end); number + 1 < chunks_.size()) {
            parts.push_back({chunks_[number].value});
            Structures(number + 1, parts);
            parts.pop_back();
        }
    }
}

void SentenceReader::Targets(size_t begin, const std::vector<PartSpec>& parts) {
    const size_t end = EndBeforeQuestionMarks();
    if (begin >= end)
        return;
    for (size_t k = begin; k < end; ++k) {
        if (!IsNamePart(k))
            return;
    }
    if (Names({begin, end}))
        structures_.push_back({parts, {begin, end}});
}

// The structure's readings, one per group that holds all its units: a group of the source's
// first unit, or of the target where it steers the source.
void SentenceReader::ReadInGroups(const Structure& structure) {
    std::vector<Phrase> phrases;
    for (const PartSpec& part : structure.parts)
        phrases.push_back(part.unit);
    phrases.push_back(structure.target);
    std::vector<size_t> groups = GroupsOf(phrases.front());
    for (const size_t group : GroupsOf(phrases.back())) {
        if (std::find(groups.begin(), groups.end(), group) == groups.end())
            groups.push_back(group);
    }
    std::sort(groups.begin(), groups.end());
    const bool sum = structure.parts.size() > 1;
    for (const size_t group : groups) {
        Reading reading{&structure, group, 0, {}};
        for (size_t k = 0; k < phrases.size(); ++k) {
            const std::optional<Choice> choice =
                UnitIn(phrases[k], group, sum && k + 1 < phrases.size());
            if (!choice)
                break;
            reading.cost += choice->cost;
            reading.units.push_back(choice->unit);
        }
        if (reading.units.size() != phrases.size())
            continue;
        if (sum &&
            ConversionKindOf(index_.Groups()[group].name) == ConversionKind::TemperatureScales) {
            temperatureSum_ = true;
            continue;
        }
        if (sum && MixesReciprocals(reading.units)) {
            reciprocalSum_ = true;
            continue;
        }
        readings_.push_back(std::move(reading));
    }
}

// Whether a part of a sum converts to the target by a reciprocal: litres per 100 km to miles per
// gallon. Each part would, and the sum of the results is no conversion of the sum.
bool SentenceReader::MixesReciprocals(const std::vector<UnitRef>& units) const {
    auto reciprocal = [&](UnitRef unit) {
        const std::optional<Factor> factor = ReadFactor(index_.UnitOf(unit).factor);
        return factor && factor->reciprocal;
    };
    return std::any_of(units.begin(), units.end() - 1,
                       [&](UnitRef part) { return reciprocal(part) != reciprocal(units.back()); });
}

// The unit the phrase names in the group: its closest spelling, which must be one unit. A
// symbol typed in another case counts only when it names one unit of the group, and never
// where the case of its prefix differs ("mw" is neither mW nor MW).
std::optional<Choice> SentenceReader::UnitIn(Phrase phrase, size_t group, bool sumPart) {
    std::vector<UnitIndex::Candidate> inGroup;
    for (const UnitIndex::Candidate& candidate : Candidates(phrase)) {
        if (candidate.unit.group == group)
            inGroup.push_back(candidate);
    }
    if (inGroup.empty())
        return Steered(phrase, group, sumPart);
    const MatchLevel best = std::min_element(inGroup.begin(), inGroup.end(), [](auto& a, auto& b) {
                                return a.level < b.level;
                            })->level;
    const bool prefixSlip = std::any_of(inGroup.begin(), inGroup.end(),
                                        [](auto& c) { return c.level == MatchLevel::PrefixCase; });
    if (best < MatchLevel::IgnoreCase || !prefixSlip)
        std::erase_if(inGroup, [&](auto& c) { return c.level != best; });
    else
        std::erase_if(inGroup, [&](auto& c) { return c.level > MatchLevel::PrefixCase; });
    if (inGroup.size() > 1) {
        //: %1 is what the user typed, %2 and %3 the names of two units it may mean, which
        //: differ in capital letters only (as mA and MA).
        ambiguity_ =
            Message(QUORVEL_MESSAGE("Sentence", "'%1' may mean %2 or %3: mind the capitals"),
                    {Typed(phrase), index_.UnitOf(inGroup[0].unit).name,
                     index_.UnitOf(inGroup[1].unit).name});
        return std::nullopt;
    }
    if (inGroup.front().level == MatchLevel::PrefixCase) {
        caseSlip_ =
            Message(NotAUnitDidYouMean, {Typed(phrase), index_.UnitOf(inGroup.front().unit).name});
        return std::nullopt;
    }
    return Choice{inGroup.front().unit, static_cast<int>(inGroup.front().level)};
}

// A word that names no unit of the group, read as the other units of the sentence make it
// mean: "oz" is the group's "fl oz" ("8 oz to ml"), and in a sum "m" is its "min" ("1h30m").
std::optional<Choice> SentenceReader::Steered(Phrase phrase, size_t group, bool sumPart) const {
    const std::string_view text = Text(phrase);
    const std::string steered = sumPart && text == "m" ? "min" : "fl " + std::string(text);
    std::optional<UnitRef> found;
    for (const UnitIndex::Candidate& candidate : index_.Named(steered)) {
        if (candidate.unit.group != group || candidate.level > MatchLevel::Loose)
            continue;
        if (found && *found != candidate.unit)
            return std::nullopt;
        found = candidate.unit;
    }
    return found ? std::optional(Choice{*found, SteeredCost}) : std::nullopt;
}

void SentenceReader::FindStructures() {
    std::vector<PartSpec> parts{{}};
    Structures(0, parts); // a unit whose name begins with a number: "1/h to 1/min"
    if (chunks_[0].kind == ChunkKind::Number) {
        parts[0].value = chunks_[0].value;
        Structures(1, parts);
    }
}

Sentence SentenceReader::Read() {
    if (chunks_.empty() || tooLong_)
        Refuse();
    FindStructures();
    for (const Structure& structure : structures_) {
        if (structure.parts.size() == 1 || structure.parts[0].value)
            ReadInGroups(structure);
    }
    if (readings_.empty()) {
        if (index_.Measures() && !temperatureSum_ && !reciprocalSum_)
            if (std::optional<Sentence> sentence = ReadByDimensions())
                return *sentence;
        Refuse();
    }
    // The closest spelling wins; then the loaded group; what is left must agree.
    const int best = std::min_element(readings_.begin(), readings_.end(), [](auto& a, auto& b) {
                         return a.cost < b.cost;
                     })->cost;
    std::erase_if(readings_, [&](const Reading& r) { return r.cost != best; });
    if (preferredGroup_ && std::any_of(readings_.begin(), readings_.end(), [&](const Reading& r) {
            return r.group == *preferredGroup_;
        }))
        std::erase_if(readings_, [&](const Reading& r) { return r.group != *preferredGroup_; });
    for (const Reading& reading : readings_) {
        if (!reading.SameOutcome(readings_.front())) {
            std::vector<size_t> groups;
            for (const Reading& r : readings_)
                groups.push_back(r.group);
            std::sort(groups.begin(), groups.end());
            groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
            const std::string typed = Typed({0, chunks_.size()});
            if (groups.size() > 1)
                //: %1 is the sentence the user typed, %2 the groups of units it fits.
                throw ESentenceError(
                    QUORVEL_MESSAGE("Sentence", "'%1' fits %2: write the units in full"),
                    {typed, GroupNames(groups)});
            //: %1 is the sentence the user typed.
            throw ESentenceError(
                QUORVEL_MESSAGE("Sentence", "'%1' fits several units: write the units in full"),
                {typed});
        }
    }
    return Chosen(readings_.front());
}

// The second pass: the sentence's units as expressions of the units of groups that have a
// dimension. The closest spelling wins, then a conversion by the dimensions' equality over one
// by the reciprocal; what is left must agree.
std::optional<Sentence> SentenceReader::ReadByDimensions() {
    expressionPass_ = true;
    structures_.clear();
    FindStructures();
    for (const Structure& structure : structures_) {
        if (structure.parts.size() == 1 || structure.parts[0].value)
            ReadAsExpressions(structure);
    }
    std::vector<ReadingAsExpressions>& readings = expressionReadings_;
    if (readings.empty())
        return std::nullopt;
    const int best = std::min_element(readings.begin(), readings.end(), [](auto& a, auto& b) {
                         return a.cost < b.cost;
                     })->cost;
    std::erase_if(readings, [&](const ReadingAsExpressions& r) { return r.cost != best; });
    if (std::any_of(readings.begin(), readings.end(), [](auto& r) { return !r.reciprocal; }))
        std::erase_if(readings, [](const ReadingAsExpressions& r) { return r.reciprocal; });
    auto outcome = [](const ReadingAsExpressions& r) {
        std::vector<std::pair<std::optional<long double>, std::optional<long double>>> parts;
        for (size_t k = 0; k + 1 < r.units.size(); ++k)
            parts.emplace_back(r.structure->parts[k].value,
                               ConvertExpression(1, r.units[k], r.units.back(), r.reciprocal));
        return parts;
    };
    for (const ReadingAsExpressions& reading : readings) {
        if (outcome(reading) != outcome(readings.front()))
            throw ESentenceError(
                QUORVEL_MESSAGE("Sentence", "'%1' fits several units: write the units in full"),
                {Typed({0, chunks_.size()})});
    }
    return ChosenExpressions(readings.front());
}

// The structure's readings as expressions (ReadExpressions); where none agrees, the closest
// one names the quantities that do not convert.
void SentenceReader::ReadAsExpressions(const Structure& structure) {
    std::vector<Phrase> phrases;
    for (const PartSpec& part : structure.parts)
        phrases.push_back(part.unit);
    phrases.push_back(structure.target);
    std::vector<ParsedExpression> parsed;
    for (const Phrase& phrase : phrases)
        parsed.push_back(*Expression(phrase));
    ExpressionReadings read = ReadExpressions(std::move(parsed), MostExpressionReadings);
    if (!read.temperatureInProduct.empty())
        temperatureProduct_ = read.temperatureInProduct;
    reciprocalSum_ = reciprocalSum_ || read.reciprocalSum;
    for (ExpressionUnits& units : read.agreeing)
        expressionReadings_.push_back(
            {&structure, std::move(units.units), units.reciprocal, units.cost});
    if (!read.closest || structure.parts.size() > 1 || !mismatch_.IsEmpty())
        return;
    const std::optional<Message> from = QuantityOf(index_, read.closest->units.front());
    const std::optional<Message> to = QuantityOf(index_, read.closest->units.back());
    if (from && to)
        //: %1 and %3 are units the user typed, %2 and %4 what they measure ("a mass", "a
        //: force"), as in: 'kg' is a mass and 'N' a force: they do not convert.
        mismatch_ =
            Message(QUORVEL_MESSAGE("Sentence", "'%1' is %2 and '%3' %4: they do not convert"),
                    {Typed(phrases.front()), *from, Typed(phrases.back()), *to});
}

Sentence SentenceReader::ChosenExpressions(const ReadingAsExpressions& reading) const {
    const Structure& structure = *reading.structure;
    Sentence sentence;
    for (size_t k = 0; k < structure.parts.size(); ++k)
        sentence.parts.push_back(
            {structure.parts[k].value, {0, Typed(structure.parts[k].unit), "", reading.units[k]}});
    sentence.target = {0, Typed(structure.target), "", reading.units.back()};
    sentence.sourceText = Text({0, structure.parts.back().unit.end});
    sentence.targetText = Text(structure.target);
    sentence.reciprocal = reading.reciprocal;
    return sentence;
}

Sentence SentenceReader::Chosen(const Reading& reading) const {
    const Structure& structure = *reading.structure;
    Sentence sentence;
    sentence.group = index_.Groups()[reading.group].name;
    for (size_t k = 0; k < structure.parts.size(); ++k)
        sentence.parts.push_back({structure.parts[k].value, UnitOf(reading.units[k])});
    sentence.target = UnitOf(reading.units.back());
    sentence.sourceText = Text({0, structure.parts.back().unit.end});
    sentence.targetText = Text(structure.target);
    return sentence;
}

// Why the sentence has no reading.
void SentenceReader::Refuse() {
    if (!ambiguity_.IsEmpty())
        throw ESentenceError(ambiguity_);
    if (!caseSlip_.IsEmpty())
        throw ESentenceError(caseSlip_);
    if (temperatureSum_)
        //: The user typed a sum of temperatures, as in 20 °C 5 K to °F.
        throw ESentenceError(
            QUORVEL_MESSAGE("Sentence", "Temperatures do not add up: convert one at a time"));
    if (reciprocalSum_)
        //: The user typed a sum that would convert by a reciprocal, as in 5 L/100km 3 L/100km
        //: to mpg: litres per 100 km are the reciprocal of miles per gallon.
        throw ESentenceError(
            QUORVEL_MESSAGE("Sentence", "Reciprocal units do not add up: convert one at a time"));
    if (!temperatureProduct_.empty())
        //: %1 is a temperature unit the user typed inside a product or quotient of units, as
        //: °C in J/(kg·°C); %2 an example of a temperature conversion (100 °F to °C), kept as it
        //: is.
        throw ESentenceError(QUORVEL_MESSAGE("Sentence", "'%1' is a temperature, which converts "
                                                         "alone and not in a product: type, for "
                                                         "example, %2"),
                             {temperatureProduct_, "100 °F to °C"});
    if (!mismatch_.IsEmpty())
        throw ESentenceError(mismatch_);
    throw ESentenceError(Unread());
}

// The unit of the groups (of any group when none is given) whose spelling is closest to the
// typed text, the loaded group's first.
std::optional<UnitRef> SentenceReader::Closest(std::string_view typed,
                                               const std::vector<size_t>& groups) const {
    std::vector<size_t> first = groups;
    if (preferredGroup_)
        first.insert(first.begin(), *preferredGroup_);
    for (const UnitRef ref : index_.Close(typed, groups.empty() ? 1 : SIZE_MAX, first)) {
        if (groups.empty() || std::find(groups.begin(), groups.end(), ref.group) != groups.end())
            return ref;
    }
    return std::nullopt;
}

// "'x' is not a unit (of these groups)", with the closest unit where the text names none.
Message SentenceReader::NotAUnit(Phrase phrase, const std::vector<size_t>& groups) {
    const std::string typed = Typed(phrase);
    const std::optional<UnitRef> close =
        Candidates(phrase).empty() ? Closest(typed, groups) : std::nullopt;
    if (groups.empty() && close)
        return Message(NotAUnitDidYouMean, {typed, index_.UnitOf(*close).name});
    if (groups.empty())
        //: %1 is what the user typed as a unit.
        return Message(QUORVEL_MESSAGE("Sentence", "'%1' is not a unit"), {typed});
    if (close)
        return Message(NotAUnitOfDidYouMean,
                       {typed, GroupNames(groups), index_.UnitOf(*close).name});
    return Message(NotAUnitOf, {typed, GroupNames(groups)});
}

// What a sentence that has no reading lacks: the first part that names no unit (of the
// source's group), or the target. The example sentences are typed as they are in any language.
Message SentenceReader::Unread() {
    //: %1 is an example of a conversion as the user types it: 12 in to cm. It stays as it is,
    //: since conversions are typed with English words.
    const Message missingTarget(QUORVEL_MESSAGE("Sentence", "Add the unit to convert to, as in %1"),
                                {Example});
    if (chunks_.empty())
        //: %1 is an example of a conversion as the user types it (12 in to cm), kept as it is.
        return Message(QUORVEL_MESSAGE("Sentence", "Type a unit, or a conversion such as %1"),
                       {Example});
    if (tooLong_)
        return QUORVEL_MESSAGE("Sentence", "The sentence is too long");
    for (size_t k = 0; k < chunks_.size(); ++k) {
        if (chunks_[k].kind == ChunkKind::BadNumber)
            //: %1 is what the user typed where a number was expected.
            return Message(QUORVEL_MESSAGE("Sentence", "'%1' is not a number"),
                           {Typed({k, k + 1})});
    }
    const size_t begin = chunks_[0].kind == ChunkKind::Number && !IsWord(0) ? 1 : 0;
    const size_t end = EndBeforeQuestionMarks();
    if (begin >= end)
        //: %1 is an example of a conversion as the user types it (12 in to cm), kept as it is.
        return Message(QUORVEL_MESSAGE("Sentence", "Add the units, as in %1"), {Example});
    size_t known = LongestKnown(begin);
    if (known == 0) {
        size_t source = WordsUpToConnector(begin);
        if (source == end && source - begin > 1)
            --source; // "12 cubits cm": the last word is the target
        if (source == begin)
            //: %1 is an example of a conversion as the user types it (12 in to cm), kept as is.
            return Message(QUORVEL_MESSAGE("Sentence", "Add the unit to convert from, as in %1"),
                           {Example});
        size_t target = source;
        while (IsConnector(target))
            ++target;
        const std::vector<size_t> groups = target < end && LongestKnown(target) == end
                                               ? GroupsOf({target, end})
                                               : std::vector<size_t>{};
        return NotAUnit({begin, source}, groups);
    }
    const std::vector<size_t> groups = GroupsOf({begin, known});
    auto inSource = [&](Phrase phrase) {
        const std::vector<size_t> its = GroupsOf(phrase);
        return std::any_of(its.begin(), its.end(), [&](size_t g) {
            return std::find(groups.begin(), groups.end(), g) != groups.end();
        });
    };
    for (size_t number = NextPartNumber(known); number + 1 < end; number = NextPartNumber(known)) {
        const size_t part = number + 1;
        known = LongestKnown(part);
        const size_t unit = std::max(known, WordsUpToConnector(part));
        if (unit == part)
            //: %1 is a number the user typed without a unit after it.
            return Message(QUORVEL_MESSAGE("Sentence", "'%1' needs a unit"),
                           {Typed({number, part})});
        if (known == 0 || !inSource({part, known}))
            return NotAUnit({part, unit}, groups);
        if (begin == 0)
            //: %1 is an example of a sum as the user types it (5 ft 10 in to cm), kept as it is.
            return Message(QUORVEL_MESSAGE("Sentence", "Give each unit its number, as in %1"),
                           {SumExample});
    }
    size_t target = known;
    while (IsConnector(target))
        ++target;
    if (target >= end)
        return missingTarget;
    for (size_t k = target; k < end; ++k) {
        if (!IsWord(k))
            //: %1 is what the user typed as the unit to convert to.
            return Message(QUORVEL_MESSAGE("Sentence", "'%1' is not understood"),
                           {Typed({target, end})});
    }
    if (!inSource({target, end}) || LongestKnown(target) != end)
        return NotAUnit({target, end}, groups);
    //: %1 is the sentence the user typed, %2 an example of a conversion (12 in to cm), kept as
    //: it is.
    return Message(QUORVEL_MESSAGE("Sentence", "'%1' is not understood: type, for example, %2"),
                   {Typed({0, chunks_.size()}), Example});
}

} // namespace

Sentence ReadSentence(const UnitIndex& index, std::string_view text,
                      std::optional<size_t> preferredGroup) {
    return SentenceReader(index, text, preferredGroup).Read();
}

namespace {

// A part of a sentence of expressions converted to its target, with its line.
std::optional<ConversionResult>
ConvertExpressionPart(const Sentence& sentence, const SentencePart& part, long double valueAtHand) {
    const long double value = part.value.value_or(valueAtHand);
    const std::string before = GeneralNumberText(value);
    const std::optional<long double> converted = ConvertExpression(
        value, *part.unit.expression, *sentence.target.expression, sentence.reciprocal);
    if (!converted)
        return std::nullopt;
    std::string line =
        ConversionLine(before, part.unit.name, GeneralNumberText(*converted), sentence.target.name);
    if (sentence.reciprocal)
        line += " (reciprocal)"; // a line of a conversion, which stays in English as units do
    return ConversionResult{*converted, line};
}

} // namespace

std::optional<ConversionResult> ConvertSentence(const Sentence& sentence, long double valueAtHand) {
    const ConversionKind kind = ConversionKindOf(sentence.group);
    auto convert = [&](const SentencePart& part) {
        if (sentence.IsExpression())
            return ConvertExpressionPart(sentence, part, valueAtHand);
        return Convert({part.value.value_or(valueAtHand), part.unit.factor, sentence.target.factor,
                        part.unit.name, sentence.target.name, kind});
    };
    if (!sentence.IsSum())
        return convert(sentence.parts.front());
    long double sum = 0;
    for (const SentencePart& part : sentence.parts) {
        const std::optional<ConversionResult> result = convert(part);
        if (!result)
            return std::nullopt;
        sum += result->value;
    }
    try {
        CheckOverflow(sum);
    } catch (const EOverflow&) {
        return std::nullopt; // a sum beyond the range converts nothing, as a conversion does
    }
    return ConversionResult{sum, sentence.sourceText + " = " + GeneralNumberText(sum) + " " +
                                     sentence.target.name};
}

} // namespace quorvel
