// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/typednumber.h"

#include "calc/errors.h"
#include "calc/numbertext.h"
#include "core/unitsearch.h"

#include <algorithm>
#include <string>

namespace quorvel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t DigitsFrom(std::string_view text, size_t i) {
    size_t k = i;
    while (k < text.size() && IsDigit(text[k]))
        ++k;
    return k - i;
}

struct VulgarFraction {
    char32_t character;
    int numerator;
    int denominator;
};

constexpr VulgarFraction VulgarFractions[] = {
    {0xBD, 1, 2},   {0x2153, 1, 3}, {0x2154, 2, 3}, {0xBC, 1, 4},   {0xBE, 3, 4},   {0x2155, 1, 5},
    {0x2156, 2, 5}, {0x2157, 3, 5}, {0x2158, 4, 5}, {0x2159, 1, 6}, {0x215A, 5, 6}, {0x2150, 1, 7},
    {0x215B, 1, 8}, {0x215C, 3, 8}, {0x215D, 5, 8}, {0x215E, 7, 8}, {0x2151, 1, 9}, {0x2152, 1, 10},
};

// The vulgar fraction at i and its length in bytes; nothing when none stands there.
std::optional<std::pair<long double, size_t>> VulgarFractionAt(std::string_view text, size_t i) {
    if (i >= text.size())
        return std::nullopt;
    const auto [c, length] = CharacterAt(text, i);
    for (const VulgarFraction& fraction : VulgarFractions) {
        if (fraction.character == c)
            return std::pair{static_cast<long double>(fraction.numerator) / fraction.denominator,
                             length};
    }
    return std::nullopt;
}

// The length of a fraction slash at i ("/", "⁄" or "∕"); 0 when none.
size_t SlashLength(std::string_view text, size_t i) {
    if (i >= text.size())
        return 0;
    const auto [c, length] = CharacterAt(text, i);
    return c == '/' || c == 0x2044 || c == 0x2215 ? length : 0;
}

// The length of a sign at i: "+" or a minus of any script; 0 when none.
size_t SignLength(std::string_view text, size_t i) {
    if (i >= text.size())
        return 0;
    const auto [c, length] = CharacterAt(text, i);
    return c == '+' || IsMinus(c) ? length : 0;
}

// A superscript digit or sign as its plain character; 0 for any other character.
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

// The exponent written after "10": "^3", "^-3", "³", "⁻³"; as plain text, with where it ends.
struct TenExponent {
    std::string text;
    size_t end;
};

std::optional<TenExponent> TenExponentAt(std::string_view text, size_t i) {
    TenExponent exponent{"", i};
    if (i < text.size() && text[i] == '^') {
        size_t k = i + 1;
        if (const size_t sign = SignLength(text, k)) {
            exponent.text.push_back(text[k] == '+' ? '+' : '-');
            k += sign;
        }
        const size_t digits = DigitsFrom(text, k);
        if (digits == 0)
            return std::nullopt;
        exponent.text.append(text.substr(k, digits));
        exponent.end = k + digits;
        return exponent;
    }
    bool digits = false;
    for (size_t k = i; k < text.size();) {
        const auto [c, length] = CharacterAt(text, k);
        const char plain = PlainSuperscript(c);
        const bool sign = plain == '+' || plain == '-';
        if (plain == 0 || (sign && k != i))
            break;
        exponent.text.push_back(plain);
        digits = digits || !sign;
        k += length;
        exponent.end = k;
    }
    return digits ? std::optional(exponent) : std::nullopt;
}

// "×10^3" after a number that ends at i: a times sign (×, x, *, ·, ⋅) between optional blanks,
// then "10" and its exponent.
std::optional<TenExponent> TimesTenAt(std::string_view text, size_t i) {
    auto skipSpacing = [&](size_t k) {
        while (k < text.size() && IsSpacing(CharacterAt(text, k).first))
            k += CharacterAt(text, k).second;
        return k;
    };
    size_t k = skipSpacing(i);
    if (k >= text.size())
        return std::nullopt;
    const auto [c, length] = CharacterAt(text, k);
    if (c != 0xD7 && c != 'x' && c != '*' && c != 0xB7 && c != 0x22C5)
        return std::nullopt;
    k = skipSpacing(k + length);
    if (text.substr(k, 2) != "10")
        return std::nullopt;
    return TenExponentAt(text, k + 2);
}

struct DecimalSpan {
    size_t length = 0;
    bool exponent = false;
};

// The decimal number that starts at i: a sign, digits and separators, and an exponent ("e", an
// optional sign and digits). A thousands separator other than "." and "," counts only before a
// group of three digits.
DecimalSpan DecimalAt(std::string_view text, size_t i) {
    const std::string& thousands = CurrentNumberSeparators().thousands;
    size_t k = i + SignLength(text, i);
    bool digits = false;
    while (k < text.size()) {
        if (IsDigit(text[k])) {
            digits = true;
            ++k;
        } else if (text[k] == '.' || text[k] == ',') {
            ++k;
        } else if (!thousands.empty() && text.substr(k).starts_with(thousands) &&
                   !IsSpacing(CharacterAt(text, k).first) &&
                   DigitsFrom(text, k + thousands.size()) == 3) { // not the foot in 5'10"
            k += thousands.size();
        } else {
            break;
        }
    }
    if (!digits)
        return {};
    bool exponent = false;
    if (k < text.size() && (text[k] == 'e' || text[k] == 'E')) {
        size_t e = k + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (const size_t count = DigitsFrom(text, e)) {
            k = e + count;
            exponent = true;
        }
    }
    return {k - i, exponent};
}

std::optional<long double> Parsed(const std::string& text) {
    try {
        return ParseNumberText(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

// The text with its thousands separators taken out, where they stand as the number display
// puts them: between groups of three digits of the whole part. A blank between such groups
// counts as a separator in every locale.
std::optional<std::string> WithoutGrouping(std::string_view text, const NumberSeparators& locale) {
    const size_t start = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const size_t end =
        std::min({text.find(locale.decimal, start), text.find_first_of("eE", start), text.size()});
    const std::string_view whole = text.substr(start, end - start);
    std::string digits;
    size_t group = 0, groups = 1;
    for (size_t i = 0; i < whole.size();) {
        const auto [c, length] = CharacterAt(whole, i);
        const bool blank = IsSpacing(c);
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

// A decimal number as typed, times ten to the power `exponent` when one is given.
std::optional<long double> ReadScaled(std::string_view text, std::string_view exponent) {
    std::string typed(text);
    if (!typed.empty()) {
        if (const auto [c, length] = CharacterAt(typed, 0); IsMinus(c)) {
            typed.erase(0, length); // a minus sign of any script reads as the hyphen-minus
            typed.insert(typed.begin(), '-');
        }
    }
    std::string scale;
    if (!exponent.empty())
        scale.append(1, 'e').append(exponent);
    const NumberSeparators& locale = CurrentNumberSeparators();
    if (const std::optional<std::string> plain = WithoutGrouping(typed, locale))
        if (const std::optional<long double> value = Parsed(*plain + scale))
            return value;
    // The other of "." and "," as decimal separator, where the text has no reading with the
    // locale's own separators.
    const std::string other = locale.decimal == "," ? "." : locale.decimal == "." ? "," : "";
    if (other.empty() || std::count(typed.begin(), typed.end(), other[0]) != 1 ||
        typed.find(locale.decimal) != std::string::npos)
        return std::nullopt;
    typed.replace(typed.find(other), 1, locale.decimal);
    return Parsed(typed + scale);
}

// The end of a run of digits, separators and slashes from i: what a number that does not read
// ("1/2.5", "1.5/2") spans.
size_t EndOfNumberRun(std::string_view text, size_t i) {
    while (i < text.size() &&
           (IsDigit(text[i]) || text[i] == '.' || text[i] == ',' || SlashLength(text, i)))
        i += SlashLength(text, i) ? SlashLength(text, i) : 1;
    return i;
}

bool DigitAt(std::string_view text, size_t i) {
    return i < text.size() && IsDigit(text[i]);
}

// What follows a whole number ("3", "-10") that ends at `end`: a vulgar fraction ("3½"), a
// slash and a denominator ("3/4"), or a caret and an exponent after "10" ("10^6").
std::optional<TypedNumber> AfterWholeNumber(std::string_view text, size_t i, size_t digitsBegin,
                                            size_t end, bool negative) {
    const long double sign = negative ? -1.0L : 1.0L;
    const std::string_view digits = text.substr(digitsBegin, end - digitsBegin);
    const bool signed_ = digitsBegin > i;
    if (const auto vulgar = VulgarFractionAt(text, end)) {
        const std::optional<long double> whole = Parsed(std::string(digits));
        return TypedNumber{end + vulgar->second - i,
                           whole ? std::optional(sign * (*whole + vulgar->first)) : std::nullopt,
                           NumberForm::Fraction, signed_};
    }
    if (const size_t slash = SlashLength(text, end); slash && DigitAt(text, end + slash)) {
        const size_t denominatorEnd = end + slash + DigitsFrom(text, end + slash);
        const bool runsOn = (denominatorEnd < text.size() &&
                             (text[denominatorEnd] == '.' || text[denominatorEnd] == ',') &&
                             DigitAt(text, denominatorEnd + 1)) ||
                            (SlashLength(text, denominatorEnd) &&
                             DigitAt(text, denominatorEnd + SlashLength(text, denominatorEnd)));
        if (runsOn)
            return TypedNumber{EndOfNumberRun(text, end) - i, std::nullopt, NumberForm::Fraction,
                               signed_};
        const std::optional<long double> numerator = Parsed(std::string(digits));
        const std::optional<long double> denominator =
            Parsed(std::string(text.substr(end + slash, denominatorEnd - end - slash)));
        std::optional<long double> value;
        if (numerator && denominator && *denominator != 0)
            value = sign * (*numerator / *denominator);
        return TypedNumber{denominatorEnd - i, value, NumberForm::Fraction, signed_};
    }
    if (digits == "10") {
        if (const std::optional<TenExponent> exponent = TenExponentAt(text, end)) {
            const std::optional<long double> power = Parsed("1e" + exponent->text);
            return TypedNumber{exponent->end - i,
                               power ? std::optional(sign * *power) : std::nullopt,
                               NumberForm::PowerOfTen, signed_};
        }
    }
    return std::nullopt;
}

} // namespace

bool IsMinus(char32_t c) {
    return c == '-' || c == 0x2212 || c == 0x2010 || c == 0x2011 || c == 0x2013;
}

std::optional<long double> ReadDecimalNumber(std::string_view text) {
    return ReadScaled(text, "");
}

TypedNumber TypedNumberAt(std::string_view text, size_t i) {
    const size_t sign = SignLength(text, i);
    const bool negative = sign && text[i] != '+';
    const size_t begin = i + sign;
    if (const auto vulgar = VulgarFractionAt(text, begin)) {
        return {begin + vulgar->second - i, negative ? -vulgar->first : vulgar->first,
                NumberForm::Fraction, sign > 0};
    }
    if (const size_t digits = DigitsFrom(text, begin)) {
        if (const std::optional<TypedNumber> number =
                AfterWholeNumber(text, i, begin, begin + digits, negative))
            return *number;
    }
    const DecimalSpan decimal = DecimalAt(text, i);
    if (decimal.length == 0)
        return {};
    const size_t end = i + decimal.length;
    const std::string_view mantissa = text.substr(i, decimal.length);
    if (!decimal.exponent) {
        if (const std::optional<TenExponent> exponent = TimesTenAt(text, end))
            return {exponent->end - i, ReadScaled(mantissa, exponent->text), NumberForm::PowerOfTen,
                    sign > 0};
    }
    if (const size_t slash = SlashLength(text, end); slash && DigitAt(text, end + slash))
        return {EndOfNumberRun(text, end) - i, std::nullopt, NumberForm::Decimal, sign > 0};
    const bool whole = DigitsFrom(text, begin) == decimal.length - sign;
    return {decimal.length, ReadDecimalNumber(mantissa),
            whole ? NumberForm::Whole : NumberForm::Decimal, sign > 0};
}

} // namespace quorvel
