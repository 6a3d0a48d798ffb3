// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks of the calculator heart: the factorial, one action of the engine, and the slowest
// math function calls.

#include "calc/calculatorengine.h"
#include "calc/guardedmath.h"

#include <benchmark/benchmark.h>

using namespace quorvel;

namespace {

void BM_Factorial1754(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Factorial(1754));
}
BENCHMARK(BM_Factorial1754)->Unit(benchmark::kMicrosecond);

// One "+" between two typed numbers: a pending addition is finished and shown.
void BM_ActionOperationKey(benchmark::State& state) {
    CalculatorEngine calculator;
    calculator.SetAction(CalculatorAction::Digit7);
    for (auto _ : state) {
        calculator.SetAction(CalculatorAction::Add);
        calculator.SetAction(CalculatorAction::Digit3); // keeps the next "+" finishing an addition
    }
}
BENCHMARK(BM_ActionOperationKey);

// The sine key in degrees; an angle of many turns is reduced by whole turns before it is
// converted.
void BM_ActionSineInDegrees(benchmark::State& state, const char* angle) {
    CalculatorEngine calculator;
    calculator.SetAngularMeasure(AngleMeasure::Degrees);
    for (auto _ : state) {
        calculator.SetValue(angle);
        calculator.SetAction(CalculatorAction::Sin);
    }
}
BENCHMARK_CAPTURE(BM_ActionSineInDegrees, Small, "30");
BENCHMARK_CAPTURE(BM_ActionSineInDegrees, LargeAngle, "1E4000");

// Arguments that cost the most: large angles need a long reduction, powers and logarithms
// of extreme values, and a logarithm next to a whole number checks whether its argument is an
// exact power.
void BM_Function(benchmark::State& state, long double (*function)(long double), long double x) {
    for (auto _ : state)
        benchmark::DoNotOptimize(function(x));
}
BENCHMARK_CAPTURE(BM_Function, SinOfLargeAngle, Sin, 9.2e18L);
BENCHMARK_CAPTURE(BM_Function, TanOfLargeAngle, Tan, 9.2e18L);
BENCHMARK_CAPTURE(BM_Function, LgOfPowerOfTen, Lg, 1e-31L); // its log10l lies a unit below -31
BENCHMARK_CAPTURE(BM_Function, ArCothNearOne, ArCoth, 1.0000000000000001L);

void BM_Function2(benchmark::State& state, long double (*function)(long double, long double),
                  long double a, long double b) {
    for (auto _ : state)
        benchmark::DoNotOptimize(function(a, b));
}
BENCHMARK_CAPTURE(BM_Function2, PowerNearOne, Power, 1.0000001L, 1e10L);
// The quotient of the two log2 lies one unit below -3.
BENCHMARK_CAPTURE(BM_Function2, LogNOfPower, LogN, 10.0L, 1e-3L);

} // namespace
