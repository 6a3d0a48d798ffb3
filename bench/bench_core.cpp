// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks of the conversion heart: number text, one conversion, loading a large group.

#include "calc/numbertext.h"
#include "core/conversion.h"
#include "core/unitsdatabase.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <filesystem>
#include <random>
#include <unistd.h>

using namespace quorvel;

namespace {

// Texts and values of ordinary magnitudes, as users type and see them.
std::vector<long double> SampleValues() {
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-20, 20);
    std::vector<long double> values;
    for (int k = 0; k < 1024; ++k)
        values.push_back(mantissa(random) * std::pow(10.0L, exponent(random)));
    return values;
}

void BM_ParseNumberText(benchmark::State& state) {
    std::vector<std::string> texts;
    for (long double x : SampleValues())
        texts.push_back(GeneralNumberText(x));
    size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseNumberText(texts[k++ & 1023]));
}
BENCHMARK(BM_ParseNumberText);

void BM_GeneralNumberText(benchmark::State& state) {
    const std::vector<long double> values = SampleValues();
    size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(GeneralNumberText(values[k++ & 1023]));
}
BENCHMARK(BM_GeneralNumberText);

void BM_ConvertByFactors(benchmark::State& state) {
    long double value = 12;
    for (auto _ : state) {
        auto result =
            Convert({value, "0.0254", "0.3048", "inch", "foot", ConversionKind::ByFactors});
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ConvertByFactors);

void BM_LoadGroupOf10000Units(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quorvel-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const UnitsDatabase db(folder);
    std::vector<Unit> units;
    for (int k = 0; k < 10000; ++k)
        units.push_back({"unit number " + std::to_string(k), std::to_string(k) + ".125E-3"});
    db.WriteGroupUnits("Large", units);
    for (auto _ : state)
        benchmark::DoNotOptimize(db.LoadGroup("Large"));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadGroupOf10000Units)->Unit(benchmark::kMillisecond);

} // namespace
