// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sentence.h"

#include "calc/guardedmath.h"
#include "calc/numbertext.h"

#include <algorithm>

namespace quorvel {

namespace {

// Longer sentences than this are not read: the reader tries every split of the words.
constexpr size_t MostChunks = 40;
const char* const Example = "12 in to cm";
const char* const SumExample = "5 ft 10 in to cm";
//: %1 is what the user typed as a unit, %2 the group or groups of units it was looked for in,
//: such as Length or Length or Area.
constexpr MessageTemplate NotAUnitOf = QUORVEL_MESSAGE("Sentence", "'%1' is not a unit of %2");

// Minus as typed, or as other programs copy it: hyphen-minus, the minus sign and the dashes.
bool IsMinus(char32_t c) {
    return c == '-' || c == 0x2212 || c == 0x2010 || c == 0x2011 || c == 0x2013;
}

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

// The length of the number that starts at i: a sign, digits and separators, and an exponent
// ("e", an optional sign and digits); 0 when no number starts there.
size_t NumberLength(std::string_view text, size_t i) {
    const std::string& thousands = CurrentNumberSeparators().thousands;
    size_t k = i;
    if (const auto [c, length] = CharacterAt(text, k); c == '+' || IsMinus(c))
        k += length;
    bool digits = false;
    while (k < text.size()) {
        if (IsDigit(text[k])) {
            digits = true;
            ++k;
        } else if (text[k] == '.' || text[k] == ',') {
            ++k;
        } else if (!thousands.empty() && text.substr(k).starts_with(thousands) &&
                   !IsSpacing(CharacterAt(text, k).first)) {
            k += thousands.size();
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    if (k < text.size() && (text[k] == 'e' || text[k] == 'E')) {
        size_t e = k + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (e < text.size() && IsDigit(text[e])) {
            while (e < text.size() && IsDigit(text[e]))
                ++e;
            k = e;
        }
    }
    return k - i;
}

std::optional<long double> Parsed(const std::string& text) {
    try {
        return ParseNumberText(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

// The text with its thousands separators taken out, where they stand as the number display
// puts them: between groups of three digits of the whole part. A locale that groups with a
// blank has any blank taken as its separator.
std::optional<std::string> WithoutGrouping(std::string_view text, const NumberSeparators& locale) {
    const size_t start = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const size_t end =
        std::min({text.find(locale.decimal, start), text.find_first_of("eE", start), text.size()});
    const std::string_view whole = text.substr(start, end - start);
    const bool blankGroups =
        !locale.thousands.empty() && IsSpacing(CharacterAt(locale.thousands, 0).first);
    std::string digits;
    size_t group = 0, groups = 1;
    for (size_t i = 0; i < whole.size();) {
        const auto [c, length] = CharacterAt(whole, i);
        const bool blank = blankGroups && IsSpacing(c);
        if (blank || (!locale.thousands.empty() && whole.substr(i).starts_with(locale.thousands))) {
            if ((groups == 1 ? group < 1 || group > 3 : group != 3))
                return std::nullopt;
            i += blank ? length : locale.thousands.size();
            group = 0;
            ++groups;
        } else if (IsDigit(whole[i])) {
            digits.push_back(whole[i++]);
            ++group;
        } else {
            return std::nullopt;
        }
    }
    if (groups > 1 && group != 3)
        return std::nullopt;
    return std::string(text.substr(0, start)) + digits + std::string(text.substr(end));
}

// A number as typed in a sentence: the locale's decimal separator, its thousands separator in
// groups of three, and "." for "," (or "," for ".") where the text has no other reading.
std::optional<long double> ReadTypedNumber(std::string_view text) {
    std::string typed(text);
    if (!typed.empty()) {
        if (const auto [c, length] = CharacterAt(typed, 0); IsMinus(c)) {
            typed.erase(0, length); // a minus sign of any script reads as the hyphen-minus
            typed.insert(typed.begin(), '-');
        }
    }
    const NumberSeparators& locale = CurrentNumberSeparators();
    if (const std::optional<std::string> plain = WithoutGrouping(typed, locale))
        if (const std::optional<long double> value = Parsed(*plain))
            return value;
    // The other of "." and "," as decimal separator, where the text has no reading with the
    // locale's own separators.
    const std::string other = locale.decimal == "," ? "." : locale.decimal == "." ? "," : "";
    if (other.empty() || std::count(typed.begin(), typed.end(), other[0]) != 1 ||
        typed.find(locale.decimal) != std::string::npos)
        return std::nullopt;
    typed.replace(typed.find(other), 1, locale.decimal);
    return Parsed(typed);
}

// What a typed text of one word stands for.
enum class ChunkKind { Word, Number, BadNumber, Mark };

struct Chunk {
    ChunkKind kind;
    size_t begin;
    size_t end;
    long double value = 0;
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

class SentenceReader {
public:
    SentenceReader(const UnitIndex& index, std::string_view text) : index_(index), text_(text) {
        Split();
    }

    Sentence Read(std::optional<size_t> preferredGroup);

private:
    void Split();
    void JoinBlankGroupedNumbers();
    std::string_view Text(Phrase phrase) const {
        const size_t begin = chunks_[phrase.begin].begin;
        return text_.substr(begin, chunks_[phrase.end - 1].end - begin);
    }
    std::string Typed(Phrase phrase) const { return std::string(Text(phrase)); }
    bool IsWord(size_t k) const { return k < chunks_.size() && chunks_[k].kind == ChunkKind::Word; }
    bool IsConnector(size_t k) const;
    const std::vector<UnitIndex::Candidate>& Candidates(Phrase phrase);
    std::vector<size_t> GroupsOf(Phrase phrase);
    Message GroupNames(const std::vector<size_t>& groups) const;
    size_t LongestKnown(size_t begin);
    size_t WordsUpToConnector(size_t begin) const;
    size_t EndBeforeQuestionMarks() const;

    void Structures(size_t begin, std::vector<PartSpec>& parts);
    void Targets(size_t begin, const std::vector<PartSpec>& parts);
    void ReadInGroups(const Structure& structure);
    Sentence Chosen(const Reading& reading) const;
    SentenceUnit UnitOf(UnitRef ref) const {
        const Unit& unit = index_.UnitOf(ref);
        return {ref.unit, unit.name, unit.factor};
    }
    [[noreturn]] void Refuse();
    Message Unread();

    const UnitIndex& index_;
    std::string_view text_;
    std::vector<Chunk> chunks_;
    std::vector<std::vector<std::optional<std::vector<UnitIndex::Candidate>>>> candidates_;
    std::vector<Structure> structures_;
    std::vector<Reading> readings_;
    Message ambiguity_; // why a phrase could not be told apart, for the message
    bool temperatureSum_ = false;
};

void SentenceReader::Split() {
    for (size_t i = 0; i < text_.size();) {
        if (const auto [c, length] = CharacterAt(text_, i); IsSpacing(c)) {
            i += length;
        } else if (const size_t mark = MarkLength(text_, i)) {
            chunks_.push_back({ChunkKind::Mark, i, i + mark});
            i += mark;
        } else if (const size_t number = NumberLength(text_, i)) {
            const std::optional<long double> value = ReadTypedNumber(text_.substr(i, number));
            chunks_.push_back({value ? ChunkKind::Number : ChunkKind::BadNumber, i, i + number,
                               value.value_or(0)});
            i += number;
        } else {
            size_t end = i;
            while (end < text_.size() && !IsSpacing(CharacterAt(text_, end).first) &&
                   MarkLength(text_, end) == 0)
                end += CharacterAt(text_, end).second;
            chunks_.push_back({ChunkKind::Word, i, end});
            i = end;
        }
    }
    JoinBlankGroupedNumbers();
    candidates_.assign(
        chunks_.size(),
        std::vector<std::optional<std::vector<UnitIndex::Candidate>>>(chunks_.size() + 1));
}

// "1 234,5" in a locale that groups thousands with a blank is one number.
void SentenceReader::JoinBlankGroupedNumbers() {
    for (size_t k = 0; k + 1 < chunks_.size();) {
        const Chunk& first = chunks_[k];
        const Chunk& next = chunks_[k + 1];
        const std::optional<long double> joined =
            first.kind == ChunkKind::Number && next.kind != ChunkKind::Word &&
                    next.kind != ChunkKind::Mark
                ? ReadTypedNumber(text_.substr(first.begin, next.end - first.begin))
                : std::nullopt;
        if (joined && text_.substr(first.begin, next.end - first.begin).find_first_of("eE") ==
                          std::string_view::npos) {
            chunks_[k] = {ChunkKind::Number, first.begin, next.end, *joined};
            chunks_.erase(chunks_.begin() + static_cast<std::ptrdiff_t>(k) + 1);
        } else {
            ++k;
        }
    }
}

bool SentenceReader::IsConnector(size_t k) const {
    if (k >= chunks_.size())
        return false;
    if (chunks_[k].kind == ChunkKind::Mark)
        return true;
    if (!IsWord(k))
        return false;
    const std::string word = FoldUnitText(Text({k, k + 1}), true);
    return word == "to" || word == "in" || word == "into" || word == "as";
}

const std::vector<UnitIndex::Candidate>& SentenceReader::Candidates(Phrase phrase) {
    auto& found = candidates_[phrase.begin][phrase.end];
    if (!found)
        found = index_.Named(Text(phrase));
    return *found;
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

// Every way to read the words from `begin` as the unit of the last part, followed by further
// parts or by connectors and the target.
void SentenceReader::Structures(size_t begin, std::vector<PartSpec>& parts) {
    for (size_t end = begin + 1; IsWord(end - 1); ++end) {
        if (Candidates({begin, end}).empty())
            continue;
        parts.back().unit = {begin, end};
        size_t target = end;
        Targets(target, parts);
        while (IsConnector(target))
            Targets(++target, parts);
        if (end + 1 < chunks_.size() && chunks_[end].kind == ChunkKind::Number) {
            parts.push_back({chunks_[end].value});
            Structures(end + 1, parts);
            parts.pop_back();
        }
    }
}

void SentenceReader::Targets(size_t begin, const std::vector<PartSpec>& parts) {
    const size_t end = EndBeforeQuestionMarks();
    if (begin >= end)
        return;
    for (size_t k = begin; k < end; ++k) {
        if (!IsWord(k))
            return;
    }
    if (!Candidates({begin, end}).empty())
        structures_.push_back({parts, {begin, end}});
}

// The structure's readings, one per group that holds all its units. Within the group each
// phrase takes its closest spelling; two units of that spelling make the phrase ambiguous.
void SentenceReader::ReadInGroups(const Structure& structure) {
    std::vector<Phrase> phrases;
    for (const PartSpec& part : structure.parts)
        phrases.push_back(part.unit);
    phrases.push_back(structure.target);
    for (const size_t group : GroupsOf(phrases.front())) {
        Reading reading{&structure, group, 0, {}};
        for (const Phrase phrase : phrases) {
            std::vector<UnitIndex::Candidate> closest;
            for (const UnitIndex::Candidate& candidate : Candidates(phrase)) {
                if (candidate.unit.group != group)
                    continue;
                if (!closest.empty() && candidate.level < closest.front().level)
                    closest.clear();
                if (closest.empty() || candidate.level == closest.front().level)
                    closest.push_back(candidate);
            }
            if (closest.empty())
                break;
            if (closest.size() > 1) {
                //: %1 is what the user typed, %2 and %3 the names of two units it may mean,
                //: which differ in capital letters only (as mA and MA).
                ambiguity_ = Message(
                    QUORVEL_MESSAGE("Sentence", "'%1' may mean %2 or %3: mind the capitals"),
                    {Typed(phrase), index_.UnitOf(closest[0].unit).name,
                     index_.UnitOf(closest[1].unit).name});
                break;
            }
            reading.cost += static_cast<int>(closest.front().level);
            reading.units.push_back(closest.front().unit);
        }
        if (reading.units.size() != phrases.size())
            continue;
        if (structure.parts.size() > 1 &&
            ConversionKindOf(index_.Groups()[group].name) == ConversionKind::TemperatureScales) {
            temperatureSum_ = true;
            continue;
        }
        readings_.push_back(std::move(reading));
    }
}

Sentence SentenceReader::Read(std::optional<size_t> preferredGroup) {
    if (chunks_.empty() || chunks_.size() > MostChunks)
        Refuse();
    std::vector<PartSpec> parts{{}};
    size_t begin = 0;
    if (chunks_[0].kind == ChunkKind::Number) {
        parts[0].value = chunks_[0].value;
        begin = 1;
    }
    Structures(begin, parts);
    for (const Structure& structure : structures_) {
        if (structure.parts.size() == 1 || structure.parts[0].value)
            ReadInGroups(structure);
    }
    if (readings_.empty())
        Refuse();
    // The closest spelling wins; then the loaded group; what is left must agree.
    const int best = std::min_element(readings_.begin(), readings_.end(), [](auto& a, auto& b) {
                         return a.cost < b.cost;
                     })->cost;
    std::erase_if(readings_, [&](const Reading& r) { return r.cost != best; });
    if (preferredGroup && std::any_of(readings_.begin(), readings_.end(),
                                      [&](const Reading& r) { return r.group == *preferredGroup; }))
        std::erase_if(readings_, [&](const Reading& r) { return r.group != *preferredGroup; });
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
    if (temperatureSum_)
        //: The user typed a sum of temperatures, as in 20 °C 5 K to °F.
        throw ESentenceError(
            QUORVEL_MESSAGE("Sentence", "Temperatures do not add up: convert one at a time"));
    throw ESentenceError(Unread());
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
    if (chunks_.size() > MostChunks)
        return QUORVEL_MESSAGE("Sentence", "The sentence is too long");
    for (size_t k = 0; k < chunks_.size(); ++k) {
        if (chunks_[k].kind == ChunkKind::BadNumber)
            //: %1 is what the user typed where a number was expected.
            return Message(QUORVEL_MESSAGE("Sentence", "'%1' is not a number"),
                           {Typed({k, k + 1})});
    }
    const size_t begin = chunks_[0].kind == ChunkKind::Number ? 1 : 0;
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
        if (groups.empty())
            //: %1 is what the user typed as a unit.
            return Message(QUORVEL_MESSAGE("Sentence", "'%1' is not a unit"),
                           {Typed({begin, source})});
        return Message(NotAUnitOf, {Typed({begin, source}), GroupNames(groups)});
    }
    const std::vector<size_t> groups = GroupsOf({begin, known});
    auto inSource = [&](Phrase phrase) {
        const std::vector<size_t> its = GroupsOf(phrase);
        return std::any_of(its.begin(), its.end(), [&](size_t g) {
            return std::find(groups.begin(), groups.end(), g) != groups.end();
        });
    };
    while (known + 1 < end && chunks_[known].kind == ChunkKind::Number) {
        const size_t part = known + 1;
        known = LongestKnown(part);
        const size_t unit = std::max(known, WordsUpToConnector(part));
        if (unit == part)
            //: %1 is a number the user typed without a unit after it.
            return Message(QUORVEL_MESSAGE("Sentence", "'%1' needs a unit"),
                           {Typed({part - 1, part})});
        if (known == 0 || !inSource({part, known}))
            return Message(NotAUnitOf, {Typed({part, unit}), GroupNames(groups)});
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
        return Message(NotAUnitOf, {Typed({target, end}), GroupNames(groups)});
    //: %1 is the sentence the user typed, %2 an example of a conversion (12 in to cm), kept as
    //: it is.
    return Message(QUORVEL_MESSAGE("Sentence", "'%1' is not understood: type, for example, %2"),
                   {Typed({0, chunks_.size()}), Example});
}

} // namespace

Sentence ReadSentence(const UnitIndex& index, std::string_view text,
                      std::optional<size_t> preferredGroup) {
    return SentenceReader(index, text).Read(preferredGroup);
}

std::optional<ConversionResult> ConvertSentence(const Sentence& sentence, long double valueAtHand) {
    const ConversionKind kind = ConversionKindOf(sentence.group);
    auto convert = [&](const SentencePart& part) {
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
