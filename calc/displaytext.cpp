// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/displaytext.h"

#include "calc/numbertext.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

std::string GroupThousands(const std::string& integerDigits) {
    const std::string& separator = CurrentNumberSeparators().thousands;
    std::string grouped;
    const size_t n = integerDigits.size();
    for (size_t k = 0; k < n; ++k) {
        if (k > 0 && (n - k) % 3 == 0)
            grouped += separator;
        grouped += integerDigits[k];
    }
    return grouped;
}

size_t ExponentLetter(std::string_view text) {
    return text.find_first_of("Ee");
}

// How many decimals show every significant digit of a text in exponent notation: those after
// its separator, plus one per power of ten it is scaled down by.
int DecimalsOfExponentText(std::string_view text) {
    const size_t letter = ExponentLetter(text);
    const std::string_view mantissa = text.substr(0, letter);
    const size_t separator = mantissa.find(DecimalSeparator());
    const int fractionDigits =
        separator == std::string_view::npos
            ? 0
            : static_cast<int>(mantissa.size() - separator - DecimalSeparator().size());
    const std::string exponent(text.substr(letter + 1));
    const int power = exponent.empty() || exponent == "-" || exponent == "+"
                          ? 0
                          : std::clamp(std::stoi(exponent), -100, 100);
    return std::clamp(fractionDigits - power, 0, 18);
}

} // namespace

std::string FixedLayoutText(long double x, int precision, int decimals, bool grouped) {
    precision = std::clamp(precision, 2, 18);
    decimals = std::clamp(decimals, 0, 18);
    // The cut depends on the exponent, which the unrounded expansion gives.
    const DecimalDigits unrounded = RoundedDigits(x, 18);
    const DecimalDigits d = RoundedDigits(x, std::min(unrounded.exponent + decimals, precision));
    const int e = d.exponent;
    if (!d.IsZero() && e > precision)
        return ExponentNotationText(RoundedDigits(x, precision));

    std::string integer = "0";
    std::string fraction;
    if (!d.IsZero()) {
        if (e > 0) {
            integer = d.digits.substr(0, e);
            integer.resize(e, '0');
            fraction = d.digits.size() > static_cast<size_t>(e) ? d.digits.substr(e) : "";
        } else {
            fraction = std::string(-e, '0') + d.digits;
        }
    }
    std::string text = d.negative ? "-" : "";
    text += grouped ? GroupThousands(integer) : integer;
    if (decimals > 0) {
        fraction.resize(decimals, '0');
        text += DecimalSeparator() + fraction;
    }
    return text;
}

std::string DisplayText(std::string_view text, bool grouped) {
    const std::string u = CleanNumberText(text);
    const long double x = ParseNumberText(u);
    if (x == 0)
        return u.find(DecimalSeparator()) != std::string::npos ? u : "0";
    const long double magnitude = std::fabs(x);
    if (magnitude <= 1e-15L || magnitude >= 1e15L)
        return DisplayExponentText(x);
    if (ExponentLetter(u) != std::string::npos && magnitude < 1e-4L)
        return FixedLayoutText(x, 18, DecimalsOfExponentText(u), grouped);
    const int length = static_cast<int>(CharacterCount(u));
    const int precision = std::min(length, 18);
    const size_t separator = u.find(DecimalSeparator());
    const int separatorPosition =
        separator == std::string::npos
            ? length
            : static_cast<int>(CharacterCount(std::string_view(u).substr(0, separator))) + 1;
    return FixedLayoutText(x, precision, precision - separatorPosition, grouped);
}

} // namespace quorvel
