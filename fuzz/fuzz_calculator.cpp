// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator engine driven by random actions and property writes, as the calculator window
// and the main window drive it. Only the program's own errors may come out, and the value a
// window reads is always a clean text.

#include "calc/calculatorengine.h"
#include "calc/displaytext.h"
#include "calc/numbertext.h"
#include "fuzzcheck.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace quorvel;

namespace {

void Step(FuzzedDataProvider& input, CalculatorEngine& calculator) {
    switch (input.ConsumeIntegralInRange(0, 9)) {
    case 0: calculator.SetValue(input.ConsumeRandomLengthString(24)); break;
    case 1:
        calculator.SetAngularMeasure(static_cast<AngleMeasure>(input.ConsumeIntegralInRange(0, 3)));
        break;
    case 2:
        calculator.SetOperation(
            static_cast<CalculatorOperation>(input.ConsumeIntegralInRange(0, 6)));
        break;
    case 3: calculator.EndEntry(); break;
    case 4: calculator.Memory().SetCellsQuantity(input.ConsumeIntegralInRange(0, 12)); break;
    case 5: calculator.Memory().SetActiveCell(input.ConsumeIntegralInRange(0, 12)); break;
    case 6: calculator.Memory().SetValue(input.ConsumeRandomLengthString(24)); break;
    default:
        // A window may write any ordinal; those past the last action do nothing.
        calculator.SetAction(static_cast<CalculatorAction>(input.ConsumeIntegral<std::uint8_t>()));
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    SetNumberSeparators({input.ConsumeBool() ? "," : ".", " "});
    CalculatorEngine calculator;
    while (input.remaining_bytes() > 0) {
        try {
            Step(input, calculator);
        } catch (const Error&) {
            // the math functions' refusals, texts that are no number, cells that do not exist
        }
        const std::string value = calculator.Value();
        FUZZ_CHECK(CleanNumberText(value) == value);
    }
    try {
        DisplayText(calculator.Value(), true);
    } catch (const EConvertError&) {
    }
    return 0;
}
