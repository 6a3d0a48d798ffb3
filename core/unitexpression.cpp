// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unitexpression.h"

#include "calc/guardedmath.h"
#include "calc/numbertext.h"
#include "core/conversion.h"
#include "core/typednumber.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>
#include <tuple>

namespace quorvel {

namespace {

// Longer texts are no expression: no unit's name is this long, and the reader tries every span.
constexpr size_t LongestExpression = 200;
constexpr size_t MostTerms = 24;
constexpr int MostPower = 12; // of a term, powers of its parentheses included
constexpr int MostDepth = 8;  // of nested parentheses
// What a reading costs beyond its spelling where a prefix or a power digit is split off the word.
constexpr int SplitCost = 1;

enum class PieceKind { Word, Number, Times, Hyphen, Divide, Power, Open, Close, Blank };

struct Piece {
    PieceKind kind;
    size_t begin; // in bytes
    size_t end;
    int power = 0; // of a Power piece
};

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsTimes(char32_t c) {
    return c == '*' || c == 0xB7 || c == 0x22C5 || c == 0xD7 || c == 0x2219;
}

bool IsDivide(char32_t c) {
    return c == '/' || c == 0x2215 || c == 0xF7;
}

// A raised digit or sign as its plain character; 0 for any other character.
char PlainSuperscript(char32_t c) {
    switch (c) {
    case 0xB9: return '1';
    case 0xB2: return '2';
    case 0xB3: return '3';
    case 0x207A: return '+';
    case 0x207B: return '-';
    default: break;
    }
    return c == 0x2070 || (c >= 0x2074 && c <= 0x2079) ? char('0' + (c - 0x2070)) : 0;
}

// A power written at i: "^2", "^-1", "²", "⁻¹"; its value and where it ends.
std::optional<std::pair<int, size_t>> PowerAt(std::string_view text, size_t i) {
    std::string plain;
    size_t k = i;
    if (text[k] == '^') {
        ++k;
        if (k < text.size()) {
            const auto [c, length] = CharacterAt(text, k);
            if (c == '+' || IsMinus(c)) {
                plain.push_back(c == '+' ? '+' : '-');
                k += length;
            }
        }
        while (k < text.size() && IsAsciiDigit(text[k]))
            plain.push_back(text[k++]);
    } else {
        while (k < text.size()) {
            const auto [c, length] = CharacterAt(text, k);
            const char raised = PlainSuperscript(c);
            if (raised == 0 || ((raised == '+' || raised == '-') && k != i))
                break;
            plain.push_back(raised);
            k += length;
        }
    }
    const size_t digits = plain.find_first_not_of("+-");
    if (digits == std::string::npos || plain.size() - digits > 2)
        return std::nullopt;
    const int power = std::stoi(plain);
    if (power == 0 || power > MostPower || power < -MostPower)
        return std::nullopt;
    return std::pair{power, k};
}

bool EndsPiece(std::string_view text, size_t i) {
    const auto [c, length] = CharacterAt(text, i);
    return IsSpacing(c) || c == '(' || c == ')' || IsDivide(c) || IsTimes(c) || IsMinus(c) ||
           c == '^' || PlainSuperscript(c) != 0;
}

// The text cut into words, numbers and marks; nothing for a "^" without a power.
std::optional<std::vector<Piece>> Pieces(std::string_view text) {
    std::vector<Piece> pieces;
    for (size_t i = 0; i < text.size();) {
        const auto [c, length] = CharacterAt(text, i);
        size_t end = i + length;
        PieceKind kind = PieceKind::Word;
        int power = 0;
        if (IsSpacing(c)) {
            while (end < text.size() && IsSpacing(CharacterAt(text, end).first))
                end += CharacterAt(text, end).second;
            kind = PieceKind::Blank;
        } else if (c == '(' || c == ')') {
            kind = c == '(' ? PieceKind::Open : PieceKind::Close;
        } else if (IsDivide(c)) {
            kind = PieceKind::Divide;
        } else if (IsTimes(c)) {
            kind = PieceKind::Times;
        } else if (IsMinus(c)) {
            kind = PieceKind::Hyphen;
        } else if (c == '^' || PlainSuperscript(c) != 0) {
            const auto written = PowerAt(text, i);
            if (!written)
                return std::nullopt;
            std::tie(power, end) = *written;
            kind = PieceKind::Power;
        } else if (IsAsciiDigit(text[i])) {
            end = i;
            while (end < text.size() && IsAsciiDigit(text[end]))
                ++end;
            if (end + 1 < text.size() && text[end] == '.' && IsAsciiDigit(text[end + 1])) {
                for (++end; end < text.size() && IsAsciiDigit(text[end]);)
                    ++end;
            }
            kind = PieceKind::Number;
        } else {
            while (end < text.size() && !EndsPiece(text, end))
                end += CharacterAt(text, end).second;
        }
        pieces.push_back({kind, i, end, power});
        i = end;
    }
    return pieces;
}

struct Prefix {
    std::string_view symbol;
    std::string_view name;
    int power;
};

constexpr Prefix Prefixes[] = {
    {"Q", "quetta", 30}, {"R", "ronna", 27},  {"Y", "yotta", 24},   {"Z", "zetta", 21},
    {"E", "exa", 18},    {"P", "peta", 15},   {"T", "tera", 12},    {"G", "giga", 9},
    {"M", "mega", 6},    {"k", "kilo", 3},    {"h", "hecto", 2},    {"da", "deca", 1},
    {"da", "deka", 1},   {"d", "deci", -1},   {"c", "centi", -2},   {"m", "milli", -3},
    {"µ", "micro", -6},  {"μ", "micro", -6},  {"u", "micro", -6},   {"n", "nano", -9},
    {"p", "pico", -12},  {"f", "femto", -15}, {"a", "atto", -18},   {"z", "zepto", -21},
    {"y", "yocto", -24}, {"r", "ronto", -27}, {"q", "quecto", -30},
};

// Whether a unit's name begins with a prefix: no second prefix goes before it.
bool Prefixed(std::string_view name) {
    return std::any_of(std::begin(Prefixes), std::end(Prefixes), [&](const Prefix& prefix) {
        return name.size() > prefix.name.size() && name.starts_with(prefix.name);
    });
}

// An item of a parsed expression: a word (a run of pieces that names a unit) or a number, with
// its power.
struct Item {
    size_t begin; // pieces
    size_t end;
    bool number;
    int power;
};

class Parser {
public:
    Parser(const UnitIndex& index, std::string_view text, std::vector<Piece> pieces,
           KnownWords& known)
        : index_(index), text_(text), pieces_(std::move(pieces)), known_(known) {}

    std::optional<ParsedExpression> Parse();

private:
    bool Quotient(std::vector<Item>& out, bool numberFirst, int depth);
    bool Product(std::vector<Item>& out, bool numberFirst, bool spansQuotient, int depth);
    bool Operand(std::vector<Item>& out, bool numberAllowed, bool spansQuotient, int depth);
    size_t LongestWord(size_t begin, bool spansQuotient);
    int TakePower();
    size_t NextNonBlank(size_t k) const {
        while (k < pieces_.size() && pieces_[k].kind == PieceKind::Blank)
            ++k;
        return k;
    }
    bool Is(size_t k, PieceKind kind) const {
        return k < pieces_.size() && pieces_[k].kind == kind;
    }
    bool IsWordOf(size_t k, std::initializer_list<std::string_view> words) const;
    bool IsQuotientMark(size_t k) const { return Is(k, PieceKind::Divide) || IsWordOf(k, {"per"}); }
    std::string_view Text(size_t begin, size_t end) const {
        return text_.substr(pieces_[begin].begin, pieces_[end - 1].end - pieces_[begin].begin);
    }
    const std::vector<WordReading>& Readings(size_t begin, size_t end);
    std::vector<WordReading> ReadingsOf(std::string_view text, bool splits) const;
    bool MissesFirstLetter(std::string_view text) const;
    void AddNamed(std::string_view text, std::vector<WordReading>& readings, MatchLevel worst,
                  bool symbol, const Prefix* prefix) const;
    std::optional<WordReading> ReadingOf(UnitRef unit, int prefix, int cost) const;

    const UnitIndex& index_;
    std::string_view text_;
    std::vector<Piece> pieces_;
    size_t at_ = 0;
    KnownWords& known_;
};

bool Parser::IsWordOf(size_t k, std::initializer_list<std::string_view> words) const {
    if (!Is(k, PieceKind::Word))
        return false;
    std::string word(Text(k, k + 1));
    std::transform(word.begin(), word.end(), word.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::optional<ParsedExpression> Parser::Parse() {
    std::vector<Item> items;
    at_ = NextNonBlank(0);
    const bool inverse = IsQuotientMark(at_); // "per minute", "/s"
    if (inverse)
        at_ = NextNonBlank(at_ + 1);
    const bool numberFirst = Is(at_, PieceKind::Number) && IsQuotientMark(NextNonBlank(at_ + 1));
    if (!Quotient(items, numberFirst, 0) || NextNonBlank(at_) != pieces_.size())
        return std::nullopt;
    ParsedExpression parsed{std::string(text_), {}, {}};
    for (const Item& item : items) {
        const int power = inverse ? -item.power : item.power;
        if (item.number) {
            parsed.numbers.push_back(
                {std::nullopt, std::string(Text(item.begin, item.end)), "1", 0, power});
            continue;
        }
        ExpressionWord word{std::string(Text(item.begin, item.end)), {}};
        for (WordReading reading : Readings(item.begin, item.end)) {
            reading.term.power *= power;
            reading.dimension = reading.dimension.Power(power);
            if (std::abs(reading.term.power) > MostPower)
                return std::nullopt;
            word.readings.push_back(std::move(reading));
        }
        parsed.words.push_back(std::move(word));
    }
    if (parsed.words.empty() || items.size() > MostTerms)
        return std::nullopt;
    return parsed;
}

// Products divided by products, left to right: a/b/c is a/(b·c), W/m·K is W/(m·K).
bool Parser::Quotient(std::vector<Item>& out, bool numberFirst, int depth) {
    if (!Product(out, numberFirst, true, depth))
        return false;
    for (size_t k = NextNonBlank(at_); IsQuotientMark(k); k = NextNonBlank(at_)) {
        at_ = NextNonBlank(k + 1);
        const size_t from = out.size();
        if (!Product(out, true, false, depth))
            return false;
        for (size_t i = from; i < out.size(); ++i)
            out[i].power = -out[i].power;
    }
    return true;
}

// Operands joined by "·", "*", "-" or a blank; a number only after "·" or "*", where it is no
// sum's next part.
bool Parser::Product(std::vector<Item>& out, bool numberFirst, bool spansQuotient, int depth) {
    at_ = NextNonBlank(at_);
    if (!Operand(out, numberFirst, spansQuotient, depth))
        return false;
    while (out.size() <= MostTerms) {
        const size_t k = NextNonBlank(at_);
        if (Is(k, PieceKind::Times) || Is(k, PieceKind::Hyphen)) {
            at_ = NextNonBlank(k + 1);
            if (!Operand(out, Is(k, PieceKind::Times), spansQuotient, depth))
                return false;
        } else if ((Is(k, PieceKind::Word) && !IsQuotientMark(k)) || Is(k, PieceKind::Open)) {
            at_ = k;
            if (!Operand(out, false, spansQuotient, depth))
                return false;
        } else {
            return true;
        }
    }
    return false;
}

bool Parser::Operand(std::vector<Item>& out, bool numberAllowed, bool spansQuotient, int depth) {
    if (Is(at_, PieceKind::Open)) {
        if (depth >= MostDepth)
            return false;
        ++at_;
        std::vector<Item> inner;
        if (!Quotient(inner, true, depth + 1) || !Is(NextNonBlank(at_), PieceKind::Close))
            return false;
        at_ = NextNonBlank(at_) + 1;
        const int power = TakePower();
        for (Item& item : inner)
            item.power *= power;
        out.insert(out.end(), inner.begin(), inner.end());
        return true;
    }
    if (!Is(at_, PieceKind::Word) && !Is(at_, PieceKind::Number))
        return false;
    if (const size_t end = LongestWord(at_, spansQuotient)) {
        Item item{at_, end, false, 1};
        at_ = end;
        if (pieces_[end - 1].kind != PieceKind::Power)
            item.power = TakePower();
        out.push_back(item);
        return true;
    }
    if (Is(at_, PieceKind::Number)) {
        if (!numberAllowed)
            return false;
        Item item{at_, at_ + 1, true, 1};
        ++at_;
        item.power = TakePower();
        out.push_back(item);
        return true;
    }
    const int power = IsWordOf(at_, {"sq", "square"}) ? 2 : IsWordOf(at_, {"cu", "cubic"}) ? 3 : 0;
    if (power == 0 || depth >= MostDepth)
        return false;
    at_ = NextNonBlank(at_ + 1);
    const size_t from = out.size();
    if (!Operand(out, false, false, depth + 1))
        return false;
    for (size_t i = from; i < out.size(); ++i)
        out[i].power *= power;
    return true;
}

int Parser::TakePower() {
    if (!Is(at_, PieceKind::Power))
        return 1;
    return pieces_[at_++].power;
}

// The end of the longest run of pieces from `begin` that names a unit; 0 when none does. A run
// holds whole parentheses. It may hold a "/" or "per" ("rev/min") only where the product it
// starts in is the quotient's first, and only when it ends that product: km/h/s is (km/h)/s, and
// W/m·K is W/(m·K), never (W/m)·K.
size_t Parser::LongestWord(size_t begin, bool spansQuotient) {
    size_t longest = 0;
    int open = 0;
    bool quotient = false;
    bool word = false;
    for (size_t end = begin + 1; end <= pieces_.size(); ++end) {
        const Piece& last = pieces_[end - 1];
        if (last.end - pieces_[begin].begin > 2 * index_.LongestName())
            break; // longer than any name, even with its blanks doubled
        if (IsQuotientMark(end - 1)) {
            if (!spansQuotient || end - 1 == begin)
                break;
            quotient = true;
        }
        open += last.kind == PieceKind::Open ? 1 : last.kind == PieceKind::Close ? -1 : 0;
        if (open < 0)
            break;
        word = word || last.kind == PieceKind::Word;
        const bool ends = last.kind == PieceKind::Word || last.kind == PieceKind::Close ||
                          last.kind == PieceKind::Power || last.kind == PieceKind::Number;
        if (!word || !ends || open > 0 || IsQuotientMark(end - 1))
            continue;
        const size_t next = NextNonBlank(end);
        if (quotient && next < pieces_.size() && !IsQuotientMark(next) &&
            !Is(next, PieceKind::Close))
            continue;
        if (!Readings(begin, end).empty())
            longest = end;
    }
    return longest;
}

// A run's pieces are those of its text wherever it stands: its readings are its text's.
const std::vector<WordReading>& Parser::Readings(size_t begin, size_t end) {
    const std::string_view text = Text(begin, end);
    auto found = known_.find(std::string(text));
    if (found == known_.end())
        found = known_.emplace(text, ReadingsOf(text, end == begin + 1)).first;
    return found->second;
}

std::optional<WordReading> Parser::ReadingOf(UnitRef unit, int prefix, int cost) const {
    const std::optional<GroupMeasure>& measure = index_.MeasureOf(unit.group);
    if (!measure)
        return std::nullopt; // a user's group: its units convert among themselves only
    const Unit& held = index_.UnitOf(unit);
    const std::optional<Factor> factor = ReadFactor(held.factor);
    const bool temperature = index_.Groups()[unit.group].name == TemperatureGroupName;
    if (!factor && !temperature)
        return std::nullopt;
    if (prefix != 0 && (temperature || (factor && factor->reciprocal) || Prefixed(held.name)))
        return std::nullopt; // no prefix on a scale, a reciprocal or a prefixed unit ("kms")
    // A reciprocal unit (litre per 100 km) is an ordinary unit of the inverse dimension.
    const bool reciprocal = factor && factor->reciprocal;
    return WordReading{{unit, held.factor, measure->scale, prefix, 1},
                       measure->dimension.Power(reciprocal ? -1 : 1),
                       cost,
                       temperature};
}

// The units the text names, no worse than `worst` a spelling, as symbols or as names after a
// prefix where one is given. Within a group the closest spelling must name one unit, as in a
// group's sentence: a symbol typed in another case counts only where it names one unit of the
// group, and never where the case of a prefix differs ("mw" is neither mW nor MW).
void Parser::AddNamed(std::string_view text, std::vector<WordReading>& readings, MatchLevel worst,
                      bool symbol, const Prefix* prefix) const {
    std::vector<UnitIndex::Candidate> found = index_.Named(text);
    // A symbol typed in another case names no unit here, where any units may combine: "s" is
    // the second, never the siemens S.
    std::erase_if(found, [&](const UnitIndex::Candidate& c) {
        return c.level > worst || (prefix && c.symbol != symbol) ||
               (c.symbol && c.level == MatchLevel::IgnoreCase);
    });
    std::vector<size_t> groups;
    for (const UnitIndex::Candidate& candidate : found) {
        if (std::find(groups.begin(), groups.end(), candidate.unit.group) == groups.end())
            groups.push_back(candidate.unit.group);
    }
    for (const size_t group : groups) {
        std::vector<UnitIndex::Candidate> inGroup;
        std::copy_if(found.begin(), found.end(), std::back_inserter(inGroup),
                     [&](auto& c) { return c.unit.group == group; });
        const MatchLevel best =
            std::min_element(inGroup.begin(), inGroup.end(), [](auto& a, auto& b) {
                return a.level < b.level;
            })->level;
        const bool prefixSlip = std::any_of(inGroup.begin(), inGroup.end(), [](auto& c) {
            return c.level == MatchLevel::PrefixCase;
        });
        const MatchLevel kept =
            best < MatchLevel::IgnoreCase || !prefixSlip ? best : MatchLevel::PrefixCase;
        std::erase_if(inGroup, [&](auto& c) { return c.level > kept; });
        if (inGroup.size() != 1 || inGroup.front().level == MatchLevel::PrefixCase)
            continue;
        const int cost = static_cast<int>(inGroup.front().level) + (prefix ? SplitCost : 0);
        if (const auto reading = ReadingOf(inGroup.front().unit, prefix ? prefix->power : 0, cost))
            readings.push_back(*reading);
    }
}

// Whether the word names a unit with a letter before it: a misspelling that drops the first
// letter, which no prefix reads.
bool Parser::MissesFirstLetter(std::string_view text) const {
    for (char letter = 'A'; letter <= 'z'; letter = letter == 'Z' ? 'a' : char(letter + 1)) {
        for (const UnitIndex::Candidate& candidate : index_.Named(std::string(1, letter) += text)) {
            if (candidate.level <= MatchLevel::Loose)
                return true;
        }
    }
    return false;
}

// The units a run of the text names: by its whole text, else, for one word, after an SI prefix
// ("kft", "kilofoot") or before a power digit ("s2", "ft2").
std::vector<WordReading> Parser::ReadingsOf(std::string_view text, bool splits) const {
    std::vector<WordReading> readings;
    AddNamed(text, readings, MatchLevel::Plural, false, nullptr);
    if (!readings.empty() || !splits)
        return readings;
    // A prefix goes before a symbol of two characters or more, or a name: "as" is no
    // attosecond, nor "ha" a hectoyear.
    for (const Prefix& prefix : Prefixes) {
        if (text.size() >= prefix.symbol.size() + 2 && text.starts_with(prefix.symbol))
            AddNamed(text.substr(prefix.symbol.size()), readings, MatchLevel::Loose, true, &prefix);
        if (text.size() >= prefix.name.size() + 3 && text.starts_with(prefix.name))
            AddNamed(text.substr(prefix.name.size()), readings, MatchLevel::IgnoreCase, false,
                     &prefix);
    }
    if (!readings.empty() && MissesFirstLetter(text))
        readings.clear(); // "nch" is a misspelt inch, not a nanochain
    const char last = text.back();
    if (readings.empty() && (last == '2' || last == '3') && text.size() > 1 &&
        !IsAsciiDigit(text[text.size() - 2])) {
        for (WordReading reading : ReadingsOf(text.substr(0, text.size() - 1), true)) {
            reading.term.power = last - '0';
            reading.dimension = reading.dimension.Power(last - '0');
            reading.cost += SplitCost;
            readings.push_back(std::move(reading));
        }
    }
    return readings;
}

__extension__ typedef unsigned __int128 Digits;

// 10^36: products are kept exact below it.
constexpr Digits MostDigits = Digits(1000000000000000000ULL) * Digits(1000000000000000000ULL);

// A product of positive decimal numbers and powers of ten: exact while its digits stay below
// 10^36, in extended precision beyond.
class Product {
public:
    // Multiplies by the decimal number `times` times; a text that is no positive number makes
    // the product no number.
    void Multiply(std::string_view decimal, int times);
    void MultiplyByTen(int power) { tens_ += power; }
    void Multiply(const Product& other);
    // The product, correctly rounded where it is exact; infinite when it has no value.
    long double Value() const;

private:
    void MultiplyDigits(Digits digits, long exponent);

    bool valid_ = true;
    long tens_ = 0; // the powers of ten multiplied by
    bool exact_ = true;
    Digits digits_ = 1; // while exact: the product is digits_ × 10^(exponent_ + tens_)
    long exponent_ = 0;
    long double near_ = 1; // the product is near_ × 10^tens_
};

// The digits and exponent of a plain decimal text ("0.0254", "1.5E-3", "0,3048"); nothing
// beyond 36 digits or for any other text.
std::optional<std::pair<Digits, long>> ExactDecimal(std::string_view text) {
    Digits digits = 0;
    long exponent = 0;
    size_t k = 0;
    bool point = false;
    size_t count = 0;
    for (; k < text.size(); ++k) {
        const char c = text[k];
        if ((c == '.' || c == ',') && !point) {
            point = true;
        } else if (IsAsciiDigit(c)) {
            exponent -= point ? 1 : 0;
            if (digits == 0 && c == '0')
                continue;
            if (++count > 36)
                return std::nullopt;
            digits = digits * 10 + Digits(c - '0');
        } else {
            break;
        }
    }
    if (k < text.size()) {
        if (text[k] != 'e' && text[k] != 'E')
            return std::nullopt;
        try {
            size_t used = 0;
            const std::string rest(text.substr(k + 1));
            const int scale = std::stoi(rest, &used);
            if (used != rest.size() || scale > 10000 || scale < -10000)
                return std::nullopt;
            exponent += scale;
        } catch (const std::logic_error&) { // no number, or one beyond int
            return std::nullopt;
        }
    }
    return std::pair{digits, exponent};
}

void Product::MultiplyDigits(Digits digits, long exponent) {
    if (digits == 0 || digits_ > MostDigits / digits) {
        exact_ = false;
        return;
    }
    digits_ *= digits;
    exponent_ += exponent;
    while (digits_ % 10 == 0) {
        digits_ /= 10;
        ++exponent_;
    }
}

void Product::Multiply(std::string_view decimal, int times) {
    const std::optional<long double> value = ParseFactor(decimal);
    if (!value || !(*value > 0)) {
        valid_ = false;
        return;
    }
    const std::optional<std::pair<Digits, long>> exact = ExactDecimal(decimal);
    exact_ = exact_ && exact.has_value();
    for (int k = 0; k < times; ++k) {
        near_ *= *value;
        if (exact_)
            MultiplyDigits(exact->first, exact->second);
    }
}

void Product::Multiply(const Product& other) {
    valid_ = valid_ && other.valid_;
    tens_ += other.tens_;
    near_ *= other.near_;
    exact_ = exact_ && other.exact_;
    if (exact_)
        MultiplyDigits(other.digits_, other.exponent_);
}

long double Product::Value() const {
    if (!valid_)
        return HUGE_VALL;
    if (!exact_)
        return near_ * std::pow(10.0L, static_cast<long double>(tens_));
    std::string digits;
    for (Digits rest = digits_; rest != 0; rest /= 10)
        digits.insert(digits.begin(), char('0' + int(rest % 10)));
    try {
        return ParseNumberText(digits + "E" + std::to_string(exponent_ + tens_));
    } catch (const EConvertError&) {
        return HUGE_VALL; // beyond the range
    }
}

// An expression's size in coherent units, as a quotient of two products.
struct Size {
    Product numerator;
    Product denominator;
};

Size SizeOf(const UnitExpression& expression) {
    Size size;
    for (const ExpressionTerm& term : expression.terms) {
        const int times = std::abs(term.power);
        Product& upper = term.power > 0 ? size.numerator : size.denominator;
        Product& lower = term.power > 0 ? size.denominator : size.numerator;
        upper.MultiplyByTen(term.prefix * times);
        if (!term.unit) {
            upper.Multiply(term.factor, times);
            continue;
        }
        // A reciprocal unit k/x measures the inverse dimension with the size 1 / (k × scale).
        const std::optional<Factor> factor = ReadFactor(term.factor);
        Product& sized = factor && factor->reciprocal ? lower : upper;
        sized.Multiply(FactorNumberText(term.factor), times);
        sized.Multiply(term.scale, times);
    }
    return size;
}

} // namespace

std::optional<ParsedExpression> ParseUnitExpression(const UnitIndex& index, std::string_view text,
                                                    KnownWords& known) {
    if (text.size() > LongestExpression)
        return std::nullopt;
    std::optional<std::vector<Piece>> pieces = Pieces(text);
    if (!pieces || pieces->empty())
        return std::nullopt;
    return Parser(index, text, std::move(*pieces), known).Parse();
}

UnitExpression ChosenExpression(const ParsedExpression& parsed,
                                std::span<const size_t> readingOfEachWord) {
    UnitExpression expression{parsed.text, parsed.numbers, {}, std::nullopt};
    for (size_t k = 0; k < parsed.words.size(); ++k) {
        const WordReading& reading = parsed.words[k].readings[readingOfEachWord[k]];
        expression.terms.push_back(reading.term);
        expression.dimension = expression.dimension * reading.dimension;
    }
    if (expression.terms.size() == 1 && expression.terms[0].unit &&
        expression.terms[0].power == 1 && expression.terms[0].prefix == 0)
        expression.group = expression.terms[0].unit->group;
    return expression;
}

ExpressionReadings ReadExpressions(std::vector<ParsedExpression> expressions, size_t mostReadings) {
    ExpressionReadings read;
    size_t readings = 1;
    for (ParsedExpression& expression : expressions) {
        for (ExpressionWord& word : expression.words) {
            std::stable_sort(word.readings.begin(), word.readings.end(),
                             [](auto& a, auto& b) { return a.cost < b.cost; });
            readings *= word.readings.size();
            if (readings > mostReadings)
                return read;
        }
    }
    const bool sum = expressions.size() > 2;
    for (size_t n = 0; n < readings; ++n) {
        ExpressionUnits reading;
        bool alone = false;    // a temperature alone on a side, which converts by its scales
        std::string inProduct; // a temperature inside a product
        size_t rest = n;
        for (const ParsedExpression& expression : expressions) {
            std::vector<size_t> choice;
            for (const ExpressionWord& word : expression.words) {
                choice.push_back(rest % word.readings.size());
                rest /= word.readings.size();
                const WordReading& chosen = word.readings[choice.back()];
                reading.cost += chosen.cost;
                if (!chosen.temperature)
                    continue;
                if (expression.words.size() == 1 && expression.numbers.empty() &&
                    chosen.term.power == 1)
                    alone = true;
                else if (inProduct.empty())
                    inProduct = word.typed;
            }
            reading.units.push_back(ChosenExpression(expression, choice));
        }
        const Dimension& source = reading.units.front().dimension;
        const Dimension& target = reading.units.back().dimension;
        const bool parts = std::all_of(reading.units.begin(), reading.units.end() - 1,
                                       [&](auto& unit) { return unit.dimension == source; });
        reading.reciprocal = target != source && target == source.Power(-1);
        if (!parts || (target != source && !reading.reciprocal)) {
            if (n == 0)
                read.closest = std::move(reading); // each word's closest reading
        } else if (!inProduct.empty()) {
            read.temperatureInProduct = inProduct;
        } else if (sum && reading.reciprocal) {
            read.reciprocalSum = true;
        } else if (!alone) {
            read.agreeing.push_back(std::move(reading));
        }
    }
    if (!read.agreeing.empty())
        read.closest.reset();
    return read;
}

std::optional<Message> QuantityOf(const UnitIndex& index, const UnitExpression& expression) {
    std::optional<size_t> group = expression.group;
    for (size_t g = 0; !group && g < index.Groups().size(); ++g) {
        const std::optional<GroupMeasure>& measure = index.MeasureOf(g);
        if (measure && measure->dimension == expression.dimension)
            group = g;
    }
    if (!group)
        return std::nullopt;
    std::string name = index.Groups()[*group].name;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    if (!name.empty() && std::string_view("aeiou").find(name[0]) != std::string_view::npos)
        //: What a unit measures, with the article "an": %1 is the name of its group of units in
        //: small letters (energy, area), which stays in English as the groups' names do.
        return Message(QUORVEL_MESSAGE("Sentence", "an %1"), {name});
    //: What a unit measures, with the article "a": %1 is the name of its group of units in
    //: small letters (mass, force), which stays in English as the groups' names do.
    return Message(QUORVEL_MESSAGE("Sentence", "a %1"), {name});
}

std::optional<long double> ConvertExpression(long double value, const UnitExpression& source,
                                             const UnitExpression& target, bool reciprocal) {
    const Size from = SizeOf(source);
    const Size to = SizeOf(target);
    Product upper = reciprocal ? from.denominator : from.numerator;
    Product lower = reciprocal ? from.numerator : from.denominator;
    upper.Multiply(to.denominator);
    lower.Multiply(to.numerator);
    if (reciprocal && value == 0)
        throw EReciprocalZero();
    try {
        const long double quotient = CheckOverflow(upper.Value() / lower.Value());
        return CheckOverflow(reciprocal ? quotient / value : quotient * value);
    } catch (const EOverflow&) {
        return std::nullopt; // a size or a result beyond the range converts nothing
    }
}

} // namespace quorvel
