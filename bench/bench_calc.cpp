// Benchmarks of the calculator heart: the factorial, one action of the engine, and the slowest
// math function calls.

#include "calc/calculator.h"
#include "calc/qzmath.h"

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
    TQZCalculator calculator;
    calculator.SetAction(ca7);
    for (auto _ : state) {
        calculator.SetAction(caPlus);
        calculator.SetAction(ca3); // keeps the next "+" finishing an addition
    }
}
BENCHMARK(BM_ActionOperationKey);

void BM_ActionSineInDegrees(benchmark::State& state) {
    TQZCalculator calculator;
    calculator.SetAngularMeasure(amDeg);
    for (auto _ : state) {
        calculator.SetValue("30");
        calculator.SetAction(caSin);
    }
}
BENCHMARK(BM_ActionSineInDegrees);

// An angle of many turns is reduced by whole turns before it is converted.
void BM_ActionSineOfLargeAngleInDegrees(benchmark::State& state) {
    TQZCalculator calculator;
    calculator.SetAngularMeasure(amDeg);
    for (auto _ : state) {
        calculator.SetValue("1E4000");
        calculator.SetAction(caSin);
    }
}
BENCHMARK(BM_ActionSineOfLargeAngleInDegrees);

// Arguments that cost the most: large angles need a long reduction, powers and logarithms
// of extreme values.
void BM_SinOfLargeAngle(benchmark::State& state) {
    long double x = 9.2e18L;
    for (auto _ : state)
        benchmark::DoNotOptimize(Sin(x));
}
BENCHMARK(BM_SinOfLargeAngle);

void BM_TanOfLargeAngle(benchmark::State& state) {
    long double x = 9.2e18L;
    for (auto _ : state)
        benchmark::DoNotOptimize(Tan(x));
}
BENCHMARK(BM_TanOfLargeAngle);

void BM_PowerNearOne(benchmark::State& state) {
    long double base = 1.0000001L, y = 1e10L;
    for (auto _ : state)
        benchmark::DoNotOptimize(Power(base, y));
}
BENCHMARK(BM_PowerNearOne);

// A logarithm next to a whole number checks whether its argument is an exact power.
void BM_LgOfPowerOfTen(benchmark::State& state) {
    long double x = 1e-31L; // its log10l lies one unit below -31
    for (auto _ : state)
        benchmark::DoNotOptimize(Lg(x));
}
BENCHMARK(BM_LgOfPowerOfTen);

void BM_LogNOfPower(benchmark::State& state) {
    long double base = 10, x = 1e-3L; // the quotient of the two log2 lies one unit below -3
    for (auto _ : state)
        benchmark::DoNotOptimize(LogN(base, x));
}
BENCHMARK(BM_LogNOfPower);

void BM_ArCothNearOne(benchmark::State& state) {
    long double x = 1.0000000000000001L;
    for (auto _ : state)
        benchmark::DoNotOptimize(ArCoth(x));
}
BENCHMARK(BM_ArCothNearOne);

} // namespace
