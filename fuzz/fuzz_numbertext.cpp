// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number text: cleaning, parsing and the three layouts. Every value that parses comes back from
// its general text (15 digits) and its display exponent text (13 digits) within one unit of
// the last digit written.

#include "calc/displaytext.h"
#include "calc/errors.h"
#include "calc/numbertext.h"
#include "fuzzcheck.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

using namespace quorvel;

namespace {

// |back − x| is at most one unit of the last of `digits` significant digits of x.
void ChecksBack(long double x, const std::string& text, int digits) {
    const long double back = ParseNumberText(text);
    const DecimalDigits d = RoundedDigits(x, digits);
    if (d.IsZero()) {
        FUZZ_CHECK(back == 0);
        return;
    }
    const long double unit = std::pow(10.0L, d.exponent - digits);
    FUZZ_CHECK(std::signbit(back) == std::signbit(x));
    FUZZ_CHECK(std::fabs(back - x) <= unit);
}

void ChecksValue(long double x, std::uint8_t layout) {
    if (!std::isfinite(x))
        return;
    const std::string general = GeneralNumberText(x);
    FUZZ_CHECK(CleanNumberText(general) == general);
    ChecksBack(x, general, 15);
    ChecksBack(x, DisplayExponentText(x), 13);
    DisplayText(general, layout & 1);
    FixedLayoutText(x, 2 + (layout >> 1) % 17, (layout >> 3) % 19, layout & 4);
}

// A finite value from raw bits: sign, 15-bit exponent and a mantissa with its integer bit set
// (the encodings a computation can produce).
long double ValueFromBits(const std::uint8_t* bytes) {
    std::uint64_t mantissa = 0;
    for (int k = 0; k < 8; ++k)
        mantissa = mantissa << 8 | bytes[k];
    const int exponent = (bytes[8] << 8 | bytes[9]) & 0x7FFF;
    const long double magnitude =
        std::ldexp(static_cast<long double>(mantissa | 1ULL << 63), exponent - 16383 - 63);
    return bytes[8] & 0x80 ? -magnitude : magnitude;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::uint8_t control = data[0];
    SetNumberSeparators({control & 1 ? "," : ".", control & 2 ? "\xC2\xA0" : " "});
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string cleaned = CleanNumberText(text);
    FUZZ_CHECK(CleanNumberText(cleaned) == cleaned);
    for (const std::string_view candidate : {text, std::string_view(cleaned)}) {
        try {
            ChecksValue(ParseNumberText(candidate), data[1]);
            DisplayText(candidate, control & 4);
        } catch (const EConvertError&) {
        }
    }
    if (size >= 11)
        ChecksValue(ValueFromBits(data + 1), control);
    return 0;
}
