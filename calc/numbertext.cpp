// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/numbertext.h"

#include "calc/errors.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace quorvel {

namespace {

NumberSeparators separatorsInUse;

// The C library's number conversions follow a locale. We hand them a private "C" locale so that
// whatever the process locale is (Qt sets it from the environment), "." is their decimal point.
locale_t ClassicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool StartsWithAt(std::string_view text, size_t pos, std::string_view part) {
    return !part.empty() && text.substr(pos, part.size()) == part;
}

// The most characters of a text that its error message quotes: a message stays readable, also
// for a factor text of many megabytes.
constexpr size_t QuotedCharacters = 40;

// The text, cut after QuotedCharacters characters (never inside one) with "..." after it.
std::string Quotable(std::string_view text) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > QuotedCharacters)
            return std::string(text.substr(0, i)) + "...";
    }
    return std::string(text);
}

[[noreturn]] void ThrowNotANumber(std::string_view text) {
    //: %1 is the text as it was typed, pasted or read from a factor file.
    throw EConvertError(QUORVEL_MESSAGE("NumberText", "'%1' is not a valid floating point value"),
                        {Quotable(text)});
}

// The grammar's pieces: the significant digits (separator removed) and the power of ten that
// scales them.
struct ScannedNumber {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

ScannedNumber ScanNumberText(std::string_view text) {
    const std::string& separator = DecimalSeparator();
    ScannedNumber number;
    size_t i = 0;
    const size_t n = text.size();
    auto skipSpaces = [&] {
        while (i < n && text[i] == ' ')
            ++i;
    };

    skipSpaces();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        number.negative = text[i++] == '-';

    bool mantissaRead = false;
    long long fractionDigits = 0;
    for (; i < n && IsDigit(text[i]); ++i) {
        number.digits.push_back(text[i]);
        mantissaRead = true;
    }
    if (StartsWithAt(text, i, separator)) {
        i += separator.size();
        mantissaRead = true;
        for (; i < n && IsDigit(text[i]); ++i) {
            number.digits.push_back(text[i]);
            ++fractionDigits;
        }
    }
    if (!mantissaRead)
        ThrowNotANumber(text);

    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        // Exponent digits are taken only while the exponent is below 500, so an exponent of
        // five or more digits leaves a digit unread and the text fails below.
        long long exponent = 0;
        for (; i < n && IsDigit(text[i]) && exponent < 500; ++i)
            exponent = exponent * 10 + (text[i] - '0');
        number.exponent = negativeExponent ? -exponent : exponent;
    }
    skipSpaces();
    if (i != n)
        ThrowNotANumber(text);

    number.exponent -= fractionDigits;
    const size_t firstNonZero = number.digits.find_first_not_of('0');
    number.digits.erase(0, std::min(firstNonZero, number.digits.size()));
    return number;
}

} // namespace

void SetNumberSeparators(NumberSeparators separators) {
    separatorsInUse = std::move(separators);
}

const NumberSeparators& CurrentNumberSeparators() {
    return separatorsInUse;
}

const std::string& DecimalSeparator() {
    return separatorsInUse.decimal;
}

size_t CharacterCount(std::string_view text) {
    size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80; // continuation bytes don't count
    return count;
}

std::string CleanNumberText(std::string_view text) {
    const std::string& separator = DecimalSeparator();
    std::string kept;
    kept.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (StartsWithAt(text, i, separator)) {
            kept += separator;
            i += separator.size();
            continue;
        }
        const char c = text[i++];
        if (IsDigit(c) || c == '+' || c == '-' || c == 'E' || c == 'e')
            kept.push_back(c);
    }
    return kept;
}

long double ParseNumberText(std::string_view text) {
    const ScannedNumber number = ScanNumberText(text);
    if (number.digits.empty())
        return number.negative ? -0.0L : 0.0L;

    // The C library's reader rounds correctly for any number of digits; it gets the digits in
    // a form it reads the same in every locale.
    std::string canonical = number.digits;
    canonical += 'E';
    canonical += std::to_string(number.exponent);
    const long double magnitude = strtold_l(canonical.c_str(), nullptr, ClassicLocale());
    if (std::isinf(magnitude))
        ThrowNotANumber(text);
    return number.negative ? -magnitude : magnitude;
}

namespace {

// The first `count` significant digits of a positive finite value, rounded to nearest with ties
// to even from its exact binary value, and the exponent e with value = 0.digits x 10^e.
std::string ExpandDigits(long double magnitude, int count, int& exponent) {
    char buffer[96];
    const locale_t previous = uselocale(ClassicLocale());
    std::snprintf(buffer, sizeof buffer, "%.*Le", count - 1, magnitude);
    uselocale(previous);
    std::string digits;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (IsDigit(*p))
            digits.push_back(*p);
    }
    exponent = std::atoi(p + 1) + 1;
    return digits;
}

// Whether the value rounds up when cut after r of its 18 digits: the digit after the cut is 5
// or more. Digits rounded to 18 places can show "5000..." for an exact value of "4999...",
// which must round down; only then is a longer expansion consulted.
bool RoundsUpAfter(const std::string& digits18, int r, long double magnitude) {
    if (digits18[r] != '5' || digits18.find_first_not_of('0', r + 1) != std::string::npos)
        return digits18[r] >= '5';
    int exponent;
    return ExpandDigits(magnitude, 40, exponent)[r] >= '5';
}

} // namespace

DecimalDigits RoundedDigits(long double x, int r) {
    DecimalDigits result;
    if (!std::isfinite(x) || std::fabs(x) < LDBL_MIN || r < 0)
        return result;

    const long double magnitude = std::fabs(x);
    int exponent;
    std::string digits = ExpandDigits(magnitude, 18, exponent);
    if (r < static_cast<int>(digits.size())) {
        const bool roundUp = RoundsUpAfter(digits, r, magnitude);
        digits.resize(r);
        if (roundUp) {
            int k = r - 1;
            while (k >= 0 && digits[k] == '9')
                digits[k--] = '0';
            if (k >= 0) {
                ++digits[k];
            } else {
                // A carry out of the first digit: 99.. became 100.., one digit longer.
                digits.insert(digits.begin(), '1');
                if (r > 0)
                    digits.pop_back();
                ++exponent;
            }
        }
    }
    const size_t lastNonZero = digits.find_last_not_of('0');
    digits.resize(lastNonZero == std::string::npos ? 0 : lastNonZero + 1);
    if (digits.empty())
        return result;

    result.negative = std::signbit(x);
    result.digits = std::move(digits);
    result.exponent = exponent;
    return result;
}

std::string GeneralNumberText(long double x) {
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x < 0 ? "-INF" : "INF";

    const DecimalDigits d = RoundedDigits(x, 15);
    if (d.IsZero())
        return "0";

    const std::string& separator = DecimalSeparator();
    const int n = static_cast<int>(d.digits.size());
    const int e = d.exponent;
    if (e >= -3 && e <= 15) {
        std::string text = d.negative ? "-" : "";
        if (e <= 0) {
            text += "0" + separator + std::string(-e, '0') + d.digits;
        } else if (n <= e) {
            text += d.digits + std::string(e - n, '0');
        } else {
            text += d.digits.substr(0, e) + separator + d.digits.substr(e);
        }
        return text;
    }
    return ExponentNotationText(d);
}

std::string ExponentNotationText(const DecimalDigits& d) {
    std::string text = d.negative ? "-" : "";
    text += d.digits[0];
    if (d.digits.size() > 1)
        text += DecimalSeparator() + d.digits.substr(1);
    return text + "E" + std::to_string(d.exponent - 1);
}

std::string DisplayExponentText(long double x) {
    DecimalDigits d = RoundedDigits(x, 13);
    if (d.IsZero())
        d.exponent = 1; // zero has no digits: the padding below writes it 0,000000000000E+0
    d.digits.resize(13, '0');
    std::string text = d.negative ? "-" : "";
    text += d.digits[0];
    text += DecimalSeparator();
    text += d.digits.substr(1);
    text += d.exponent - 1 < 0 ? "E-" : "E+";
    text += std::to_string(std::abs(d.exponent - 1));
    return text;
}

} // namespace quorvel
