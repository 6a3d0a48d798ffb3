// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Conversion as the main window makes it: a group's units files built from the input are loaded,
// two units are picked, and a value goes up or down between them, in an ordinary group or in the
// Temperature group. Only a temperature below its scale's lowest value, or the value 0 in a
// reciprocal unit (k/x), may be refused with an error; a value converted is finite and its line
// tells what was converted; a factor group converts only when both factors convert
// (ConvertsByFactor), and always between two ordinary factors whose quotient and product stay
// in range.

#include "calc/errors.h"
#include "calc/numbertext.h"
#include "core/conversion.h"
#include "core/unitsdatabase.h"
#include "fuzzcheck.h"
#include "fuzzfolder.h"

#include <cmath>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>

using namespace quorvel;

namespace {

// The names the temperature formulas know, and a few others.
const char* const UnitNames[] = {"Celsius' degree",
                                 "Kelvin's degree",
                                 "Fahrenheit's degree",
                                 "Reaumur's degree",
                                 "Rankin's degree",
                                 "metre",
                                 "inch",
                                 "",
                                 "kelvin's degree"};
const char* const FactorTexts[] = {"1",       "0.0254", "0,3048", "2.54E-2", "1e4932",  "1e-4950",
                                   "0",       "-1",     "",       " 1 ",     "1,000.5", "1.0",
                                   "1e-4940", "NaN",    "inf",    "+.5",     "5.",      "\t1",
                                   "100/x",   "0/x",    "-1/x",   "2,5 / x", "1e4932/x"};

std::string Line(FuzzedDataProvider& input, const char* const* pieces, size_t count) {
    if (input.ConsumeBool())
        return pieces[input.ConsumeIntegralInRange<size_t>(0, count - 1)];
    return input.ConsumeRandomLengthString(24);
}

// A value as the main window holds one: read from a text, or any finite number.
long double Value(FuzzedDataProvider& input) {
    if (input.ConsumeBool()) {
        try {
            return ParseNumberText(input.ConsumeRandomLengthString(32));
        } catch (const EConvertError&) {
            return 0;
        }
    }
    long double x = 0;
    const std::vector<std::uint8_t> bytes = input.ConsumeBytes<std::uint8_t>(10);
    if (!bytes.empty())
        std::memcpy(&x, bytes.data(), bytes.size());
    return std::isfinite(x) ? x : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder scratch;
    const std::filesystem::path files = scratch.Path() / "Files";
    std::filesystem::create_directories(files);
    FuzzedDataProvider input(data, size);
    const std::string group = input.ConsumeBool() ? TemperatureGroupName : "G";
    std::string names, factors;
    for (int units = input.ConsumeIntegralInRange(1, 6); units > 0; --units) {
        names += Line(input, UnitNames, std::size(UnitNames)) + "\r\n";
        factors += Line(input, FactorTexts, std::size(FactorTexts)) + "\r\n";
    }
    fuzz::WriteFile(files / (group + ".uns"), names);
    fuzz::WriteFile(files / (group + ".unf"), factors);

    std::vector<Unit> units;
    try {
        units = UnitsDatabase(files).LoadGroup(group);
    } catch (const EFileError&) {
        return 0;
    }
    if (units.empty())
        return 0;
    const Unit& upper = units[input.ConsumeIntegralInRange<size_t>(0, units.size() - 1)];
    const Unit& lower = units[input.ConsumeIntegralInRange<size_t>(0, units.size() - 1)];
    const bool down = input.ConsumeBool();
    const Unit& source = down ? upper : lower;
    const Unit& target = down ? lower : upper;
    const long double value = Value(input);
    const ConversionKind kind = ConversionKindOf(group);
    const bool temperature = kind == ConversionKind::TemperatureScales;

    std::optional<ConversionResult> result;
    try {
        result = Convert({value, source.factor, target.factor, source.name, target.name, kind});
    } catch (const ETemperatureBound& refusal) {
        FUZZ_CHECK(temperature && std::strlen(refusal.what()) > 0);
        return 0;
    } catch (const EReciprocalZero&) {
        const std::optional<Factor> sourceFactor = ReadFactor(source.factor);
        FUZZ_CHECK(!temperature && value == 0 && sourceFactor && sourceFactor->reciprocal);
        return 0;
    }
    if (!temperature) {
        const std::optional<Factor> sourceFactor = ReadFactor(source.factor);
        const std::optional<Factor> targetFactor = ReadFactor(target.factor);
        FUZZ_CHECK(!result || (sourceFactor && targetFactor));
        if (sourceFactor && targetFactor && !sourceFactor->reciprocal &&
            !targetFactor->reciprocal &&
            std::isfinite(sourceFactor->number / targetFactor->number * value))
            FUZZ_CHECK(result);
    }
    if (!result)
        return 0;
    FUZZ_CHECK(std::isfinite(result->value));
    FUZZ_CHECK(result->line == ConversionLine(GeneralNumberText(value), source.name,
                                              GeneralNumberText(result->value), target.name));
    return 0;
}
